#pragma once
// The strip above a room: a stretched bitmap with the room's name as "【name】".
#include "res/ResourceIds.h"

#include <QPixmap>
#include <QWidget>

class CTitleBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultBitmap = res::IDB_TITLE_STRIP;
    static constexpr int kMinimumHeight = 20;

    explicit CTitleBar(const QPixmap& bitmap = {});

    // Creates the strip as a visible child; a strip lower than 20 pixels moves to the
    // parent's top-left corner at 20 pixels high.
    void Create(const QRect& rect, QWidget* parent, int controlId, const QString& title);
    const QString& Title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap bitmap_;
    QString title_;
};
