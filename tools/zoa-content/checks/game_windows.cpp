#include "checks/game_windows.h"

#include "platform/fonts.h"
#include "window/fom.h"

namespace content {

namespace {
constexpr int twipsPerPixel = 15;
}

GameWindows::GameWindows() {
    platform::installFontSubstitutes();
    for (const int height : screenHeights) {
        Window window{height,
                      std::make_unique<platform::FixedHostFacts>(QString(), height * twipsPerPixel),
                      nullptr};
        window.fom =
            std::make_unique<Fom>(GamePlatform{*window.host, media_, random_, messageBox_});
        windows_.push_back(std::move(window));
    }
}

GameWindows::~GameWindows() = default;

} // namespace content
