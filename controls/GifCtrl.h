#pragma once
// An animated GIF on a game dialog: an owner-drawn push button (so the dialog gets
// its clicks) whose face is the picture its animation thread composes.
#include "controls/GifAnimator.h"

#include <QImage>
#include <QPushButton>
#include <QString>

#include <memory>

class CGifCtrl : public QPushButton {
public:
    explicit CGifCtrl(QWidget* parent = nullptr);
    ~CGifCtrl() override;

    // Reads `path` (a game path such as "gif\\horse\\horse1.gif") and starts the
    // animation. One image per control for its whole life: a second call is refused.
    bool Load(const QString& path);
    void Play();
    void Pause();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage Background(const QSize& screen) const;
    void Present(const QImage& picture);

    std::unique_ptr<CGifAnimator> animator_;
    bool loaded_ = false;
    QImage shown_;
    // Where the logical screen is drawn in the control.
    static constexpr QPoint kDrawOffset{1, 1};
};
