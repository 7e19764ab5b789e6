#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

#include <functional>
#include <map>

namespace generator {

using SceneDrawer = std::function<void(QPainter&, const QRectF&)>;

// Every main picture by name (title, frame story, character scenes, answer scenes and the
// pictures the scripts switch to), drawn into the given square.
const std::map<QString, SceneDrawer>& sceneDrawers();

} // namespace generator
