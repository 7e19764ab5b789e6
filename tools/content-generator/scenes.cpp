#include "scenes.h"

#include "painting.h"
#include "portraits.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace generator {

namespace {

using namespace paint;

// Memories are shown through a pale, warm haze at the edges.
void memoryHaze(QPainter& p, const QRectF& r, const QColor& tint) {
    QRadialGradient haze(r.center(), r.width() * 0.75);
    QColor clear = tint;
    clear.setAlpha(0);
    QColor edge = tint;
    edge.setAlpha(190);
    haze.setColorAt(0.0, clear);
    haze.setColorAt(0.55, clear);
    haze.setColorAt(1.0, edge);
    p.fillRect(r, haze);
}

void nightSky(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, int stars,
              quint32 seed) {
    verticalGradient(p, r, top, bottom);
    QRandomGenerator random(seed);
    paint::stars(p, QRectF(r.left(), r.top(), r.width(), r.height() * 0.75), stars, random);
}

// ---- Title and frame story ----

void title(QPainter& p, const QRectF& r) {
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(10, 14, 44));
    sky.setColorAt(0.6, QColor(52, 36, 92));
    sky.setColorAt(1, QColor(118, 64, 110));
    p.fillRect(r, sky);
    QRandomGenerator random(1);
    stars(p, QRectF(0, 0, r.width(), r.height() * 0.7), 140, random);
    moon(p, QPointF(276, 40), 22, QColor(255, 240, 200));
    houses(p, QRectF(0, 230, r.width(), 90), 40, 100, QColor(26, 20, 48), QColor(255, 210, 120),
           random);
    glow(p, QPointF(160, 150), 120, QColor(255, 230, 180, 60));
    QFont big = serifFont(108, QFont::Black);
    big.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    shadowedText(p, QRectF(0, 70, r.width(), 140), QStringLiteral("ZOA"), big,
                 QColor(255, 244, 214));
    shadowedText(p, QRectF(0, 196, r.width(), 30), QStringLiteral("ゾア ― 夜の底の、灯りの町"),
                 gothicFont(16, QFont::Bold), QColor(255, 226, 240));
    shadowedText(p, QRectF(0, 288, r.width(), 24), QStringLiteral("クリックで はじまります"),
                 gothicFont(12), QColor(255, 255, 255, 200));
}

void station(QPainter& p, const QRectF& r) {
    nightSky(p, r, QColor(12, 20, 56), QColor(70, 60, 120), 90, 2);
    crescent(p, QPointF(262, 60), 22, QColor(255, 240, 190));
    QRandomGenerator random(3);
    houses(p, QRectF(0, 200, r.width(), 60), 30, 70, QColor(50, 44, 90), QColor(255, 214, 140),
           random);
    houses(p, QRectF(0, 236, r.width(), 40), 40, 95, QColor(30, 26, 60), QColor(255, 200, 110),
           random);
    // The platform, its yellow edge line and the rails below it.
    p.fillRect(QRectF(0, 250, r.width(), 70), QColor(70, 64, 80));
    p.fillRect(QRectF(0, 250, r.width(), 5), QColor(235, 200, 80));
    p.fillRect(QRectF(0, 255, r.width(), 3), QColor(40, 36, 50));
    p.setPen(QPen(QColor(90, 84, 100), 1));
    for (int x = 0; x < 320; x += 40) {
        p.drawLine(QPointF(x, 258), QPointF(x - 30, 320));
    }
    streetLamp(p, QPointF(262, 290), 90, QColor(255, 230, 150));
    // The station sign on two posts.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 50));
    p.drawRect(QRectF(52, 212, 5, 80));
    p.drawRect(QRectF(155, 212, 5, 80));
    p.setPen(QPen(QColor(40, 60, 110), 3));
    p.setBrush(QColor(248, 246, 236));
    p.drawRoundedRect(QRectF(34, 160, 144, 60), 6, 6);
    p.setPen(QColor(30, 40, 80));
    p.setFont(serifFont(30, QFont::Black));
    p.drawText(QRectF(34, 158, 144, 40), Qt::AlignCenter, QStringLiteral("ZOA"));
    p.setFont(gothicFont(13, QFont::Bold));
    p.drawText(QRectF(34, 192, 144, 24), Qt::AlignCenter, QStringLiteral("ゾ　ア"));
    glow(p, QPointF(106, 190), 90, QColor(255, 230, 150, 40));
}

void nightTrain(QPainter& p, const QRectF& r) {
    nightSky(p, r, QColor(8, 12, 40), QColor(40, 50, 100), 130, 4);
    moon(p, QPointF(70, 70), 26, QColor(255, 246, 215));
    QRandomGenerator random(5);
    water(p, QRectF(0, 230, r.width(), 90), QColor(30, 40, 90), QColor(8, 10, 30),
          QColor(255, 220, 150), random);
    // A viaduct of stone arches.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(34, 30, 50));
    p.drawRect(QRectF(0, 196, r.width(), 12));
    for (int x = -20; x < 340; x += 60) {
        QPainterPath pier;
        pier.addRect(x, 208, 60, 40);
        QPainterPath arch;
        arch.addEllipse(QRectF(x + 8, 214, 44, 60));
        p.drawPath(pier.subtracted(arch));
    }
    train(p, QPointF(18, 168), 92, 3, QColor(60, 90, 150), QColor(255, 226, 140));
    // Steam drifting back from the engine.
    for (int i = 0; i < 6; ++i) {
        glow(p, QPointF(36 + i * 22, 150 - i * 9), 16 + i * 3, QColor(230, 230, 240, 70 - i * 8));
    }
}

void departure(QPainter& p, const QRectF& r) {
    nightSky(p, r, QColor(6, 10, 36), QColor(60, 50, 110), 180, 6);
    // The track of light climbing into the stars, and the train on it.
    QPainterPath rail;
    rail.moveTo(-10, 262);
    rail.cubicTo(120, 250, 200, 170, 300, 40);
    p.setPen(QPen(QColor(255, 236, 170, 60), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rail);
    p.setPen(QPen(QColor(255, 244, 200, 200), 2));
    p.drawPath(rail);
    p.save();
    p.translate(212, 148);
    p.rotate(-50);
    train(p, QPointF(0, -14), 40, 3, QColor(70, 100, 170), QColor(255, 230, 150));
    p.restore();
    // The platform with five lights for the five who see the traveller off.
    p.fillRect(QRectF(0, 270, r.width(), 50), QColor(50, 46, 66));
    p.fillRect(QRectF(0, 270, r.width(), 4), QColor(235, 200, 80));
    for (int c = 0; c < characterCount; ++c) {
        const QPointF at(50 + c * 55, 296);
        const QColor colour = lookOf(c).main.lighter(130);
        QColor halo = colour;
        halo.setAlpha(140);
        glow(p, at, 24, halo);
        p.setPen(Qt::NoPen);
        p.setBrush(colour.lighter(140));
        p.drawEllipse(at, 5, 5);
    }
}

void morning(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(240, 228, 206));
    // The window and its morning sky.
    const QRectF pane(60, 40, 200, 180);
    QLinearGradient sky(pane.topLeft(), pane.bottomLeft());
    sky.setColorAt(0, QColor(150, 200, 245));
    sky.setColorAt(0.7, QColor(255, 220, 190));
    sky.setColorAt(1, QColor(255, 196, 150));
    p.fillRect(pane, sky);
    glow(p, QPointF(180, 200), 70, QColor(255, 250, 220, 230));
    QRandomGenerator random(7);
    houses(p, QRectF(pane.left(), 190, pane.width(), 30), 14, 34, QColor(170, 150, 170),
           QColor(255, 240, 210), random);
    p.setPen(QPen(QColor(150, 110, 80), 8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pane);
    p.drawLine(QPointF(pane.center().x(), pane.top()), QPointF(pane.center().x(), pane.bottom()));
    // Curtains.
    for (const int side : {-1, 1}) {
        QPainterPath curtain;
        const double x = side < 0 ? 40 : 280;
        curtain.moveTo(x, 20);
        curtain.lineTo(x + side * -50, 20);
        curtain.cubicTo(x + side * -30, 90, x + side * -44, 160, x + side * -20, 240);
        curtain.lineTo(x, 240);
        curtain.closeSubpath();
        p.setPen(QPen(QColor(220, 190, 200), 1));
        p.setBrush(QColor(250, 236, 240, 230));
        p.drawPath(curtain);
    }
    // The sill, a plant and the old ticket.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 125, 90));
    p.drawRect(QRectF(30, 228, 260, 14));
    p.setBrush(QColor(236, 226, 214));
    p.drawRect(QRectF(0, 242, 320, 78));
    p.setBrush(QColor(190, 100, 70));
    p.drawRect(QRectF(70, 204, 26, 24));
    p.setBrush(QColor(90, 160, 90));
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QPointF(74 + i * 5, 196 - (i % 2) * 6), 6, 10);
    }
    p.save();
    p.translate(190, 222);
    p.rotate(-8);
    p.setPen(QPen(QColor(170, 150, 110), 1));
    p.setBrush(QColor(250, 240, 210));
    p.drawRect(QRectF(0, -16, 64, 24));
    p.setPen(QColor(90, 60, 50));
    p.setFont(gothicFont(10, QFont::Bold));
    p.drawText(QRectF(0, -16, 64, 24), Qt::AlignCenter, QStringLiteral("ZOA 行"));
    p.restore();
    // Light falling across the room.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220, 60));
    QPainterPath beam;
    beam.moveTo(60, 220);
    beam.lineTo(260, 220);
    beam.lineTo(320, 320);
    beam.lineTo(20, 320);
    beam.closeSubpath();
    p.drawPath(beam);
}

// ---- Pictures the scripts switch to ----

void letter(QPainter& p, const QRectF& r) {
    // Wooden table.
    for (int i = 0; i < 8; ++i) {
        const QColor wood = QColor(150, 100, 62).lighter(95 + (i % 3) * 6);
        p.fillRect(QRectF(0, i * 40, r.width(), 40), wood);
        p.fillRect(QRectF(0, i * 40 + 38, r.width(), 2), QColor(110, 70, 40));
    }
    glow(p, QPointF(160, 150), 170, QColor(255, 230, 170, 90));
    // The envelope with its red seal.
    p.save();
    p.translate(160, 160);
    p.rotate(-6);
    p.setPen(QPen(QColor(190, 175, 140), 1.2));
    p.setBrush(QColor(252, 244, 222));
    p.drawRect(QRectF(-100, -62, 200, 124));
    QPainterPath flap;
    flap.moveTo(-100, -62);
    flap.lineTo(0, 10);
    flap.lineTo(100, -62);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 40, 50));
    p.drawEllipse(QPointF(0, 8), 14, 14);
    p.setBrush(QColor(220, 80, 90));
    p.drawEllipse(QPointF(-3, 5), 6, 6);
    p.setPen(QColor(60, 70, 110));
    p.setFont(gothicFont(15, QFont::Bold));
    p.drawText(QRectF(-90, 24, 180, 30), Qt::AlignCenter, QStringLiteral("ナギへ"));
    p.restore();
    // Forget-me-nots beside it.
    p.setPen(QPen(QColor(60, 120, 60), 2));
    p.drawLine(QPointF(250, 300), QPointF(270, 240));
    p.drawLine(QPointF(262, 264), QPointF(290, 250));
    for (const QPointF at :
         {QPointF(270, 236), QPointF(282, 244), QPointF(292, 250), QPointF(262, 246)}) {
        flower(p, at, 7, QColor(110, 160, 240), QColor(255, 230, 100));
    }
    // A paper boat.
    QPainterPath boat;
    boat.moveTo(20, 270);
    boat.lineTo(110, 270);
    boat.lineTo(92, 292);
    boat.lineTo(38, 292);
    boat.closeSubpath();
    boat.moveTo(40, 270);
    boat.lineTo(65, 226);
    boat.lineTo(90, 270);
    boat.closeSubpath();
    p.setPen(QPen(QColor(170, 170, 190), 1));
    p.setBrush(QColor(246, 246, 250));
    p.drawPath(boat);
}

void bridge(QPainter& p, const QRectF& r) {
    nightSky(p, r, QColor(14, 18, 60), QColor(90, 70, 130), 110, 8);
    moon(p, QPointF(160, 64), 24, QColor(255, 244, 210));
    QRandomGenerator random(9);
    houses(p, QRectF(0, 150, 90, 60), 40, 80, QColor(40, 34, 70), QColor(255, 220, 140), random);
    houses(p, QRectF(230, 150, 90, 60), 40, 80, QColor(40, 34, 70), QColor(255, 200, 170), random);
    water(p, QRectF(0, 210, r.width(), 110), QColor(40, 50, 110), QColor(10, 12, 40),
          QColor(255, 230, 170), random);
    // The lowered drawbridge: deck, railings and the two raised towers.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 44, 40));
    for (const double x : {40.0, 262.0}) {
        p.drawRect(QRectF(x, 118, 18, 100));
        p.drawRect(QRectF(x - 4, 112, 26, 8));
    }
    QPainterPath deck;
    deck.moveTo(0, 196);
    deck.quadTo(160, 180, 320, 196);
    deck.lineTo(320, 206);
    deck.quadTo(160, 190, 0, 206);
    deck.closeSubpath();
    p.setBrush(QColor(90, 64, 50));
    p.drawPath(deck);
    p.setPen(QPen(QColor(120, 90, 70), 1.5));
    for (int x = 10; x < 320; x += 16) {
        const double y = 196 - 16 * std::sin(std::numbers::pi * x / 320.0);
        p.drawLine(QPointF(x, y), QPointF(x, y - 14));
    }
    streetLamp(p, QPointF(92, 190), 46, QColor(255, 226, 150));
    streetLamp(p, QPointF(228, 190), 46, QColor(255, 226, 150));
    // Two people meeting in the middle: one in blue, one in pink.
    for (const auto& [x, colour] : {std::pair{150.0, lookOf(0).main}, {170.0, lookOf(1).main}}) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(x - 5, 162, 10, 20), 4, 4);
        p.setBrush(QColor(250, 224, 200));
        p.drawEllipse(QPointF(x, 157), 5, 5);
    }
    glow(p, QPointF(160, 168), 30, QColor(255, 240, 200, 80));
}

void book(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(40, 30, 28));
    glow(p, QPointF(230, 40), 220, QColor(255, 220, 150, 120));
    // The open book.
    QPainterPath left;
    left.moveTo(160, 92);
    left.cubicTo(120, 78, 60, 80, 24, 92);
    left.lineTo(24, 262);
    left.cubicTo(60, 250, 120, 250, 160, 264);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(160, 92);
    right.cubicTo(200, 78, 260, 80, 296, 92);
    right.lineTo(296, 262);
    right.cubicTo(260, 250, 200, 250, 160, 264);
    right.closeSubpath();
    p.setPen(QPen(QColor(200, 180, 150), 1));
    p.setBrush(QColor(250, 242, 222));
    p.drawPath(left);
    p.drawPath(right);
    // Lines of text on the left page.
    p.setPen(QPen(QColor(150, 140, 130), 2));
    for (int i = 0; i < 10; ++i) {
        const double x = 140 - i * 11;
        p.drawLine(QPointF(x, 104), QPointF(x, 236 - (i % 3) * 18));
    }
    // The little bird over the waves on the right page.
    QRectF picture(178, 104, 100, 130);
    p.fillRect(picture, QColor(200, 225, 245));
    p.setPen(QPen(QColor(70, 110, 170), 2));
    for (int row = 0; row < 3; ++row) {
        QPainterPath wave;
        const double y = 200 + row * 10;
        wave.moveTo(picture.left(), y);
        for (double x = picture.left(); x < picture.right(); x += 20) {
            wave.quadTo(x + 5, y - 6, x + 10, y);
            wave.quadTo(x + 15, y + 6, x + 20, y);
        }
        p.drawPath(wave);
    }
    p.setPen(QPen(QColor(160, 120, 40), 1));
    p.setBrush(QColor(250, 210, 70));
    p.drawEllipse(QPointF(228, 150), 14, 10);
    p.drawEllipse(QPointF(242, 142), 8, 8);
    QPainterPath wing;
    wing.moveTo(222, 146);
    wing.cubicTo(214, 120, 236, 118, 232, 148);
    p.drawPath(wing);
    p.setBrush(QColor(230, 120, 40));
    QPainterPath beak;
    beak.moveTo(249, 140);
    beak.lineTo(257, 143);
    beak.lineTo(249, 146);
    beak.closeSubpath();
    p.drawPath(beak);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(244, 140), 1.5, 1.5);
    // A green ribbon bookmark.
    p.setPen(Qt::NoPen);
    p.setBrush(lookOf(3).main);
    p.drawRect(QRectF(156, 250, 8, 56));
}

void pocketWatch(QPainter& p, const QRectF& r) {
    QRadialGradient velvet(r.center(), 230);
    velvet.setColorAt(0, QColor(120, 40, 60));
    velvet.setColorAt(1, QColor(40, 10, 24));
    p.fillRect(r, velvet);
    // Chain in a loose curve.
    p.setPen(QPen(QColor(230, 190, 90), 3, Qt::DotLine, Qt::RoundCap));
    QPainterPath chain;
    chain.moveTo(160, 78);
    chain.cubicTo(200, 10, 300, 40, 290, 140);
    chain.cubicTo(284, 220, 310, 270, 300, 310);
    p.drawPath(chain);
    // Open lid behind, the case, the face.
    p.setPen(QPen(QColor(150, 110, 40), 2));
    p.setBrush(QColor(200, 160, 70));
    p.drawEllipse(QPointF(110, 230), 62, 62);
    p.setBrush(QColor(230, 196, 100));
    p.drawRect(QRectF(150, 66, 20, 18));
    p.drawEllipse(QPointF(160, 66), 9, 9);
    clockFace(p, QPointF(160, 160), 84, 10.15, QColor(226, 186, 90), QColor(250, 246, 232));
    glow(p, QPointF(130, 120), 40, QColor(255, 255, 255, 80));
}

// ---- Character scenes ----

void lighthouse(QPainter& p, const QRectF& r) {
    nightSky(p, r, QColor(8, 20, 60), QColor(40, 80, 140), 100, 10);
    QRandomGenerator random(11);
    water(p, QRectF(0, 200, r.width(), 120), QColor(30, 70, 130), QColor(6, 18, 50),
          QColor(180, 220, 255), random);
    // The beam sweeping over the sea.
    QPainterPath beam;
    beam.moveTo(236, 66);
    beam.lineTo(0, 20);
    beam.lineTo(0, 110);
    beam.closeSubpath();
    QLinearGradient light(QPointF(236, 66), QPointF(0, 66));
    light.setColorAt(0, QColor(255, 250, 200, 170));
    light.setColorAt(1, QColor(255, 250, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPath(beam);
    // Rocks and the striped tower.
    p.setBrush(QColor(30, 34, 50));
    QPainterPath rocks;
    rocks.moveTo(170, 240);
    rocks.cubicTo(190, 200, 280, 196, 320, 210);
    rocks.lineTo(320, 250);
    rocks.closeSubpath();
    p.drawPath(rocks);
    QPainterPath tower;
    tower.moveTo(218, 210);
    tower.lineTo(226, 80);
    tower.lineTo(246, 80);
    tower.lineTo(254, 210);
    tower.closeSubpath();
    p.setBrush(QColor(245, 245, 240));
    p.drawPath(tower);
    p.save();
    p.setClipPath(tower);
    p.setBrush(QColor(200, 50, 50));
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(210, 100 + i * 40, 50, 18));
    }
    p.restore();
    p.setBrush(QColor(40, 40, 50));
    p.drawRect(QRectF(220, 74, 32, 6));
    p.drawRect(QRectF(226, 52, 20, 4));
    QPainterPath roof;
    roof.moveTo(222, 52);
    roof.lineTo(236, 38);
    roof.lineTo(250, 52);
    roof.closeSubpath();
    p.drawPath(roof);
    glow(p, QPointF(236, 64), 30, QColor(255, 250, 190, 220));
    p.setBrush(QColor(255, 250, 210));
    p.drawRect(QRectF(229, 56, 14, 18));
    drawBust(p, 0, QRectF(-10, 150, 190, 190));
}

void flowerShop(QPainter& p, const QRectF& r) {
    nightSky(p, r, QColor(50, 40, 100), QColor(230, 140, 150), 40, 12);
    QRandomGenerator random(13);
    water(p, QRectF(150, 200, 170, 120), QColor(80, 70, 130), QColor(30, 20, 60),
          QColor(255, 200, 210), random);
    // The raised drawbridge across the canal: two towers, the leaf standing up, its chains.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 60));
    p.drawRect(QRectF(196, 118, 14, 92));
    p.drawRect(QRectF(292, 118, 14, 92));
    p.drawRect(QRectF(192, 112, 118, 8));
    p.save();
    p.translate(214, 204);
    p.rotate(-78);
    p.setBrush(QColor(110, 76, 70));
    p.drawRect(QRectF(0, -6, 86, 12));
    p.setPen(QPen(QColor(80, 56, 50), 1));
    for (int x = 8; x < 86; x += 10) {
        p.drawLine(QPointF(x, -6), QPointF(x, 6));
    }
    p.restore();
    p.setPen(QPen(QColor(40, 30, 40), 1.2));
    p.drawLine(QPointF(299, 120), QPointF(232, 124));
    p.drawLine(QPointF(299, 120), QPointF(228, 150));
    // The shop: pink striped awning, window and buckets of flowers.
    p.setBrush(QColor(250, 236, 220));
    p.drawRect(QRectF(0, 90, 160, 230));
    for (int i = 0; i < 8; ++i) {
        p.setBrush(i % 2 ? QColor(255, 255, 255) : lookOf(1).main);
        QPainterPath stripe;
        stripe.moveTo(i * 22 - 6, 84);
        stripe.lineTo(i * 22 + 16, 84);
        stripe.lineTo(i * 22 + 18, 116);
        stripe.lineTo(i * 22 - 4, 116);
        stripe.closeSubpath();
        p.drawPath(stripe);
    }
    glow(p, QPointF(80, 170), 70, QColor(255, 230, 160, 140));
    p.setBrush(QColor(255, 236, 180));
    p.drawRect(QRectF(20, 130, 120, 70));
    // Bouquets on two shelves behind the glass.
    p.setBrush(QColor(200, 160, 120));
    p.drawRect(QRectF(20, 162, 120, 3));
    p.drawRect(QRectF(20, 194, 120, 3));
    for (int i = 0; i < 6; ++i) {
        flower(p, QPointF(32 + i * 19, 153), 6,
               i % 2 ? QColor(250, 120, 150) : QColor(255, 200, 90), QColor(255, 245, 200));
        flower(p, QPointF(30 + i * 20, 185), 6,
               i % 2 ? QColor(170, 140, 250) : QColor(250, 250, 250), QColor(255, 220, 120));
    }
    p.setPen(QPen(QColor(150, 100, 80), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(20, 130, 120, 70));
    p.drawLine(QPointF(80, 130), QPointF(80, 200));
    p.setPen(Qt::NoPen);
    // The shop's sign board above the awning.
    p.setPen(QPen(QColor(140, 60, 90), 2));
    p.setBrush(QColor(255, 246, 236));
    p.drawRoundedRect(QRectF(34, 56, 92, 24), 4, 4);
    p.setPen(QColor(190, 60, 110));
    p.setFont(gothicFont(14, QFont::Bold));
    p.drawText(QRectF(34, 56, 92, 24), Qt::AlignCenter, QStringLiteral("花　ナギ"));
    p.setPen(Qt::NoPen);
    const QColor petals[] = {QColor(250, 90, 120), QColor(255, 210, 80), QColor(250, 250, 250),
                             QColor(150, 120, 240), QColor(255, 150, 60)};
    for (int i = 0; i < 14; ++i) {
        flower(p, QPointF(14 + (i % 7) * 22, 216 + (i / 7) * 16), 7, petals[i % 5],
               QColor(255, 240, 150));
    }
    drawBust(p, 1, QRectF(140, 140, 190, 190));
}

void clockShop(QPainter& p, const QRectF& r) {
    // Wooden wall full of clocks, all showing different times.
    for (int i = 0; i < 10; ++i) {
        p.fillRect(QRectF(i * 32, 0, 32, r.height()),
                   QColor(120, 78, 44).lighter(95 + (i % 2) * 8));
    }
    glow(p, QPointF(160, 110), 200, QColor(255, 210, 120, 90));
    QRandomGenerator random(14);
    const QColor rims[] = {QColor(200, 150, 60), QColor(150, 90, 50), QColor(220, 200, 160),
                           QColor(110, 70, 40)};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 5; ++col) {
            const double radius = 16 + random.bounded(10.0);
            clockFace(p, QPointF(34 + col * 63 + (row % 2) * 14, 40 + row * 62), radius,
                      random.bounded(12.0), rims[(row + col) % 4], QColor(252, 246, 226));
        }
    }
    // A tall case clock with its pendulum.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 50, 26));
    p.drawRect(QRectF(268, 150, 44, 170));
    clockFace(p, QPointF(290, 172), 16, 3.5, QColor(220, 180, 80), QColor(252, 246, 226));
    p.setBrush(QColor(230, 190, 80));
    p.drawRect(QRectF(289, 192, 2, 60));
    p.drawEllipse(QPointF(290, 256), 7, 7);
    // The counter.
    p.setBrush(QColor(80, 46, 24));
    p.drawRect(QRectF(0, 268, 260, 52));
    p.setBrush(QColor(110, 66, 34));
    p.drawRect(QRectF(0, 262, 260, 8));
    drawBust(p, 2, QRectF(40, 110, 180, 180));
}

void library(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(34, 44, 38));
    // Shelves from wall to wall, books in many colours.
    QRandomGenerator random(15);
    const QColor spines[] = {QColor(160, 50, 50),  QColor(50, 90, 150),  QColor(60, 130, 90),
                             QColor(200, 160, 70), QColor(120, 70, 130), QColor(210, 200, 180)};
    for (int shelf = 0; shelf < 5; ++shelf) {
        const double base = 56 + shelf * 62;
        p.fillRect(QRectF(0, base, r.width(), 8), QColor(110, 76, 46));
        double x = 4;
        while (x < 316) {
            const double w = 8 + random.bounded(10.0);
            const double h = 34 + random.bounded(18.0);
            const QColor spine = spines[random.bounded(6)];
            p.fillRect(QRectF(x, base - h, w - 1, h), spine);
            p.fillRect(QRectF(x + 1, base - h + 6, w - 3, 2), spine.lighter(150));
            x += w;
        }
    }
    // A green lamp glowing on the left.
    glow(p, QPointF(50, 200), 110, QColor(255, 230, 160, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(lookOf(3).main);
    QPainterPath shade;
    shade.moveTo(26, 206);
    shade.lineTo(36, 186);
    shade.lineTo(64, 186);
    shade.lineTo(74, 206);
    shade.closeSubpath();
    p.drawPath(shade);
    p.setBrush(QColor(200, 170, 90));
    p.drawRect(QRectF(48, 206, 4, 40));
    drawBust(p, 3, QRectF(90, 120, 200, 200));
}

void rooftops(QPainter& p, const QRectF& r) {
    nightSky(p, r, QColor(30, 14, 60), QColor(110, 70, 160), 120, 16);
    moon(p, QPointF(200, 110), 70, QColor(255, 242, 210));
    QRandomGenerator random(17);
    houses(p, QRectF(0, 250, r.width(), 70), 30, 80, QColor(40, 24, 70), QColor(255, 210, 130),
           random);
    // The roof the cat sits on, with a chimney.
    QPainterPath roof;
    roof.moveTo(0, 320);
    roof.lineTo(0, 260);
    roof.lineTo(150, 214);
    roof.lineTo(320, 262);
    roof.lineTo(320, 320);
    roof.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(26, 16, 44));
    p.drawPath(roof);
    p.setPen(QPen(QColor(70, 50, 100), 1));
    for (int i = 1; i < 6; ++i) {
        p.drawLine(QPointF(0, 260 + i * 12), QPointF(150, 214 + i * 12));
        p.drawLine(QPointF(150, 214 + i * 12), QPointF(320, 262 + i * 12));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 36, 60));
    p.drawRect(QRectF(40, 200, 22, 50));
    drawSittingCat(p, QRectF(80, 86, 140, 140));
}

// ---- Memories (answer "a") ----

void redUmbrella(QPainter& p, const QRectF& r) {
    verticalGradient(p, r, QColor(120, 140, 160), QColor(70, 84, 100));
    QRandomGenerator random(20);
    p.setPen(QPen(QColor(220, 230, 240, 120), 1));
    for (int i = 0; i < 160; ++i) {
        const double x = random.bounded(340.0) - 10;
        const double y = random.bounded(320.0);
        p.drawLine(QPointF(x, y), QPointF(x - 4, y + 14));
    }
    // Wet street with ripples.
    p.fillRect(QRectF(0, 240, r.width(), 80), QColor(60, 70, 86));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 8; ++i) {
        const QPointF at(random.bounded(320.0), 256 + random.bounded(56.0));
        p.setPen(QPen(QColor(200, 210, 230, 110), 1));
        p.drawEllipse(at, 12, 3);
        p.drawEllipse(at, 6, 1.5);
    }
    // The red umbrella held by a grown-up over a small child.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 80));
    p.drawRoundedRect(QRectF(132, 142, 28, 98), 10, 10);
    p.drawEllipse(QPointF(146, 130), 12, 12);
    p.setBrush(QColor(90, 80, 110));
    p.drawRoundedRect(QRectF(172, 192, 20, 48), 7, 7);
    p.drawEllipse(QPointF(182, 182), 9, 9);
    QPainterPath canopy;
    canopy.moveTo(90, 128);
    canopy.cubicTo(100, 60, 220, 60, 232, 128);
    for (int i = 0; i < 5; ++i) {
        const double x0 = 232 - i * 28.4;
        canopy.quadTo(x0 - 14.2, 118, x0 - 28.4, 128);
    }
    canopy.closeSubpath();
    p.setBrush(QColor(210, 40, 50));
    p.drawPath(canopy);
    p.setPen(QPen(QColor(150, 20, 30), 1.5));
    p.drawLine(QPointF(161, 72), QPointF(161, 166));
    p.setPen(QPen(QColor(60, 60, 80), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(150, 160), QPointF(161, 166));
    // Its reflection on the street.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 40, 50, 70));
    p.drawEllipse(QRectF(110, 262, 100, 18));
    memoryHaze(p, r, QColor(255, 246, 230));
}

void piano(QPainter& p, const QRectF& r) {
    verticalGradient(p, r, QColor(250, 230, 200), QColor(200, 160, 120));
    glow(p, QPointF(220, 60), 160, QColor(255, 250, 230, 200));
    // Keys seen from above, leaning away.
    p.save();
    p.translate(160, 250);
    p.rotate(-10);
    p.setPen(QPen(QColor(120, 110, 100), 1));
    for (int i = -7; i < 7; ++i) {
        p.setBrush(QColor(252, 250, 244));
        p.drawRect(QRectF(i * 24, -40, 24, 110));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 26, 30));
    for (int i = -7; i < 7; ++i) {
        const int n = (i + 70) % 7;
        if (n == 2 || n == 6) {
            continue;
        }
        p.drawRect(QRectF(i * 24 + 16, -40, 15, 64));
    }
    p.setBrush(QColor(60, 30, 20));
    p.drawRect(QRectF(-180, -60, 360, 20));
    p.restore();
    // Two hands' worth of notes floating up.
    QFont notes = gothicFont(34, QFont::Bold);
    const QPointF places[] = {QPointF(60, 110), QPointF(120, 70), QPointF(190, 100),
                              QPointF(250, 60)};
    for (int i = 0; i < 4; ++i) {
        shadowedText(p, QRectF(places[i] - QPointF(30, 30), QSizeF(60, 60)),
                     i % 2 ? QStringLiteral("♪") : QStringLiteral("♫"), notes, QColor(120, 70, 60));
    }
    memoryHaze(p, r, QColor(255, 246, 230));
}

void ticket(QPainter& p, const QRectF& r) {
    verticalGradient(p, r, QColor(30, 40, 80), QColor(70, 60, 110));
    QRandomGenerator random(22);
    stars(p, r, 60, random);
    p.save();
    p.translate(160, 160);
    p.rotate(-12);
    const QRectF card(-120, -60, 240, 120);
    p.setPen(QPen(QColor(190, 170, 120), 1.5));
    p.setBrush(QColor(250, 240, 210));
    p.drawRoundedRect(card, 6, 6);
    p.setPen(QPen(QColor(200, 120, 110), 1));
    p.drawRect(card.adjusted(8, 8, -8, -8));
    p.setPen(QColor(80, 60, 60));
    p.setFont(gothicFont(13, QFont::Bold));
    p.drawText(QRectF(-110, -52, 220, 22), Qt::AlignCenter, QStringLiteral("夜行列車 乗車券"));
    p.setFont(serifFont(30, QFont::Black));
    p.drawText(QRectF(-110, -28, 220, 44), Qt::AlignCenter, QStringLiteral("ZOA 行"));
    p.setFont(gothicFont(11));
    p.drawText(QRectF(-110, 16, 220, 20), Qt::AlignCenter, QStringLiteral("お名前"));
    // The name on the ticket, smudged past reading.
    for (int i = 0; i < 7; ++i) {
        glow(p, QPointF(-40 + i * 13, 44), 12, QColor(90, 80, 130, 90));
    }
    // A punched hole.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 50, 90));
    p.drawEllipse(QPointF(96, -34), 6, 6);
    p.restore();
    memoryHaze(p, r, QColor(255, 246, 230));
}

void callingVoice(QPainter& p, const QRectF& r) {
    QLinearGradient dusk(r.topLeft(), r.bottomLeft());
    dusk.setColorAt(0, QColor(90, 70, 140));
    dusk.setColorAt(0.6, QColor(250, 150, 110));
    dusk.setColorAt(1, QColor(255, 210, 150));
    p.fillRect(r, dusk);
    glow(p, QPointF(160, 230), 90, QColor(255, 230, 170, 200));
    // The hill and the small figure on it, calling.
    QPainterPath hill;
    hill.moveTo(0, 320);
    hill.lineTo(0, 260);
    hill.cubicTo(100, 200, 220, 200, 320, 250);
    hill.lineTo(320, 320);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 50, 80));
    p.drawPath(hill);
    p.setBrush(QColor(40, 30, 60));
    p.drawRoundedRect(QRectF(154, 186, 14, 30), 5, 5);
    p.drawEllipse(QPointF(161, 180), 7, 7);
    p.drawRect(QRectF(166, 190, 14, 4));
    // Rings of the voice spreading toward us.
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 5; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 200 - i * 30), 2.5));
        p.drawArc(QRectF(161 - i * 30, 186 - i * 24, i * 60, i * 48), 200 * 16, 140 * 16);
    }
    memoryHaze(p, r, QColor(255, 246, 230));
}

void breakfast(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(246, 234, 210));
    // Morning light through a window, in slanting stripes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220, 120));
    for (int i = 0; i < 3; ++i) {
        QPainterPath stripe;
        stripe.moveTo(40 + i * 70, 0);
        stripe.lineTo(90 + i * 70, 0);
        stripe.lineTo(180 + i * 70, 320);
        stripe.lineTo(130 + i * 70, 320);
        stripe.closeSubpath();
        p.drawPath(stripe);
    }
    // Table cloth, plate and toast, cup with steam.
    p.setBrush(QColor(230, 120, 110));
    p.drawRect(QRectF(0, 200, 320, 120));
    p.setBrush(QColor(250, 250, 250, 90));
    for (int x = 0; x < 320; x += 32) {
        p.drawRect(QRectF(x, 200, 16, 120));
    }
    p.setBrush(QColor(252, 252, 250));
    p.drawEllipse(QRectF(50, 210, 140, 50));
    QPainterPath toast;
    toast.addRoundedRect(QRectF(84, 196, 72, 52), 14, 14);
    p.setBrush(QColor(190, 120, 50));
    p.drawPath(toast);
    p.setBrush(QColor(240, 200, 130));
    p.drawRoundedRect(QRectF(90, 202, 60, 40), 10, 10);
    p.setBrush(QColor(255, 240, 150));
    p.drawRect(QRectF(108, 214, 22, 14));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(214, 180, 50, 56), 8, 8);
    p.setPen(QPen(QColor(250, 250, 250), 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(270, 206), 12, 12);
    p.setPen(QPen(QColor(255, 255, 255, 160), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        QPainterPath steam;
        steam.moveTo(228 + i * 12, 172);
        steam.cubicTo(220 + i * 12, 150, 240 + i * 12, 140, 230 + i * 12, 116);
        p.drawPath(steam);
    }
    memoryHaze(p, r, QColor(255, 246, 230));
}

// ---- Wandering the town (answer "b") ----

void lanternMarket(QPainter& p, const QRectF& r) {
    nightSky(p, r, QColor(20, 16, 50), QColor(80, 40, 80), 60, 30);
    QRandomGenerator random(31);
    houses(p, QRectF(0, 200, r.width(), 80), 60, 120, QColor(40, 26, 50), QColor(255, 190, 110),
           random);
    p.fillRect(QRectF(0, 270, r.width(), 50), QColor(50, 36, 46));
    // Stalls with striped roofs.
    for (int i = 0; i < 3; ++i) {
        const double x = 10 + i * 106;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 60, 50));
        p.drawRect(QRectF(x + 4, 240, 84, 40));
        p.setBrush(i == 1 ? QColor(60, 120, 170) : QColor(190, 60, 60));
        p.drawRect(QRectF(x, 226, 92, 14));
        glow(p, QPointF(x + 46, 256), 40, QColor(255, 200, 120, 100));
    }
    // Strings of lanterns across the street.
    const QColor colours[] = {QColor(240, 80, 70), QColor(255, 190, 70), QColor(250, 130, 170),
                              QColor(120, 200, 140), QColor(140, 160, 250)};
    for (int row = 0; row < 2; ++row) {
        QPainterPath line;
        const double y = 70 + row * 70;
        line.moveTo(0, y);
        line.quadTo(160, y + 50, 320, y);
        p.setPen(QPen(QColor(30, 20, 30), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
        for (int i = 0; i < 8; ++i) {
            const double t = (i + 0.5) / 8.0;
            const QPointF at = line.pointAtPercent(t);
            lantern(p, at, 12, colours[(i + row * 2) % 5]);
        }
    }
}

void fogCanal(QPainter& p, const QRectF& r) {
    verticalGradient(p, r, QColor(70, 80, 110), QColor(140, 150, 170));
    QRandomGenerator random(32);
    houses(p, QRectF(0, 150, r.width(), 50), 40, 90, QColor(90, 96, 120), QColor(255, 230, 180),
           random);
    water(p, QRectF(0, 200, r.width(), 120), QColor(100, 110, 140), QColor(50, 56, 80),
          QColor(230, 235, 245), random);
    // A small boat with a lamp at its bow.
    QPainterPath boat;
    boat.moveTo(90, 240);
    boat.lineTo(230, 240);
    boat.quadTo(220, 262, 200, 264);
    boat.lineTo(116, 264);
    boat.quadTo(96, 262, 90, 240);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 44, 40));
    p.drawPath(boat);
    p.setPen(QPen(QColor(50, 40, 40), 2));
    p.drawLine(QPointF(220, 240), QPointF(224, 206));
    lantern(p, QPointF(224, 206), 10, QColor(255, 210, 120));
    fog(p, r, 14, random);
}

void clockTower(QPainter& p, const QRectF& r) {
    nightSky(p, r, QColor(16, 22, 60), QColor(70, 80, 130), 90, 33);
    QRandomGenerator random(34);
    houses(p, QRectF(0, 230, 110, 60), 40, 80, QColor(40, 36, 70), QColor(255, 214, 140), random);
    houses(p, QRectF(210, 230, 110, 60), 40, 80, QColor(40, 36, 70), QColor(255, 214, 140), random);
    // The tower and its great clock.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 80, 100));
    p.drawRect(QRectF(118, 80, 84, 200));
    QPainterPath spire;
    spire.moveTo(110, 82);
    spire.lineTo(160, 14);
    spire.lineTo(210, 82);
    spire.closeSubpath();
    p.setBrush(QColor(60, 60, 90));
    p.drawPath(spire);
    glow(p, QPointF(160, 130), 70, QColor(255, 240, 190, 110));
    clockFace(p, QPointF(160, 130), 34, 0.0, QColor(200, 170, 90), QColor(255, 248, 220));
    p.setBrush(QColor(40, 34, 50));
    p.drawRoundedRect(QRectF(146, 236, 28, 44), 12, 12);
    // Cobbled square.
    p.fillRect(QRectF(0, 280, r.width(), 40), QColor(80, 72, 84));
    p.setPen(QPen(QColor(60, 54, 64), 1));
    for (int row = 0; row < 4; ++row) {
        for (int x = (row % 2) * 10; x < 320; x += 20) {
            p.drawRoundedRect(QRectF(x, 282 + row * 10, 18, 8), 3, 3);
        }
    }
}

void moonSlope(QPainter& p, const QRectF& r) {
    nightSky(p, r, QColor(10, 16, 50), QColor(60, 80, 140), 80, 35);
    moon(p, QPointF(160, 70), 56, QColor(255, 246, 214));
    // Steps climbing toward the moon between houses.
    QPainterPath path;
    path.moveTo(100, 320);
    path.lineTo(150, 130);
    path.lineTo(170, 130);
    path.lineTo(220, 320);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 150));
    p.drawPath(path);
    p.setPen(QPen(QColor(80, 80, 110), 1.5));
    for (int i = 0; i < 14; ++i) {
        const double t = std::pow(i / 14.0, 1.6);
        const double y = 320 - t * 190;
        const double half = 60 - t * 50;
        p.drawLine(QPointF(160 - half, y), QPointF(160 + half, y));
    }
    QRandomGenerator random(36);
    for (const int side : {-1, 1}) {
        for (int i = 0; i < 4; ++i) {
            const double t = i / 4.0;
            const double w = 70 - t * 40;
            const double h = 90 - t * 40;
            const double x = side < 0 ? 90 + t * 80 - w : 230 - t * 80; // closer in further up
            const double base = 320 - t * 180;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 36, 70).lighter(100 + i * 15));
            p.drawRect(QRectF(x, base - h, w, h));
            p.setBrush(QColor(255, 214, 140));
            p.drawRect(QRectF(x + w * 0.3, base - h * 0.7, w * 0.2, h * 0.18));
            glow(p, QPointF(x + w * 0.4, base - h * 0.6), 14, QColor(255, 214, 140, 60));
        }
    }
    streetLamp(p, QPointF(92, 316), 70, QColor(255, 230, 160));
}

void stationBench(QPainter& p, const QRectF& r) {
    nightSky(p, r, QColor(12, 18, 50), QColor(50, 50, 90), 60, 37);
    p.fillRect(QRectF(0, 230, r.width(), 90), QColor(64, 60, 74));
    p.fillRect(QRectF(0, 230, r.width(), 4), QColor(235, 200, 80));
    streetLamp(p, QPointF(250, 270), 150, QColor(255, 230, 160));
    // The timetable board, blank.
    p.setPen(QPen(QColor(40, 40, 50), 4));
    p.setBrush(QColor(30, 40, 36));
    p.drawRect(QRectF(40, 60, 150, 110));
    p.setPen(QColor(240, 240, 220));
    p.setFont(gothicFont(14, QFont::Bold));
    p.drawText(QRectF(40, 64, 150, 24), Qt::AlignCenter, QStringLiteral("時刻表"));
    p.setPen(QPen(QColor(120, 130, 120), 1, Qt::DashLine));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(56, 100 + i * 18), QPointF(174, 100 + i * 18));
    }
    p.setPen(QPen(QColor(40, 40, 50), 4));
    p.drawLine(QPointF(115, 170), QPointF(115, 236));
    // The bench.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 86, 50));
    p.drawRect(QRectF(80, 244, 150, 10));
    p.drawRect(QRectF(80, 222, 150, 8));
    p.drawRect(QRectF(80, 234, 150, 6));
    p.setBrush(QColor(40, 40, 50));
    p.drawRect(QRectF(92, 254, 6, 26));
    p.drawRect(QRectF(212, 254, 6, 26));
    // A forgotten umbrella against it.
    p.setPen(QPen(QColor(200, 50, 60), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(236, 282), QPointF(252, 226));
}

} // namespace

const std::map<QString, SceneDrawer>& sceneDrawers() {
    static const std::map<QString, SceneDrawer> drawers = {
        {QStringLiteral("opn"), title},         {QStringLiteral("zoa"), station},
        {QStringLiteral("train"), nightTrain},  {QStringLiteral("name_end"), departure},
        {QStringLiteral("morning"), morning},   {QStringLiteral("letter"), letter},
        {QStringLiteral("bridge"), bridge},     {QStringLiteral("book"), book},
        {QStringLiteral("watch"), pocketWatch}, {QStringLiteral("char0"), lighthouse},
        {QStringLiteral("char1"), flowerShop},  {QStringLiteral("char2"), clockShop},
        {QStringLiteral("char3"), library},     {QStringLiteral("char4"), rooftops},
        {QStringLiteral("a_0"), redUmbrella},   {QStringLiteral("a_1"), piano},
        {QStringLiteral("a_2"), ticket},        {QStringLiteral("a_3"), callingVoice},
        {QStringLiteral("a_4"), breakfast},     {QStringLiteral("b_0"), lanternMarket},
        {QStringLiteral("b_1"), fogCanal},      {QStringLiteral("b_2"), clockTower},
        {QStringLiteral("b_3"), moonSlope},     {QStringLiteral("b_4"), stationBench},
    };
    return drawers;
}

} // namespace generator
