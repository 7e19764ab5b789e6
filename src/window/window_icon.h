#pragma once

#include <QIcon>
#include <QImage>

namespace window {

// The game's own icon, drawn at any square size: a "Z" over a dusk-purple tile.
QImage drawIconImage(int size);
QIcon windowIcon();

} // namespace window
