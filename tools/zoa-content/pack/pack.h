#pragma once

#include "checks/diagnostic.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace content {

// A script as the game reads it: code page 932, every line ended by CR LF. The JIS forms that
// input methods type for seven characters code page 932 spells otherwise (the wave dash U+301C,
// the double vertical line U+2016, the minus sign U+2212, the cent, pound and not signs U+00A2,
// U+00A3 and U+00AC, and the em dash U+2014) are written as their code page 932 stand-ins.
struct PackedScript {
    QByteArray bytes;
    // An error for every character code page 932 cannot hold, and a note for the first place
    // of each character written as a stand-in.
    QList<Diagnostic> diagnostics;
};

PackedScript packScript(const QString& file, const QStringList& lines);

// Reads a UTF-8 script source and packs it, adding what it finds to the diagnostics.
QByteArray packScriptFile(const QString& path, QList<Diagnostic>& diagnostics);

struct PackResult {
    QList<Diagnostic> diagnostics;    // without errors when every file was written
    QStringList written;              // the files written, in name order
    QHash<QString, QString> sourceOf; // each file written, with the source it was made from
};

// Packs every "*.txt" source in the sources folder into a file of the same name in the output
// folder, which is made when missing. Every source is checked before anything is written, so a
// single error leaves the output folder untouched; each file is replaced through a temporary
// file, so a reader never sees half of one.
PackResult packFolder(const QString& sources, const QString& folder);

// A game folder holds dat1/; any other folder is a story's sources.
bool isGameFolder(const QString& folder);
// A folder that exists and is not a game folder.
bool isSourcesFolder(const QString& folder);

// Packs a whole sources folder, its subfolders included, into the game folder: each script
// (*.txt) to dat1/NAME.txt, each picture Qt reads to dat2/NAME.bmp (24 bits, same size) and
// each sound (WAV, Ogg Vorbis, FLAC) to dat2/NAME.wav (16-bit PCM, same rate and channels).
// README files, hidden files and editor leftovers are skipped silently, anything else with a
// note. A source that cannot be read, or two sources for one output name, is an error, and
// then nothing is written.
PackResult packStory(const QString& sources, const QString& gameFolder);

// The game folder a command runs on, from a folder the author names: a game folder as it is,
// a sources folder packed into a scratch folder that lasts as long as this object.
class PackedSources {
public:
    explicit PackedSources(const QString& folder);

    const QString& gameFolder() const { return gameFolder_; }
    // What packing found; empty for a game folder.
    const QList<Diagnostic>& diagnostics() const { return diagnostics_; }
    // True when the sources could not be packed; the game folder is then unusable.
    bool failed() const { return hasErrors(diagnostics_); }
    bool packed() const { return scratch_ != nullptr; }
    // The author's file a path in the game folder was made from; the path itself when none.
    QString sourceOf(const QString& path) const;
    // Findings about packed files named by the sources they were made from.
    void nameSources(QList<Diagnostic>& diagnostics) const;

private:
    std::unique_ptr<QTemporaryDir> scratch_;
    QString sources_;
    QString gameFolder_;
    QList<Diagnostic> diagnostics_;
    QHash<QString, QString> sourceOf_;
};

} // namespace content
