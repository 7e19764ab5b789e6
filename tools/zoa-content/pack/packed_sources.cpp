#include "pack/pack.h"

#include <QDir>
#include <QFileInfo>

namespace content {

PackedSources::PackedSources(const QString& folder)
    : sources_(folder) {
    if (isGameFolder(folder)) {
        gameFolder_ = folder;
        return;
    }
    scratch_ = std::make_unique<QTemporaryDir>();
    if (!scratch_->isValid()) {
        diagnostics_.append({folder, 0, 0,
                             QStringLiteral("cannot make a scratch folder to pack into: ") +
                                 scratch_->errorString()});
        return;
    }
    gameFolder_ = scratch_->path();
    PackResult result = packStory(folder, gameFolder_);
    diagnostics_ = std::move(result.diagnostics);
    for (auto written = result.sourceOf.cbegin(); written != result.sourceOf.cend(); ++written) {
        sourceOf_.insert(QDir::cleanPath(written.key()), written.value());
    }
}

QString PackedSources::sourceOf(const QString& path) const {
    if (!scratch_) {
        return path;
    }
    const QString clean = QDir::cleanPath(path);
    const auto source = sourceOf_.constFind(clean);
    if (source != sourceOf_.cend()) {
        return *source;
    }
    // A file no source made (one the story lacks) is named as if it lay in the sources.
    if (clean.startsWith(gameFolder_ + QLatin1Char('/'))) {
        return QDir(sources_).filePath(QFileInfo(clean).fileName());
    }
    return path;
}

void PackedSources::nameSources(QList<Diagnostic>& diagnostics) const {
    for (Diagnostic& diagnostic : diagnostics) {
        diagnostic.file = sourceOf(diagnostic.file);
    }
}

} // namespace content
