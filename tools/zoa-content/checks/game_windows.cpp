#include "checks/game_windows.h"

#include "controls/fonts.h"
#include "controls/timer.h"
#include "window/fom.h"

#include <QLoggingCategory>

namespace content {

namespace {

constexpr int twipsPerPixel = 15;

QLoggingCategory::CategoryFilter filterBefore = nullptr;

void withoutTrace(QLoggingCategory* category) {
    filterBefore(category);
    if (qstrcmp(category->categoryName(), "zoa.trace") == 0) {
        category->setEnabled(QtDebugMsg, false);
    }
}

} // namespace

GameWindows::GameWindows() {
    controls::installFontSubstitutes();
    // Windows laid out for measuring play nothing: their start-up is no step of a play's trace.
    filterBefore = QLoggingCategory::installFilter(nullptr);
    QLoggingCategory::installFilter(&withoutTrace);
    for (const int height : screenHeights) {
        Window window{height,
                      std::make_unique<host::FixedHostFacts>(QString(), height * twipsPerPixel),
                      nullptr};
        window.fom =
            std::make_unique<Fom>(GamePlatform{*window.host, media_, random_, messageBox_});
        // Never shown, the window never comes to its title, which stops the timers it starts with.
        window.fom->TimIve->setEnabled(false);
        window.fom->Bgm_Check->setEnabled(false);
        windows_.push_back(std::move(window));
    }
    QLoggingCategory::installFilter(filterBefore);
}

GameWindows::~GameWindows() = default;

} // namespace content
