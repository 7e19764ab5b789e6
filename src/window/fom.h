#pragma once

// The game's names, short mixed-case abbreviations (Ive event, Stt start, Qst question, opn
// opening, Fce face, Bak backing, Tim timer, Hscl horizontal scroll bar, Bgm music, Se effect):
//
//   Fom            the one window; it owns the game state and the controls below
//   Lbl            the text window: nine lines typed one character a tick; a click skips
//   BakLbl         the version label "ZOA Ver1.00", drawn behind the text window
//   Qst(0), Qst(1) the two choice captions; a click answers
//   QstBak(i)      the coloured box behind caption i; presses fall through it
//   Img            the main picture: the title picture ("opn") or the scene's picture
//   ImgFce         the face of the character met; a click shows its verse
//   Hscl           the scene selector, 0 to 9: drawn after each answer, read at the next one
//   HsclTim        the typing speed, milliseconds a character (TimIve's interval)
//   TimIve         the typing timer; Bgm_Check the music watch (every second)
//   IveStt         starts an event: its picture, its script, the typing
//   Qstopn         opens the choice: stops typing, shows the captions in random order
//   BgmOpn, BgmStt, BgmCls, SeStt   the sound service: music open, start, close; an effect
//   affinity       one counter a story character (0 to 4): how far its storyline has come
//   answerCount    answers "a" given at answer scenes in this story; the fifth plays the ending
//   choiceKeys     "a" or "b": the key of the caption each of Qst(0) and Qst(1) shows
//   textLines      the text window's lines, 0 the top, 8 the one being typed
//   linePos        characters of scriptLine typed so far; scriptLine the line read last
//   eventName      the running event (its script is dat1Path + eventName + ".txt")
//   dat1Path       the scripts' folder; dat2Path the pictures' and sounds' folder
//   screenUnit     the layout unit, a 25th of the screen height in 1/1440 inch
//   bgmLoop        the sound module's flag: the music starts again when it has run out
//
// Handlers are named for their control and what happened (Form_Load, Img_MouseDown, Qst_Click,
// Hscl_Change, TimIve_Timer); arguments for what they carry (iventName, BMPFileName).

#include "sound/sound_module.h"
#include "text/script_file.h"
#include "window/layout.h"

#include <QString>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

namespace controls {
class Box;
class History;
class Label;
class MessageBox;
class Picture;
class ScrollBar;
class Timer;
} // namespace controls

namespace host {
class HostFacts;
class RandomSource;
} // namespace host

namespace media {
class MediaService;
}

// What the game needs from the machine, injected so that a test can build a whole game over a
// folder of its own, with a recording media service and a scripted random source.
struct GamePlatform {
    host::HostFacts& host;
    media::MediaService& media;
    host::RandomSource& random;
    controls::MessageBox& messageBox;
};

// The game's one window. Creating it loads the game; showing it the first time shows the title.
// The game state and the handlers are public so that tests can drive the game directly.
class Fom : public QWidget {
    Q_OBJECT
public:
    explicit Fom(const GamePlatform& platform, QWidget* parent = nullptr);
    ~Fom() override;

    // Game state.
    std::array<quint8, 5> affinity{};  // one counter per story character
    std::array<QString, 9> textLines;  // the text window's lines, 8 being typed
    int linePos = 0;                   // characters of scriptLine typed (32 bits: any line length)
    QString scriptLine;                // the script line read last
    quint8 answerCount = 0;            // answers "a" after answer draws in this story
    std::array<QString, 2> choiceKeys; // "a" or "b" for the caption in Qst(i)
    QString basePath;                  // the program's folder, ending in "/"
    QString dat1Path;                  // event scripts
    QString dat2Path;                  // pictures
    QString eventName;                 // the running event
    text::ScriptFile scriptFile;       // the running event's script
    QString windowText;                // the text window's whole text, as last drawn
    float screenUnit = 0;              // layout unit in 1/1440 inch

    // Controls.
    controls::Label* Lbl = nullptr;
    controls::Label* BakLbl = nullptr;
    std::array<controls::Label*, 2> Qst{};
    std::array<controls::Box*, 2> QstBak{};
    controls::Picture* Img = nullptr;
    controls::Picture* ImgFce = nullptr;
    controls::ScrollBar* Hscl = nullptr;
    controls::ScrollBar* HsclTim = nullptr;
    controls::Timer* TimIve = nullptr;
    controls::Timer* Bgm_Check = nullptr;

    sound::SoundModule sound;

    // Start-up, title and shutdown.
    void Form_Load();
    bool Form_Activate();
    void Form_Unload();

    // Event player.
    // Returns whether the event started: false when its script could not be opened and the game
    // went back to the title.
    bool IveStt(const QString& iventName, const QString& BMPFileName);
    void TimIve_Timer();
    void HsclTim_Change();
    void HsclTim_Scroll();
    void Lbl_Click();
    void Qstopn();

    // Story.
    void Img_MouseDown(int button);
    void Qst_Click(int index);
    void Qst_MouseDown(int index);
    void ImgFce_Click();
    // Carries on a story at a scene as the choice resolution starts it, with the counters and the
    // answer count it has reached there (character: the one met, or story::noCharacter). The
    // story author's preview; the game itself always starts at the title.
    void resumeStory(const std::array<quint8, 5>& counters, quint8 answers, const QString& event,
                     const QString& picture, int character);

    // Sound.
    void Hscl_Change();
    void Hscl_Scroll();
    void Bgm_Check_Timer();

    // True when the title picture could not be shown at start-up; the program then ends with 1.
    bool startupFailed() const { return startupFailed_; }
    // The window's outer size in pixels, frame included.
    QSize outerSize() const { return outerSize_; }

Q_SIGNALS:
    // The window's first frame has been painted.
    void firstPainted();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createDesignControls();
    controls::Label* createChoiceCaption(int index);
    controls::Box* createChoiceBox(int index);
    void connectHandlers();
    void wireKeysAndReaders();
    void sizeWindow(const window::Layout& layout);
    void fitFrame();
    void place(QWidget* control, const window::UnitRect& rect);
    void placeAll();
    void setFontName(QWidget* control, const QString& name);
    void setFontSize(QWidget* control, int points);
    bool showTitlePicture();
    bool showPicture(const QString& name);
    void toDescribe(controls::Picture* picture);
    void describeNewPictures();
    void showPictureLine(const QString& line);
    void endEvent();
    void readScriptLine();
    void scrollTextLines();
    void drawTextWindow();
    void drawSelector();
    void startScene(const QString& event, const QString& picture, int character);
    void showFace(int character);
    void reportStartupFailure();

    host::HostFacts& host_;
    host::RandomSource& random_;
    controls::MessageBox& messageBox_;
    controls::History* history_ = nullptr; // every line of this run, opened by H
    std::vector<std::pair<QWidget*, window::UnitRect>> placements_;
    QSize outerSize_;
    bool activated_ = false;
    bool startupFailed_ = false;
    bool painted_ = false;
    bool scriptReported_ = false;
    std::vector<controls::Picture*> picturesToDescribe_; // new pictures, described at the next line
};
