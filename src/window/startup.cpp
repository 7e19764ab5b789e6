// Start-up, title and shutdown of the window.
#include "controls/box.h"
#include "controls/label.h"
#include "controls/message_box.h"
#include "controls/picture.h"
#include "controls/scroll_bar.h"
#include "controls/timer.h"
#include "host/host_facts.h"
#include "host/log.h"
#include "host/random_source.h"
#include "window/colors.h"
#include "window/fom.h"

#include <cstdio>

namespace {
const QString versionCaption = QStringLiteral("ZOA Ver") + QStringLiteral("1.00");
const QString popFont = QStringLiteral("HGP創英角ﾎﾟｯﾌﾟ体");
const QString gothicFont = QStringLiteral("ＭＳ ゴシック");
} // namespace

void Fom::Form_Load() {
    random_.seedFromClock();
    basePath = host_.programFolder();
    if (!basePath.endsWith(QLatin1Char('/'))) {
        basePath += QLatin1Char('/');
    }
    dat1Path = basePath + QStringLiteral("dat1/");
    dat2Path = basePath + QStringLiteral("dat2/");

    sound.BgmOpn(sound::musicFile);
    sound.BgmStt();

    QstBak[1] = createChoiceBox(1);
    Qst[1] = createChoiceCaption(1);

    const window::Layout layout = window::computeLayout(host_.screenHeightTwips());
    screenUnit = layout.screenUnit;
    sizeWindow(layout);

    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, colors::windowBack);
    setPalette(background);

    place(BakLbl, layout.versionLabel);
    BakLbl->lower();
    BakLbl->setTextColor(colors::versionText);
    BakLbl->setCaption(versionCaption);
    setFontSize(BakLbl, layout.versionFontSize);
    setFontName(BakLbl, popFont);

    place(Lbl, layout.textWindow);
    setFontSize(Lbl, layout.textFontSize);
    Lbl->setTextColor(colors::typedText);
    Lbl->setCaption(QString());
    setFontName(Lbl, gothicFont);

    place(Hscl, layout.selector);
    place(HsclTim, layout.speedSlider);
    HsclTim->setValue(100);
    TimIve->setInterval(HsclTim->value());

    place(ImgFce, layout.facePicture);
    place(Img, layout.mainPicture);

    for (int i = 0; i < 2; ++i) {
        place(Qst[i], layout.choiceCaption[i]);
        setFontSize(Qst[i], layout.choiceFontSize);
        setFontName(Qst[i], gothicFont);
        place(QstBak[i], layout.choiceBox[i]);
        QstBak[i]->hide();
        Qst[i]->hide();
        QstBak[i]->raise();
        Qst[i]->raise();
    }
    // Scroll bars are windows of their own in the game's design: always above the other controls.
    Hscl->raise();
    HsclTim->raise();
    Hscl->setFocus();
    host::trace(QStringLiteral("load"));
}

bool Fom::Form_Activate() {
    TimIve->setEnabled(false);
    ImgFce->hide();
    Img->setEnabled(true);
    const bool shown = showTitlePicture();
    host::trace(QStringLiteral("title"));
    return shown;
}

// Reads the title picture afresh; when it cannot be read, Img keeps what it showed.
bool Fom::showTitlePicture() {
    const QString path = dat2Path + QStringLiteral("opn.bmp");
    if (Img->load(path)) {
        return true;
    }
    host::contentWarning(QStringLiteral("cannot read the title picture %1").arg(path));
    return false;
}

void Fom::reportStartupFailure() {
    startupFailed_ = true;
    const QString path = dat2Path + QStringLiteral("opn.bmp");
    const QString message = QStringLiteral("ZOA cannot start: the title picture %1 is missing or "
                                           "is not a readable picture.")
                                .arg(path);
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    messageBox_.show(message);
}

void Fom::Form_Unload() {
    sound.BgmCls();
    host::trace(QStringLiteral("unload"));
}
