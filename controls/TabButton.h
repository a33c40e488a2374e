#pragma once
// One tab of the room tab bar: a caption over a stretched tab image with a border
// open at the bottom while active, its two top corners cut off. A press on an
// inactive tab makes it active and tells the bar (WM_USER+10); a double-click asks
// the bar to close it (WM_USER+11), unless a game runs in its room.
#include <QAbstractButton>
#include <QFont>
#include <QPixmap>

class CTabButton : public QAbstractButton {
    Q_OBJECT
public:
    CTabButton(int controlId, const QPixmap& inactiveImage, const QPixmap& activeImage, QWidget* parent);

    // Sizes the tab for its caption and cuts its corners.
    void Set(const QString& caption, int key, bool active);
    void SetActive(bool active);
    void SetGameFlag(bool flag) { gameFlag_ = flag; }

    int ControlId() const { return controlId_; }
    int Key() const { return key_; }
    QString Caption() const { return caption_; }
    bool IsActive() const { return active_; }
    bool GameFlag() const { return gameFlag_; }

    // len x 6 + 20 pixels, len being the caption's length in bytes.
    static int WidthFor(const QString& caption);
    static constexpr int kHeight = 20;
    static const QColor kInactiveBorder;
    static const QColor kActiveBorder;

signals:
    void Clicked(int controlId, int key);        // WM_USER+10
    void DoubleClicked(int controlId, int key);  // WM_USER+11

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int controlId_;
    QPixmap inactiveImage_;
    QPixmap activeImage_;
    QFont font_;
    QString caption_;
    int key_ = 0;
    bool active_ = true;
    bool gameFlag_ = false;
};
