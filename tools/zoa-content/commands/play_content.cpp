#include "commands/play_content.h"

#include "commands/pack.h"

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
    return !hasErrors(result.diagnostics);
}

QStringList PlayContent::watchedFolders() const {
    if (!sources_.isEmpty()) {
        return {sources_};
    }
    return {gameFolder_ + QStringLiteral("/dat1"), gameFolder_ + QStringLiteral("/dat2")};
}

} // namespace content
