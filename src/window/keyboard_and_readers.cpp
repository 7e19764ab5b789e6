// The keyboard and screen readers beside the mouse: what each control offers, the focus order,
// the window's keys and the history, wired once. Keys and accessible actions reach the handlers
// through the controls' own presses and clicks, in the order the mouse gives them. Names and
// descriptions are what a screen reader says of a control; the descriptions say what its keys do,
// the tooltips stay for the mouse.
#include "controls/history.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/scroll_bar.h"
#include "controls/window_keys.h"
#include "window/colors.h"
#include "window/fom.h"

#include <array>

void Fom::wireKeysAndReaders() {
    using controls::Offer;
    setAccessibleDescription(QStringLiteral("Return か Space で物語をはじめる。H で履歴"));
    Img->setOffer(Offer::Button);
    Img->setAccessibleName(QStringLiteral("物語をはじめる")); // while it starts a story
    Img->setAccessibleDescription(
        QStringLiteral("Return か Space ではじめる。メニューキーでクレジット"));
    ImgFce->setOffer(Offer::Button);
    ImgFce->setKind(QStringLiteral("顔"));
    ImgFce->setAccessibleDescription(QStringLiteral("Return で詩を見る"));
    Lbl->setOffer(Offer::TextWindow);
    Lbl->setAccessibleName(QStringLiteral("本文"));
    Lbl->setAccessibleDescription(QStringLiteral("Return でとばす。H で履歴"));
    for (int i = 0; i < 2; ++i) {
        Qst[i]->setOffer(Offer::Button); // named by its caption
        Qst[i]->setAccessibleDescription(QString::number(i + 1) +
                                         QStringLiteral(" か Return で答える"));
    }
    Hscl->setAccessibleName(QStringLiteral("次の場面"));
    Hscl->setAccessibleDescription(QStringLiteral("0 から 9、答えたときの値で次の場面が決まる"));
    HsclTim->setAccessibleName(QStringLiteral("文字の速さ"));
    HsclTim->setAccessibleDescription(QStringLiteral("1字あたりのミリ秒、大きいほどゆっくり"));

    // Screen order, the scroll bars first: down the right column, then the text window.
    const std::array<QWidget*, 7> focusOrder = {Hscl, HsclTim, ImgFce, Img, Qst[0], Qst[1], Lbl};
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    }

    history_ = new controls::History(Lbl);
    history_->setColors(colors::typedText, colors::windowBack);
    connect(Lbl, &controls::Label::wheeledUp, history_, &controls::History::open);

    using Keys = controls::WindowKeys;
    auto* keys = new Keys(this);
    keys->bind(Keys::pressKeys(), Img, Keys::Act::PressAndRelease);
    keys->bind(Keys::rightPressKeys(), Img, Keys::Act::PressRight);
    keys->bind(Keys::pressKeys(), Lbl, Keys::Act::PressAndRelease);
    keys->bind({Qt::Key_1}, Qst[0], Keys::Act::PressAndRelease);
    keys->bind({Qt::Key_2}, Qst[1], Keys::Act::PressAndRelease);
    keys->bind({Qt::Key_Up}, Qst[0], Keys::Act::Focus);
    keys->bind({Qt::Key_Down}, Qst[1], Keys::Act::Focus);
    keys->bind({Qt::Key_H, Qt::Key_PageUp}, [this] { history_->open(); });
}
