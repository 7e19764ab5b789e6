#pragma once

#include <QString>
#include <QStringView>

namespace content {

// What the game does with a line that its author evidently meant otherwise, and how to write it,
// as a finding's message; an empty text when the line reads as meant.

// A line typed as text that looks like a picture line or a choice marker: "IMG[...]", "Img[...]",
// a full-width "ｉｍｇ" or "＞", or blanks before "img" or ">".
QString typedAsTextSlip(QStringView line);

// A picture line whose picture name cannot be meant: cut short because the line does not end
// with the bracket that opens the name ("img[harbour" names "harbou"), or named with a file
// extension ("img[harbour.png]" looks for harbour.png.bmp).
QString pictureNameSlip(QStringView line, const QString& name);

} // namespace content
