#pragma once

#include <array>

namespace window {

// A rectangle in the window's own coordinates: the inner area is 17 units wide and 10 high.
struct UnitRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const UnitRect&) const = default;
};

inline constexpr double innerUnitsWide = 17;
inline constexpr double innerUnitsHigh = 10;

// Every number of the window's layout, computed once from the screen height.
struct Layout {
    float screenUnit = 0;    // in 1/1440 inch
    int outerWidthTwips = 0; // the window with its frame
    int outerHeightTwips = 0;
    int versionFontSize = 0; // BakLbl, points
    int textFontSize = 0;    // Lbl
    int choiceFontSize = 0;  // Qst(i)
    UnitRect versionLabel;
    UnitRect textWindow;
    UnitRect selector;
    UnitRect speedSlider;
    UnitRect facePicture;
    UnitRect mainPicture;
    std::array<UnitRect, 2> choiceCaption;
    std::array<UnitRect, 2> choiceBox;
};

Layout computeLayout(int screenHeightTwips);

// The whole-number font sizes: Int(q * 5) and Int(q * 2) in single precision and Int(q * 2.5) in
// double precision, where q is the screen unit / 100 in single precision.
int versionFontSize(float screenUnit);
int textFontSize(float screenUnit);
int choiceFontSize(float screenUnit);

} // namespace window
