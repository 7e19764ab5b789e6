#pragma once

#include "controls/clickable_widget.h"

#include <QImage>
#include <QPixmap>
#include <QString>

#include <optional>

namespace controls {

// A picture control: shows a loaded picture stretched to its rectangle. Disabled, it looks the
// same and only stops taking presses.
//
// A screen reader hears, while the picture takes presses and has an accessible name, that name
// (what a press does), then the key help and the picture's description; otherwise the
// description its author wrote (text/picture_description.h), or without one the kind of picture
// and the picture's own name ("顔 3"), then the key help while it takes presses.
class Picture : public ClickableWidget {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent);

    // Reads the picture file afresh. Returns false, keeping the picture shown, when the file is
    // missing or holds no readable picture.
    bool load(const QString& path);
    void clear();
    // The file of the picture shown, or empty when none is shown.
    const QString& fileName() const { return fileName_; }
    // The word read before the picture's own name when its author wrote no description.
    void setKind(const QString& kind) { kind_ = kind; }
    // The author's description of the picture shown, read when first asked for; empty if none.
    QString description() const;

    QString nameForReaders() const override;
    QString descriptionForReaders() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void scaleToSize();
    void setFileName(const QString& path);
    bool namedForItsPress() const { return isEnabled() && !accessibleName().isEmpty(); }

    QImage image_;
    QPixmap scaled_;
    QString fileName_;
    QString kind_;
    mutable std::optional<QString> description_; // read on demand: only readers ask
};

// Reads a picture file as the picture controls do; a null image when it cannot be read.
QImage readPicture(const QString& path);

} // namespace controls
