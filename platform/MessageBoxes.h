#pragma once
// The message-box seam (AfxMessageBox / MessageBox). The program shows a modal
// QMessageBox with the exact text; tests install a RecordingMessageBoxes that keeps
// every text in order and answers with scripted buttons.
#include <QString>

class QWidget;

namespace platform {

enum class BoxIcon { None, Information, Warning, Error, Question };
enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows `text` modally (a nested loop: network messages go on being handled).
    // An empty caption means the application title.
    virtual BoxAnswer Show(QWidget* parent, const QString& text, const QString& caption = {},
                           BoxIcon icon = BoxIcon::None, BoxButtons buttons = BoxButtons::Ok) = 0;
};

MessageBoxes& messageBoxes();
MessageBoxes* SetMessageBoxes(MessageBoxes* boxes);

// Shorthand for the plain application message box with an OK button.
inline BoxAnswer MessageBox(const QString& text) { return messageBoxes().Show(nullptr, text); }

} // namespace platform
