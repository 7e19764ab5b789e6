#include "checks/picture_shapes.h"

#include "checks/missing_files.h"
#include "controls/picture.h"
#include "window/fom.h"

#include <QFileInfo>
#include <QImageReader>

#include <cmath>

namespace content {

namespace {

// Shapes closer than this, as a share of the place's width to height, look the same.
constexpr double sameShape = 0.02;

struct Place {
    QString name;
    QSize size;
};

QString shapeProblem(const QSize& picture, const Place& place, int screenHeight) {
    const double placeRatio = double(place.size.width()) / place.size.height();
    const double ratio = double(picture.width()) / picture.height();
    if (std::fabs(ratio / placeRatio - 1) <= sameShape) {
        return {};
    }
    return QStringLiteral("a picture of %1×%2 pixels, stretched to fill the %3, which is %4×%5 on "
                          "a screen %6 pixels high: draw it in that shape")
        .arg(picture.width())
        .arg(picture.height())
        .arg(place.name)
        .arg(place.size.width())
        .arg(place.size.height())
        .arg(screenHeight);
}

} // namespace

QMap<QString, bool> shownPictures(const ContentFolder& folder, const StoryFigures& figures,
                                  const QStringList& named) {
    QMap<QString, bool> shown;
    shown.insert(folder.picture(QStringLiteral("opn")), false);
    for (const QString& path : named) {
        shown.insert(path, false);
    }
    for (const EventFigures& figure : figures.events) {
        if (severityWhenMissing(figure)) {
            if (!figure.event.picture.isEmpty()) {
                shown.insert(folder.picture(figure.event.picture), false);
            }
            if (!figure.event.face.isEmpty()) {
                shown.insert(folder.picture(figure.event.face), true);
            }
        }
    }
    return shown;
}

QList<Diagnostic> checkPictureShapes(const QMap<QString, bool>& shown, const GameWindows& windows) {
    const GameWindows::Window& largest = windows.windows().back();
    const Place main{QStringLiteral("main picture"), largest.fom->Img->size()};
    const Place face{QStringLiteral("face picture"), largest.fom->ImgFce->size()};
    QList<Diagnostic> diagnostics;
    for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
        const QSize size = QFileInfo(it.key()).isFile() ? QImageReader(it.key()).size() : QSize();
        const QString problem = size.isEmpty()
                                    ? QString()
                                    : shapeProblem(size, *it ? face : main, largest.screenHeight);
        if (!problem.isEmpty()) {
            diagnostics.append({it.key(), 0, 0, problem, Severity::Warning});
        }
    }
    return diagnostics;
}

} // namespace content
