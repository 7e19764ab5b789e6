#pragma once

#include <QString>

namespace content {

// The README.txt of a new story, in Japanese and English: which file is which and the five steps
// from a new folder to a story of one's own.
QString newStoryReadme();

} // namespace content
