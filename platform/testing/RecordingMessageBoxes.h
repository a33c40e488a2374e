#pragma once
// Test message boxes: every box is recorded in order and answered from a script
// (OK when the script is empty). Installs itself while it lives.
#include "platform/MessageBoxes.h"

#include <deque>
#include <vector>

namespace platform {

class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Box {
        QString text;
        QString caption;
        BoxIcon icon;
        BoxButtons buttons;
    };

    RecordingMessageBoxes();
    ~RecordingMessageBoxes() override;
    RecordingMessageBoxes(const RecordingMessageBoxes&) = delete;
    RecordingMessageBoxes& operator=(const RecordingMessageBoxes&) = delete;

    BoxAnswer Show(QWidget* parent, const QString& text, const QString& caption, BoxIcon icon,
                   BoxButtons buttons) override;

    void ScriptAnswer(BoxAnswer answer) { answers_.push_back(answer); }
    const std::vector<Box>& Boxes() const { return boxes_; }
    // The texts shown so far, in order.
    QStringList Texts() const;
    void Clear() { boxes_.clear(); }

private:
    std::vector<Box> boxes_;
    std::deque<BoxAnswer> answers_;
    MessageBoxes* previous_;
};

} // namespace platform
