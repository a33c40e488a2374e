#pragma once
// A static control of a dialog: text or picture; with the notify style a left button
// press reports a click, as STN_CLICKED does.
#include <QLabel>

namespace platform {

class StaticControl : public QLabel {
    Q_OBJECT
public:
    explicit StaticControl(QWidget* parent = nullptr) : QLabel(parent) {}

    void SetNotify(bool notify) { notify_ = notify; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool notify_ = false;
};

} // namespace platform
