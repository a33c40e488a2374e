#pragma once
// An arrow of the tab bar: its enabled or disabled image stretched over a button with
// rounded corners. A press tells the bar at once (WM_USER+12 with the arrow's id);
// a disabled arrow gets no mouse input and so tells nothing.
#include <QAbstractButton>
#include <QPixmap>

class CSpinButton : public QAbstractButton {
    Q_OBJECT
public:
    CSpinButton(int controlId, QWidget* parent = nullptr);

    void SetImages(const QPixmap& enabled, const QPixmap& disabled);
    int ControlId() const { return controlId_; }

signals:
    void Pressed(int controlId);  // WM_USER+12

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int controlId_;
    QPixmap enabled_;
    QPixmap disabled_;
};
