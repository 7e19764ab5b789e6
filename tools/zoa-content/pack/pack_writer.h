#pragma once

#include "checks/diagnostic.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace content {

// Writes the files of a pack into an output folder all at once or not at all. Each file is first
// written into a staging folder inside the output; commit() then moves those that changed into
// place and removes the files the last pack wrote that this one did not. A list of the files
// written, kept in the output, tells them from files an author put there, which are never
// touched. Whatever fails, at any step, leaves the output folder as it was.
class PackWriter {
public:
    // The list of what the last pack wrote, in the output folder.
    static constexpr const char* listName = ".zoa-packed";

    // removeStale: remove what the last pack wrote and this one does not.
    PackWriter(const QString& folder, bool removeStale);
    ~PackWriter();
    PackWriter(const PackWriter&) = delete;
    PackWriter& operator=(const PackWriter&) = delete;

    // Why the output cannot be written, with the system's reason, at the file or folder that
    // failed; an empty message while it can.
    const Diagnostic& problem() const { return problem_; }
    // A file to write the output's file name (a path below the output folder) into, open for
    // writing; nullptr, with the problem set, when it cannot be made.
    QFile* open(const QString& name);
    // Ends writing the file open(): false, with the problem set, when it could not be written
    // whole.
    bool close();
    // Moves every file written into place. Returns false, with the problem set and nothing
    // changed, when any step fails.
    bool commit();

private:
    struct Step; // one change made to the output, and how to undo it
    bool prepareOutput();
    bool writeList();
    QStringList lastWritten() const;
    bool replace(const QString& name, const QString& staged);
    bool remove(const QString& name);
    bool makeFolder(const QString& folder);
    bool fail(const QString& what, const QString& reason);
    void undo();

    QString folder_;
    bool removeStale_;
    std::vector<QString> made_; // folders made for the output, outermost first
    std::unique_ptr<QTemporaryDir> staging_;
    QStringList names_;
    std::unique_ptr<QFile> open_;
    std::vector<Step> steps_;
    Diagnostic problem_;
    bool committed_ = false;
};

} // namespace content
