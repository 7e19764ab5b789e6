#pragma once

namespace controls {

// Maps the design's Japanese font names to installed fonts that look alike, keeping the design
// names first in every font the game sets.
void installFontSubstitutes();

} // namespace controls
