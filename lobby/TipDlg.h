#pragma once
// The wait notice: a small captionless popup with one line of text, centred on the
// screen, shown and hidden again and again by the lobby session and the rooms.
#include <QColor>
#include <QDialog>
#include <QFont>

class CTipDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHeight = 12 * 3 + 8;
    static const QColor kFill;
    static const QColor kTextColour;

    explicit CTipDlg(QWidget* parent = nullptr);

    void ShowTip(const QString& text);
    void HideTip() { hide(); }
    const QString& Text() const { return text_; }
    // Where the text starts, for a client area `width` wide.
    static int TextX(int width, int textBytes) { return ((width - 40) - textBytes * 12 / 2) / 2 + 20; }

    // Enter and Esc do nothing here.
    void accept() override {}
    void reject() override {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QFont font_;
};
