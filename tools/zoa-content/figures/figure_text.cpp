#include "figures/figure_text.h"

#include <algorithm>
#include <cmath>

namespace content {

QString readableFigure(double value) {
    if (value == 0) {
        return QStringLiteral("0");
    }
    // Rounded first, so that 99.996 counts as 100.0 when the decimals are chosen.
    const double rounded = QString::number(value, 'g', 4).toDouble();
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
    // Below a ten-thousandth, two digits tell a value as well as four, in fewer zeros.
    const int digits = magnitude < -4 ? 2 : 4;
    return QString::number(QString::number(value, 'g', digits).toDouble(), 'f',
                           std::max(0, digits - 1 - magnitude));
}

QString percent(double share) {
    return readableFigure(100 * share) + QLatin1Char('%');
}

} // namespace content
