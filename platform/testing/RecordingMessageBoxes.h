#pragma once
// Test message boxes: every box is recorded in order and answered from a script
// (OK when the script is empty). Installs itself while it lives.
#include "platform/MessageBoxes.h"

#include <deque>
#include <functional>
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
    // Runs `whileOpen` while each box is open, as the box's nested loop runs timers and
    // network messages (advance the manual clock in it). A box opened meanwhile is
    // recorded and answered at once, so a timer that fires again cannot nest for ever.
    // Scripted answers go to the boxes in the order they close.
    void SetWhileOpen(std::function<void(const Box&)> whileOpen) { whileOpen_ = std::move(whileOpen); }
    const std::vector<Box>& Boxes() const { return boxes_; }
    // The texts shown so far, in order.
    QStringList Texts() const;
    void Clear() { boxes_.clear(); }

private:
    std::vector<Box> boxes_;
    std::deque<BoxAnswer> answers_;
    std::function<void(const Box&)> whileOpen_;
    bool open_ = false;
    MessageBoxes* previous_;
};

} // namespace platform
