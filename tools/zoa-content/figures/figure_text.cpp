#include "figures/figure_text.h"

#include <algorithm>
#include <cmath>

namespace content {

QString fourDigits(double value) {
    if (value == 0) {
        return QStringLiteral("0");
    }
    // Rounded first, so that 99.996 counts as 100.0 when the decimals are chosen.
    const double rounded = QString::number(value, 'g', 4).toDouble();
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
    if (magnitude < -4 || magnitude > 5) {
        return QString::number(rounded, 'e', 3);
    }
    return QString::number(rounded, 'f', std::max(0, 3 - magnitude));
}

QString percent(double share) {
    return fourDigits(100 * share) + QLatin1Char('%');
}

} // namespace content
