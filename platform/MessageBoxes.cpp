#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

class RealMessageBoxes : public MessageBoxes {
public:
    BoxAnswer Show(QWidget* parent, const QString& text, const QString& caption, BoxIcon icon,
                   BoxButtons buttons) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(caption.isEmpty() ? QApplication::applicationDisplayName() : caption);
        box.setText(text);
        box.setIcon(ToQt(icon));
        switch (buttons) {
        case BoxButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case BoxButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case BoxButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        }
        switch (box.exec()) {
        case QMessageBox::Cancel: return BoxAnswer::Cancel;
        case QMessageBox::Yes: return BoxAnswer::Yes;
        case QMessageBox::No: return BoxAnswer::No;
        default: return BoxAnswer::Ok;
        }
    }

private:
    static QMessageBox::Icon ToQt(BoxIcon icon)
    {
        switch (icon) {
        case BoxIcon::Information: return QMessageBox::Information;
        case BoxIcon::Warning: return QMessageBox::Warning;
        case BoxIcon::Error: return QMessageBox::Critical;
        case BoxIcon::Question: return QMessageBox::Question;
        case BoxIcon::None: break;
        }
        return QMessageBox::NoIcon;
    }
};

MessageBoxes* current = nullptr;

} // namespace

MessageBoxes& messageBoxes()
{
    static RealMessageBoxes real;
    return current ? *current : real;
}

MessageBoxes* SetMessageBoxes(MessageBoxes* boxes)
{
    MessageBoxes* previous = current;
    current = boxes;
    return previous;
}

} // namespace platform
