#pragma once
// The room window's fold button: ">" folds the right-hand column away, "<" brings it back.
#include <QPushButton>

class CSplitButton : public QPushButton {
    Q_OBJECT
public:
    explicit CSplitButton(QWidget* parent = nullptr);

    bool Expanded() const { return state_ == 1; }

signals:
    void Fold();   // WM_USER+50
    void Unfold(); // WM_USER+51

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int state_ = 1;
};
