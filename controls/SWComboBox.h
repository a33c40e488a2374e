#pragma once
// The chat's receiver box: a drop-down combo box painted flat, with a filled triangle
// on its drop button and lighter colours while the mouse is over it.
#include <QComboBox>

class CSWComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CSWComboBox(QWidget* parent = nullptr);

    bool Hovered() const { return hover_; }
    // Width of the drop button: the width of a scroll bar.
    int DropButtonWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hover_ = false;
};
