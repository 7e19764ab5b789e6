#pragma once

#include "checks/diagnostic.h"

#include <QLabel>
#include <QList>

namespace content {

// A strip the preview draws over the bottom of the game's window, above all its controls and
// apart from them, telling the errors of the last save: each one's file, line and message. It
// lets the mouse through to the game beneath, and is hidden while there is no error.
class FindingStrip : public QLabel {
    Q_OBJECT
public:
    explicit FindingStrip(QWidget* window);

    // Shows the errors among the findings, or hides the strip when there is none.
    void tell(const QList<Diagnostic>& findings);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToWindow();
};

} // namespace content
