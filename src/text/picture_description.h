#pragma once

#include <QString>

namespace text {

// A picture's description, written by the story's author for those who hear the game rather than
// see it: a UTF-8 text file beside the picture with the picture's name and the suffix
// ".description" (dat2/harbour.description for dat2/harbour.bmp). Its lines, blanks at their ends
// and empty lines left out, are read as one text.
inline constexpr char descriptionSuffix[] = ".description";

// A description is a sentence or two; a larger file is read no further.
inline constexpr qint64 longestDescription = 4096;

// The description file that belongs to a picture file.
QString descriptionPath(const QString& picturePath);

// The description of a picture file, read from its first longestDescription bytes; empty when
// there is none.
QString readPictureDescription(const QString& picturePath);

} // namespace text
