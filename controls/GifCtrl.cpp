#include "controls/GifCtrl.h"

#include "platform/Resources.h"

#include <QPainter>

CGifCtrl::CGifCtrl(QWidget* parent) : QPushButton(parent)
{
}

CGifCtrl::~CGifCtrl()
{
    // Joins the thread before the widget goes, so no picture arrives afterwards.
    animator_.reset();
    loaded_ = false;
}

bool CGifCtrl::Load(const QString& path)
{
    if (loaded_)
        return false;
    animator_ = std::make_unique<CGifAnimator>(this, [this](const QImage& picture) { Present(picture); });
    const QString file = platform::GameFilePath(path);
    if (file.isEmpty() || !animator_->ReadFile(file))
        return false;
    animator_->StartThread(Background(animator_->ScreenSize()));
    animator_->SetFrozen(false);
    // The control grows by 2 pixels each way, not to the picture's size: the picture
    // is drawn at (1,1) at its full size and clipped to the control.
    resize(width() + 2, height() + 2);
    loaded_ = true;
    return true;
}

void CGifCtrl::Play()
{
    if (loaded_)
        animator_->SetFrozen(false);
}

void CGifCtrl::Pause()
{
    if (loaded_)
        animator_->SetFrozen(true);
}

// What is on show under the control at the draw offset: the parent's rendering
// there, the frames being composed over it.
QImage CGifCtrl::Background(const QSize& screen) const
{
    QImage under(screen, QImage::Format_RGB32);
    under.fill(palette().color(QPalette::Window));
    if (QWidget* parent = parentWidget()) {
        QPainter painter(&under);
        painter.drawPixmap(0, 0, parent->grab(QRect(pos() + kDrawOffset, screen)));
    }
    return under;
}

void CGifCtrl::Present(const QImage& picture)
{
    shown_ = picture;
    update();
}

void CGifCtrl::paintEvent(QPaintEvent*)
{
    if (shown_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(kDrawOffset, shown_);
}
