#pragma once

#include <QString>

namespace content {

// A figure with four significant digits: 20.00, 0.04219, 1.331e-08.
QString fourDigits(double value);

// A share as a percentage with four significant digits: "54.84%".
QString percent(double share);

} // namespace content
