#include "preview/finding_strip.h"

#include <QEvent>

namespace content {

namespace {
// Errors told in the strip; more are counted.
constexpr qsizetype linesShown = 4;
} // namespace

FindingStrip::FindingStrip(QWidget* window)
    : QLabel(window) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(6);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(150, 0, 0));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    window->installEventFilter(this);
    hide();
}

void FindingStrip::tell(const QList<Diagnostic>& findings) {
    QStringList lines;
    for (const Diagnostic& finding : findings) {
        if (finding.severity == Severity::Error) {
            lines.append(finding.toString());
        }
    }
    if (lines.isEmpty()) {
        hide();
        return;
    }
    if (lines.size() > linesShown) {
        const qsizetype more = lines.size() - linesShown + 1;
        lines = lines.first(linesShown - 1);
        lines.append(QStringLiteral("… and %1 more errors").arg(more));
    }
    setText(lines.join(QLatin1Char('\n')));
    fitToWindow();
    raise();
    QLabel::show();
}

bool FindingStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        fitToWindow();
    }
    return QLabel::eventFilter(watched, event);
}

// Across the window's whole width, at its bottom, as high as its text.
void FindingStrip::fitToWindow() {
    const QWidget* window = parentWidget();
    const int height = std::min(heightForWidth(window->width()), window->height() / 2);
    setGeometry(0, window->height() - height, window->width(), height);
}

} // namespace content
