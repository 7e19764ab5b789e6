#include "window/layout.h"

#include <cmath>

namespace window {

namespace {

float unitHundredth(float screenUnit) {
    return screenUnit / 100.0f;
}

UnitRect choiceCaptionRect(int index) {
    return {10.1, (5.1 + 2 * index) + 0.3, 6.5, 1.8};
}

// The box starts 0.3 above its caption and reaches 0.3 further to the right.
UnitRect choiceBoxRect(const UnitRect& caption) {
    return {caption.left, caption.top - 0.3, caption.width + 0.3, caption.height};
}

} // namespace

int versionFontSize(float screenUnit) {
    const float size = unitHundredth(screenUnit) * 5.0f;
    return static_cast<int>(std::floor(size));
}

int textFontSize(float screenUnit) {
    const double size = static_cast<double>(unitHundredth(screenUnit)) * 2.5;
    return static_cast<int>(std::floor(size));
}

int choiceFontSize(float screenUnit) {
    const float size = unitHundredth(screenUnit) * 2.0f;
    return static_cast<int>(std::floor(size));
}

Layout computeLayout(int screenHeightTwips) {
    Layout layout;
    layout.screenUnit = static_cast<float>(std::floor(screenHeightTwips / 25.0));
    const int unit = static_cast<int>(layout.screenUnit);
    layout.outerHeightTwips = unit * 10;
    layout.outerWidthTwips = unit * 17;
    layout.versionLabel = {0.1, 0.1, 9.8, 9.8};
    layout.versionFontSize = versionFontSize(layout.screenUnit);
    layout.textWindow = {0.1, 0.1, 9.8, 9.8};
    layout.textFontSize = textFontSize(layout.screenUnit);
    layout.selector = {10.1, 1.1, 2.8, 0.5};
    layout.speedSlider = {10.1, 2.1, 2.8, 0.5};
    layout.facePicture = {13.7, 0.2, 2.8, 2.8};
    layout.mainPicture = {10.1, 3.6, 5.8, 5.8};
    layout.choiceFontSize = choiceFontSize(layout.screenUnit);
    for (int i = 0; i < 2; ++i) {
        layout.choiceCaption[i] = choiceCaptionRect(i);
        layout.choiceBox[i] = choiceBoxRect(layout.choiceCaption[i]);
    }
    return layout;
}

} // namespace window
