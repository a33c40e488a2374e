#pragma once
// A text label of the game dialogs: draws only its text, in its own font, colour and
// alignment, so the dialog's picture shows around and behind the letters. Setting
// the text does not repaint; callers repaint the label or its dialog.
#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <cstdint>

class CMyStatic : public QWidget {
    Q_OBJECT
public:
    explicit CMyStatic(QWidget* parent = nullptr);

    enum Align : uint8_t { kLeft = 0, kCentre = 1, kRight = 2 };

    void SetText(const QString& text) { text_ = text; }
    void SetTextColor(const QColor& colour) { colour_ = colour; }
    void SetFontHeight(uint8_t height) { fontHeight_ = height; }
    void SetFaceName(const QString& face) { face_ = face; }
    void SetAlign(uint8_t align) { align_ = align; }

    QString Text() const { return text_; }
    QColor TextColor() const { return colour_; }
    // Where the text starts: aligned by an estimate of half the font height per byte,
    // and at the left edge when the estimate does not fit or the alignment is unknown.
    int TextLeft() const;
    QFont Font() const;

    static const QColor kDefaultColour;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor colour_ = kDefaultColour;
    uint8_t fontHeight_ = 12;
    QString face_ = QStringLiteral("Arial");
    uint8_t align_ = kLeft;
};
