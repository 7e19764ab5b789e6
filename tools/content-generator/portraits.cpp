#include "portraits.h"

#include "painting.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace generator {

namespace {

const QColor skin(248, 220, 198);
const QColor skinShade(226, 186, 160);
const QColor outline(110, 70, 60);

// Maps the 100 by 100 design grid onto target.
void enterGrid(QPainter& p, const QRectF& target) {
    p.translate(target.topLeft());
    p.scale(target.width() / 100.0, target.height() / 100.0);
}

void shoulders(QPainter& p, const QColor& cloth) {
    QPainterPath path;
    path.moveTo(6, 101);
    path.cubicTo(8, 80, 28, 72, 50, 72);
    path.cubicTo(72, 72, 92, 80, 94, 101);
    path.closeSubpath();
    p.setPen(QPen(cloth.darker(150), 1.2));
    p.setBrush(cloth);
    p.drawPath(path);
}

void neckAndHead(QPainter& p, const QColor& face) {
    p.setPen(Qt::NoPen);
    p.setBrush(skinShade);
    p.drawRect(QRectF(43, 58, 14, 18));
    p.setPen(QPen(outline, 0.9));
    p.setBrush(face);
    p.drawEllipse(QPointF(30.5, 47), 3.5, 5);
    p.drawEllipse(QPointF(69.5, 47), 3.5, 5);
    p.drawEllipse(QPointF(50, 44), 20, 23);
}

void openEyes(QPainter& p, const QColor& iris) {
    for (const double x : {42.0, 58.0}) {
        p.setPen(QPen(outline, 0.8));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 47.5), 4.2, 4.8);
        p.setPen(Qt::NoPen);
        p.setBrush(iris);
        p.drawEllipse(QPointF(x, 48), 3.1, 3.9);
        p.setBrush(QColor(25, 20, 30));
        p.drawEllipse(QPointF(x, 48.4), 1.6, 2.2);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x - 1.2, 46.6), 1.1, 1.1);
        // Upper lash line.
        p.setPen(QPen(QColor(40, 30, 35), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(x - 4.6, 42.6, 9.2, 9), 20 * 16, 140 * 16);
    }
}

void brows(QPainter& p, const QColor& colour, double lift, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(37, 38 - lift, 10, 6), 30 * 16, 120 * 16);
    p.drawArc(QRectF(53, 38 - lift, 10, 6), 30 * 16, 120 * 16);
}

void noseMouthBlush(QPainter& p, bool open) {
    p.setPen(QPen(skinShade.darker(120), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 52), QPointF(49, 54.5));
    if (open) {
        QPainterPath mouth;
        mouth.moveTo(45.5, 58);
        mouth.quadTo(50, 64, 54.5, 58);
        mouth.closeSubpath();
        p.setPen(QPen(QColor(140, 60, 60), 0.8));
        p.setBrush(QColor(200, 90, 90));
        p.drawPath(mouth);
    } else {
        p.setPen(QPen(QColor(150, 70, 70), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(45.5, 54.5, 9, 5), 200 * 16, 140 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 130, 70));
    p.drawEllipse(QPointF(37.5, 54.5), 4, 2.4);
    p.drawEllipse(QPointF(62.5, 54.5), 4, 2.4);
}

void sou(QPainter& p) {
    const QColor hair(32, 44, 82);
    shoulders(p, QColor(43, 74, 138));
    // Coat buttons and lapels.
    p.setPen(QPen(QColor(30, 50, 100), 1));
    p.drawLine(QPointF(50, 76), QPointF(50, 101));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 200, 90));
    p.drawEllipse(QPointF(44, 90), 1.6, 1.6);
    p.drawEllipse(QPointF(56, 90), 1.6, 1.6);
    neckAndHead(p, skin);
    // Short hair with a spiky fringe.
    QPainterPath fringe;
    fringe.moveTo(29, 46);
    fringe.cubicTo(27, 22, 73, 22, 71, 46);
    fringe.lineTo(66, 36);
    fringe.lineTo(61, 41);
    fringe.lineTo(56, 34);
    fringe.lineTo(50, 40);
    fringe.lineTo(44, 33);
    fringe.lineTo(39, 40);
    fringe.lineTo(34, 35);
    fringe.closeSubpath();
    p.setPen(QPen(hair.darker(140), 0.8));
    p.setBrush(hair);
    p.drawPath(fringe);
    openEyes(p, QColor(70, 120, 200));
    brows(p, hair, 1.5, 1.6);
    noseMouthBlush(p, false);
    // Keeper's cap: navy crown, dark band, black visor and a gold badge.
    p.setPen(QPen(QColor(20, 28, 60), 0.8));
    p.setBrush(QColor(40, 60, 120));
    p.drawEllipse(QRectF(24, 9, 52, 17));
    p.setBrush(QColor(24, 34, 70));
    p.drawRect(QRectF(30, 18, 40, 9));
    p.setBrush(QColor(15, 15, 25));
    p.drawChord(QRectF(30, 22, 42, 12), 180 * 16, 180 * 16);
    p.setBrush(QColor(240, 200, 80));
    p.drawEllipse(QPointF(50, 21.5), 2.6, 2.6);
    // Blue scarf around the neck, one end hanging.
    p.setPen(QPen(QColor(30, 110, 200), 0.8));
    p.setBrush(QColor(70, 160, 240));
    p.drawRoundedRect(QRectF(35, 66, 30, 10), 5, 5);
    p.drawRoundedRect(QRectF(55, 72, 9, 22), 3, 3);
}

void nagi(QPainter& p) {
    const QColor hair(176, 82, 104);
    // Long hair behind the head, down to the shoulders.
    QPainterPath back;
    back.moveTo(50, 18);
    back.cubicTo(20, 18, 22, 60, 16, 92);
    back.lineTo(84, 92);
    back.cubicTo(78, 60, 80, 18, 50, 18);
    p.setPen(QPen(hair.darker(140), 0.8));
    p.setBrush(hair);
    p.drawPath(back);
    shoulders(p, QColor(240, 122, 168));
    // White apron bib and straps.
    p.setPen(QPen(QColor(200, 190, 200), 0.8));
    p.setBrush(QColor(252, 248, 250));
    p.drawRect(QRectF(38, 84, 24, 17));
    p.drawRect(QRectF(33, 74, 5, 20));
    p.drawRect(QRectF(62, 74, 5, 20));
    neckAndHead(p, skin);
    // Side-swept fringe.
    QPainterPath fringe;
    fringe.moveTo(29, 50);
    fringe.cubicTo(25, 10, 75, 8, 71, 50);
    fringe.cubicTo(66, 40, 58, 34, 52, 33);
    fringe.cubicTo(46, 38, 38, 42, 29, 50);
    p.setPen(QPen(hair.darker(140), 0.8));
    p.setBrush(hair);
    p.drawPath(fringe);
    openEyes(p, QColor(150, 80, 60));
    brows(p, hair.darker(120), 0.5, 1.2);
    noseMouthBlush(p, true);
    // A small yellow flower pin above the right ear.
    paint::flower(p, QPointF(68, 30), 6, QColor(255, 220, 90), QColor(240, 140, 60));
    paint::flower(p, QPointF(74, 37), 4, QColor(255, 250, 250), QColor(250, 200, 80));
}

void toki(QPainter& p) {
    const QColor white(244, 242, 238);
    shoulders(p, QColor(250, 248, 240));
    // Brown vest over the shirt, amber bow tie.
    QPainterPath vest;
    vest.moveTo(14, 101);
    vest.cubicTo(16, 84, 28, 76, 40, 74);
    vest.lineTo(50, 96);
    vest.lineTo(60, 74);
    vest.cubicTo(72, 76, 84, 84, 86, 101);
    vest.closeSubpath();
    p.setPen(QPen(QColor(90, 55, 25), 0.8));
    p.setBrush(QColor(138, 90, 43));
    p.drawPath(vest);
    neckAndHead(p, QColor(240, 204, 172));
    QPainterPath tie;
    tie.moveTo(50, 75);
    tie.lineTo(41, 70);
    tie.lineTo(41, 80);
    tie.closeSubpath();
    tie.moveTo(50, 75);
    tie.lineTo(59, 70);
    tie.lineTo(59, 80);
    tie.closeSubpath();
    p.setBrush(QColor(214, 140, 40));
    p.drawPath(tie);
    // White tufts at the sides, a shiny top.
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawEllipse(QPointF(30, 38), 6, 9);
    p.drawEllipse(QPointF(70, 38), 6, 9);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(44, 27), 6, 3);
    // Smiling closed eyes behind round glasses.
    p.setPen(QPen(QColor(60, 40, 30), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(38, 45, 8, 6), 20 * 16, 140 * 16);
    p.drawArc(QRectF(54, 45, 8, 6), 20 * 16, 140 * 16);
    p.setPen(QPen(QColor(150, 110, 50), 1.2));
    p.drawEllipse(QPointF(42, 48), 6.5, 6.5);
    p.drawEllipse(QPointF(58, 48), 6.5, 6.5);
    p.drawLine(QPointF(48.5, 47), QPointF(51.5, 47));
    brows(p, white, 2.5, 2.6);
    // Beard and moustache.
    QPainterPath beard;
    beard.moveTo(31, 50);
    beard.cubicTo(32, 70, 42, 80, 50, 82);
    beard.cubicTo(58, 80, 68, 70, 69, 50);
    beard.cubicTo(62, 62, 38, 62, 31, 50);
    p.setPen(QPen(QColor(200, 198, 190), 0.8));
    p.setBrush(white);
    p.drawPath(beard);
    QPainterPath moustache;
    moustache.moveTo(50, 56);
    moustache.cubicTo(44, 52, 38, 55, 36, 59);
    moustache.cubicTo(42, 58, 46, 60, 50, 58);
    moustache.cubicTo(54, 60, 58, 58, 64, 59);
    moustache.cubicTo(62, 55, 56, 52, 50, 56);
    p.drawPath(moustache);
    p.setPen(QPen(skinShade.darker(130), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 51), QPointF(49, 54));
    // The loupe pushed up on the forehead.
    p.setPen(QPen(QColor(60, 40, 20), 1.4));
    p.drawLine(QPointF(31, 30), QPointF(69, 30));
    p.setPen(QPen(QColor(200, 150, 60), 1.2));
    p.setBrush(QColor(30, 30, 40));
    p.drawEllipse(QPointF(57, 29), 5, 5);
    p.setBrush(QColor(160, 200, 230));
    p.drawEllipse(QPointF(57, 29), 3, 3);
}

void shiori(QPainter& p) {
    const QColor hair(30, 52, 46);
    // Bob hair behind the head, cut straight at the jaw.
    QPainterPath back;
    back.moveTo(50, 17);
    back.cubicTo(24, 17, 22, 40, 24, 68);
    back.lineTo(76, 68);
    back.cubicTo(78, 40, 76, 17, 50, 17);
    p.setPen(QPen(hair.darker(140), 0.8));
    p.setBrush(hair);
    p.drawPath(back);
    shoulders(p, QColor(78, 150, 108));
    // White collar.
    QPainterPath collar;
    collar.moveTo(38, 74);
    collar.lineTo(50, 84);
    collar.lineTo(62, 74);
    collar.lineTo(56, 73);
    collar.lineTo(50, 78);
    collar.lineTo(44, 73);
    collar.closeSubpath();
    p.setPen(QPen(QColor(190, 200, 195), 0.7));
    p.setBrush(QColor(250, 250, 246));
    p.drawPath(collar);
    neckAndHead(p, skin);
    // Straight-cut fringe.
    QPainterPath fringe;
    fringe.moveTo(29, 44);
    fringe.cubicTo(27, 18, 73, 18, 71, 44);
    fringe.lineTo(70, 39);
    fringe.lineTo(30, 39);
    fringe.closeSubpath();
    p.setPen(QPen(hair.darker(140), 0.8));
    p.setBrush(hair);
    p.drawPath(fringe);
    openEyes(p, QColor(60, 140, 100));
    brows(p, hair, 0.0, 1.1);
    noseMouthBlush(p, false);
    // Green beret, worn aslant.
    p.save();
    p.translate(48, 17);
    p.rotate(-12);
    p.setPen(QPen(QColor(30, 90, 60), 0.8));
    p.setBrush(QColor(63, 154, 106));
    p.drawEllipse(QRectF(-26, -8, 50, 16));
    p.drawRect(QRectF(-1, -12, 2.4, 5));
    p.restore();
    // The book she holds against her chest.
    p.setPen(QPen(QColor(90, 30, 30), 0.8));
    p.setBrush(QColor(150, 50, 50));
    p.drawRoundedRect(QRectF(30, 86, 40, 16), 1.5, 1.5);
    p.setPen(QPen(QColor(230, 190, 90), 1.0));
    p.drawLine(QPointF(34, 90), QPointF(66, 90));
    p.setPen(QPen(QColor(250, 240, 220), 2.5));
    p.drawLine(QPointF(31, 99), QPointF(69, 99));
}

void catHead(QPainter& p, QPointF centre, double scale) {
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    const QColor fur(24, 22, 32);
    // Ears with a purple inside.
    for (const int side : {-1, 1}) {
        QPainterPath ear;
        ear.moveTo(side * 22, -8);
        ear.lineTo(side * 20, -32);
        ear.lineTo(side * 4, -18);
        ear.closeSubpath();
        p.setPen(QPen(fur.lighter(250), 0.8));
        p.setBrush(fur);
        p.drawPath(ear);
        QPainterPath inner;
        inner.moveTo(side * 19, -11);
        inner.lineTo(side * 18.5, -26);
        inner.lineTo(side * 8, -17);
        inner.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 110, 190));
        p.drawPath(inner);
    }
    p.setPen(QPen(fur.lighter(250), 0.8));
    p.setBrush(fur);
    p.drawEllipse(QPointF(0, 0), 27, 23);
    // Yellow eyes with slit pupils.
    for (const int side : {-1, 1}) {
        const QPointF eye(side * 11, -1);
        paint::glow(p, eye, 10, QColor(255, 220, 80, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 214, 60));
        p.drawEllipse(eye, 6.5, 7.5);
        p.setBrush(QColor(10, 10, 10));
        p.drawEllipse(eye, 1.6, 6.2);
        p.setBrush(Qt::white);
        p.drawEllipse(eye + QPointF(-2.2, -2.6), 1.4, 1.4);
    }
    // Nose, mouth, whiskers.
    QPainterPath nose;
    nose.moveTo(-3, 8);
    nose.lineTo(3, 8);
    nose.lineTo(0, 11);
    nose.closeSubpath();
    p.setBrush(QColor(220, 130, 170));
    p.drawPath(nose);
    p.setPen(QPen(QColor(150, 150, 160), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-6, 9, 6, 5), 180 * 16, 180 * 16);
    p.drawArc(QRectF(0, 9, 6, 5), 180 * 16, 180 * 16);
    for (const int side : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(side * 12, 9 + i * 2.5), QPointF(side * 34, 5 + i * 6));
        }
    }
    p.restore();
}

void scarfAndBell(QPainter& p, QRectF band) {
    p.setPen(QPen(QColor(80, 40, 130), 0.8));
    p.setBrush(QColor(130, 80, 200));
    p.drawRoundedRect(band, band.height() / 2, band.height() / 2);
    // A crescent-moon bell.
    const QPointF bell(band.center().x(), band.bottom() + band.height() * 0.5);
    p.setPen(Qt::NoPen);
    paint::glow(p, bell, band.height() * 1.2, QColor(255, 230, 120, 90));
    p.setBrush(QColor(250, 210, 80));
    p.drawEllipse(bell, band.height() * 0.6, band.height() * 0.6);
    p.setBrush(QColor(130, 80, 200));
    p.drawEllipse(bell + QPointF(band.height() * 0.3, -band.height() * 0.2), band.height() * 0.5,
                  band.height() * 0.5);
}

void yoru(QPainter& p) {
    const QColor fur(24, 22, 32);
    QPainterPath body;
    body.moveTo(14, 101);
    body.cubicTo(16, 80, 30, 66, 50, 66);
    body.cubicTo(70, 66, 84, 80, 86, 101);
    body.closeSubpath();
    p.setPen(QPen(fur.lighter(250), 0.8));
    p.setBrush(fur);
    p.drawPath(body);
    catHead(p, QPointF(50, 48), 1.0);
    scarfAndBell(p, QRectF(28, 69, 44, 9));
}

} // namespace

Look lookOf(int character) {
    switch (character) {
    case 0:
        return {QColor(58, 111, 216), QColor(190, 215, 250), QColor(24, 48, 110)};
    case 1:
        return {QColor(232, 96, 154), QColor(252, 212, 228), QColor(130, 40, 80)};
    case 2:
        return {QColor(206, 140, 48), QColor(250, 226, 180), QColor(110, 70, 20)};
    case 3:
        return {QColor(63, 154, 106), QColor(200, 236, 212), QColor(25, 80, 50)};
    default:
        return {QColor(122, 79, 192), QColor(215, 196, 245), QColor(60, 30, 110)};
    }
}

void drawBust(QPainter& p, int character, const QRectF& target) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    enterGrid(p, target);
    switch (character) {
    case 0:
        sou(p);
        break;
    case 1:
        nagi(p);
        break;
    case 2:
        toki(p);
        break;
    case 3:
        shiori(p);
        break;
    default:
        yoru(p);
        break;
    }
    p.restore();
}

void drawSittingCat(QPainter& p, const QRectF& target) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    enterGrid(p, target);
    const QColor fur(24, 22, 32);
    QPainterPath tail;
    tail.moveTo(66, 96);
    tail.cubicTo(96, 98, 98, 66, 86, 58);
    p.setPen(QPen(fur, 7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    QPainterPath body;
    body.moveTo(30, 100);
    body.cubicTo(20, 72, 34, 46, 50, 46);
    body.cubicTo(66, 46, 80, 72, 70, 100);
    body.closeSubpath();
    p.setPen(QPen(fur.lighter(250), 0.6));
    p.setBrush(fur);
    p.drawPath(body);
    catHead(p, QPointF(50, 34), 0.62);
    scarfAndBell(p, QRectF(38, 45, 24, 6));
    p.restore();
}

QImage facePicture(int character, int size) {
    QImage image(size, size, QImage::Format_RGB32);
    const Look look = lookOf(character);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient background(QPointF(size * 0.5, size * 0.4), size * 0.75);
    background.setColorAt(0, look.light);
    background.setColorAt(1, look.main);
    p.fillRect(image.rect(), background);
    // A pattern of the character's world behind the bust.
    QRandomGenerator random(static_cast<quint32>(40 + character));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const QPointF at(random.bounded(static_cast<double>(size)),
                         random.bounded(static_cast<double>(size) * 0.6));
        QColor tint = Qt::white;
        tint.setAlpha(60);
        p.setBrush(tint);
        const double r = size * (0.02 + random.bounded(0.03));
        switch (character) {
        case 1:
            paint::flower(p, at, r * 1.6, tint, QColor(255, 255, 255, 90));
            break;
        case 2:
            paint::clockFace(p, at, r * 1.5, random.bounded(12.0), QColor(255, 240, 210, 80),
                             QColor(255, 255, 255, 50));
            break;
        case 4:
            p.drawEllipse(at, r * 0.4, r * 0.4);
            break;
        default:
            p.drawEllipse(at, r, r);
            break;
        }
    }
    drawBust(p, character, QRectF(size * 0.02, size * 0.08, size * 0.96, size * 0.96));
    paint::frame(p, QRectF(image.rect()), look.dark);
    return image;
}

} // namespace generator
