#include "pack/play_content.h"

#include "pack/pack.h"

#include <QRegularExpression>

namespace content {

PlayContent::PlayContent(const QString& folder, std::FILE* report)
    : report_(report) {
    if (isGameFolder(folder)) {
        gameFolder_ = folder;
    } else {
        sources_ = folder;
        gameFolder_ = scratch_.path();
    }
}

bool PlayContent::pack() {
    if (sources_.isEmpty()) {
        return true;
    }
    const PackResult result = packStory(sources_, gameFolder_);
    printDiagnostics(result.diagnostics, report_);
    if (hasErrors(result.diagnostics)) {
        return false;
    }
    sourceOf_ = result.sourceOf;
    return true;
}

QStringList PlayContent::watchedFolders() const {
    if (!sources_.isEmpty()) {
        return {sources_};
    }
    return {gameFolder_ + QStringLiteral("/dat1"), gameFolder_ + QStringLiteral("/dat2")};
}

QString PlayContent::nameSources(QString message) const {
    if (sources_.isEmpty()) {
        return message;
    }
    for (auto packed = sourceOf_.cbegin(); packed != sourceOf_.cend(); ++packed) {
        message.replace(packed.key(), packed.value());
    }
    // A file no source made: the game looked for it in dat1/ or dat2/.
    const QRegularExpression packedFolder(QRegularExpression::escape(gameFolder_) +
                                          QStringLiteral("/dat[12]/"));
    return message.replace(packedFolder, sources_ + QLatin1Char('/'));
}

} // namespace content
