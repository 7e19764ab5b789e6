#pragma once

// The window of the floor programs: the game's size and colour, at the centre of the screen, and
// the game's rectangles in pixels. Qt alone.
#include "host/host_facts.h"
#include "window/layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

inline QRect pixelRect(const window::UnitRect& rect, QSize inner) {
    const double unitX = inner.width() / window::innerUnitsWide;
    const double unitY = inner.height() / window::innerUnitsHigh;
    const QPoint topLeft(static_cast<int>(std::lround(rect.left * unitX)),
                         static_cast<int>(std::lround(rect.top * unitY)));
    const QPoint end(static_cast<int>(std::lround((rect.left + rect.width) * unitX)),
                     static_cast<int>(std::lround((rect.top + rect.height) * unitY)));
    return QRect(topLeft, end - QPoint(1, 1));
}

// Sizes, places and colours the window as the game's; returns its layout.
inline window::Layout makeFloorWindow(QWidget& window) {
    const host::QtHostFacts host;
    const window::Layout layout = window::computeLayout(host.screenHeightTwips());
    const QSize size(static_cast<int>(std::lround(layout.outerWidthTwips * host.pixelsPerTwip())),
                     static_cast<int>(std::lround(layout.outerHeightTwips * host.pixelsPerTwip())));
    window.setWindowTitle(QStringLiteral("ZOA"));
    window.setFixedSize(size);
    window.move(QGuiApplication::primaryScreen()->availableGeometry().center() -
                QPoint(size.width() / 2, size.height() / 2));
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, QColor(30, 0, 30));
    colours.setColor(QPalette::WindowText, QColor(70, 70, 70));
    window.setPalette(colours);
    return layout;
}
