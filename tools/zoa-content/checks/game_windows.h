#pragma once

#include "controls/message_box.h"
#include "host/host_facts.h"
#include "host/random_source.h"
#include "media/media_service.h"

#include <QList>
#include <QSize>

#include <memory>
#include <vector>

class Fom;

namespace content {

// The game's window as the game lays itself out on screens of the heights that matter, made
// without showing it: its text window, choice captions and boxes and pictures, placed by the
// game's own layout, in the game's own fonts. Needs a QApplication.
class GameWindows {
public:
    // Screen heights in pixels (at 96 pixels an inch; a screen at twice the scale lays the
    // window out as one of half its height): from the smallest screens still in use to the
    // largest, with those between whose rounding of the fonts and rectangles gives the fewest
    // characters or rows.
    static constexpr int screenHeights[] = {720, 768, 800, 1080, 1200, 1600, 2160};

    GameWindows();
    ~GameWindows();
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    struct Window {
        int screenHeight = 0;
        std::unique_ptr<host::FixedHostFacts> host;
        std::unique_ptr<Fom> fom;
    };
    const std::vector<Window>& windows() const { return windows_; }

private:
    // The windows are laid out, never played: their sounds go nowhere.
    struct NoSounds : media::MediaService {
        int send(const QByteArray&, QByteArray*) override { return media::MediaOk; }
    };

    NoSounds media_;
    host::ClockRandom random_;
    controls::QtMessageBox messageBox_;
    std::vector<Window> windows_;
};

} // namespace content
