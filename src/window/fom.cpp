#include "window/fom.h"

#include "controls/accessibility.h"
#include "controls/box.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/scroll_bar.h"
#include "controls/timer.h"
#include "host/host_facts.h"
#include "host/log.h"
#include "story/scene_selector.h"
#include "window/colors.h"
#include "window/window_icon.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

Fom::Fom(const GamePlatform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , sound(platform.media, platform.host)
    , host_(platform.host)
    , random_(platform.random)
    , messageBox_(platform.messageBox) {
    controls::offerToAssistiveTechnology(this);
    createDesignControls();
    connectHandlers();
    Form_Load();
    wireKeysAndReaders();
}

Fom::~Fom() = default;

// The window and its controls as designed, before the load handling changes them. Creation order
// is the stacking order, back to front.
void Fom::createDesignControls() {
    setWindowTitle(QStringLiteral("ZOA"));
    setWindowIcon(window::windowIcon());

    BakLbl = new controls::Label(this);
    BakLbl->setCaption(QStringLiteral("BakLbl"));
    ImgFce = new controls::Picture(this);
    Img = new controls::Picture(this);
    Lbl = new controls::Label(this);
    Lbl->setToolTip(QStringLiteral("クリックするとすっ飛ばし"));
    Lbl->setTextColor(Qt::white);
    Lbl->setFont(QFont(QStringLiteral("HG創英角ﾎﾟｯﾌﾟ体"), 9));
    QstBak[0] = createChoiceBox(0);
    Qst[0] = createChoiceCaption(0);
    QstBak[0]->show();
    Qst[0]->show();

    Hscl = new controls::ScrollBar(this);
    Hscl->setRange(0, story::selectorValues - 1);
    Hscl->setSingleStep(1);
    Hscl->setPageStep(5);
    Hscl->setValue(1);
    HsclTim = new controls::ScrollBar(this);
    HsclTim->setRange(1, 200);
    HsclTim->setSingleStep(10);
    HsclTim->setPageStep(50);
    HsclTim->setValue(3);
    setTabOrder(Hscl, HsclTim);

    TimIve = new controls::Timer(this);
    TimIve->setInterval(10);
    TimIve->setEnabled(true);
    Bgm_Check = new controls::Timer(this);
    Bgm_Check->setInterval(1000);
    Bgm_Check->setEnabled(true);
    // The watch may look a little late, with a typing tick at any speed, rather than wake the
    // program once more a second.
    Bgm_Check->setSlack(200);
}

// A choice caption as designed; element 1 is made from the same design at load.
controls::Label* Fom::createChoiceCaption(int index) {
    auto* caption = new controls::Label(this);
    caption->setCaption(QStringLiteral("Label1"));
    caption->setToolTip(QStringLiteral("くりっくみぃ"));
    caption->hide();
    connect(caption, &controls::Label::pressed, this, [this, index] { Qst_MouseDown(index); });
    connect(caption, &controls::Label::clicked, this, [this, index] { Qst_Click(index); });
    return caption;
}

controls::Box* Fom::createChoiceBox(int) {
    auto* box = new controls::Box(this);
    box->setBackColor(colors::choiceFill);
    box->setBorderColor(colors::choiceBorder);
    box->hide();
    return box;
}

void Fom::connectHandlers() {
    connect(Lbl, &controls::Label::clicked, this, &Fom::Lbl_Click);
    connect(Img, &controls::Picture::pressed, this, &Fom::Img_MouseDown);
    connect(ImgFce, &controls::Picture::clicked, this, &Fom::ImgFce_Click);
    connect(Hscl, &controls::ScrollBar::changed, this, [this](int value) {
        host::trace(QStringLiteral("selector ") + QString::number(value));
        Hscl_Change();
    });
    connect(Hscl, &controls::ScrollBar::scrolled, this, &Fom::Hscl_Scroll);
    connect(HsclTim, &controls::ScrollBar::changed, this, &Fom::HsclTim_Change);
    connect(HsclTim, &controls::ScrollBar::scrolled, this, &Fom::HsclTim_Scroll);
    connect(TimIve, &controls::Timer::tick, this, &Fom::TimIve_Timer);
    connect(Bgm_Check, &controls::Timer::tick, this, &Fom::Bgm_Check_Timer);
}

// Sets the window's outer size and centres it on the screen. The frame is not known before the
// window is shown, so the inner size starts as the outer size and shrinks once the frame is known.
void Fom::sizeWindow(const window::Layout& layout) {
    const double pixelsPerTwip = host_.pixelsPerTwip();
    outerSize_ = QSize(static_cast<int>(std::lround(layout.outerWidthTwips * pixelsPerTwip)),
                       static_cast<int>(std::lround(layout.outerHeightTwips * pixelsPerTwip)));
    setFixedSize(outerSize_);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(outerSize_.width() / 2, outerSize_.height() / 2));
    }
}

void Fom::fitFrame() {
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize inner = outerSize_ - frame;
    if (!frame.isNull() && size() != inner) {
        setFixedSize(inner);
    }
}

// Puts a control on its rectangle in the 17 by 10 units of the inner area. Edges are rounded
// separately, so neighbouring controls meet without gaps.
void Fom::place(QWidget* control, const window::UnitRect& rect) {
    auto found =
        std::find_if(placements_.begin(), placements_.end(),
                     [control](const auto& placement) { return placement.first == control; });
    if (found == placements_.end()) {
        placements_.emplace_back(control, rect);
    } else {
        found->second = rect;
    }
    const double unitX = width() / window::innerUnitsWide;
    const double unitY = height() / window::innerUnitsHigh;
    const int left = static_cast<int>(std::lround(rect.left * unitX));
    const int top = static_cast<int>(std::lround(rect.top * unitY));
    const int right = static_cast<int>(std::lround((rect.left + rect.width) * unitX));
    const int bottom = static_cast<int>(std::lround((rect.top + rect.height) * unitY));
    control->setGeometry(left, top, right - left, bottom - top);
}

void Fom::placeAll() {
    for (const auto& [control, rect] : placements_) {
        place(control, rect);
    }
}

void Fom::setFontName(QWidget* control, const QString& name) {
    QFont font = control->font();
    font.setFamily(name);
    control->setFont(font);
}

void Fom::setFontSize(QWidget* control, int points) {
    QFont font = control->font();
    font.setPointSize(std::max(points, 1));
    control->setFont(font);
}

void Fom::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitFrame();
    if (activated_) {
        return;
    }
    activated_ = true;
    if (!Form_Activate()) {
        reportStartupFailure();
    }
}

void Fom::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Fom::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeAll();
}

void Fom::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    fitFrame();
}

// The first paint ends the start-up; the trace marks it for start-up measurements.
void Fom::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        host::trace(QStringLiteral("painted"));
        Q_EMIT firstPainted();
    }
}
