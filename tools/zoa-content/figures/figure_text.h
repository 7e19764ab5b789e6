#pragma once

#include <QString>

namespace content {

// A figure as people read it, never with an exponent: four significant digits, or two below a
// ten-thousandth: 20.00, 0.04219, 0.0000044.
QString readableFigure(double value);

// A share as a percentage with four significant digits: "54.84%".
QString percent(double share);

} // namespace content
