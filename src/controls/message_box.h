#pragma once

#include <QString>

class QWidget;

namespace controls {

// A modal message box with a text, a single OK button, no icon and the application's name as title.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString& text) = 0;
};

// The platform's box: CR LF line breaks, OK only, plain text, no icon.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* owner = nullptr)
        : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    void show(const QString& text) override;

private:
    QWidget* owner_;
};

} // namespace controls
