#include "platform/testing/RecordingMessageBoxes.h"

#include <QStringList>

namespace platform {

RecordingMessageBoxes::RecordingMessageBoxes()
    : previous_(SetMessageBoxes(this))
{
}

RecordingMessageBoxes::~RecordingMessageBoxes()
{
    SetMessageBoxes(previous_);
}

BoxAnswer RecordingMessageBoxes::Show(QWidget*, const QString& text, const QString& caption,
                                      BoxIcon icon, BoxButtons buttons)
{
    boxes_.push_back({text, caption, icon, buttons});
    if (whileOpen_ && !open_) {
        open_ = true;
        const Box shown = boxes_.back();
        whileOpen_(shown);
        open_ = false;
    }
    if (answers_.empty())
        return BoxAnswer::Ok;
    BoxAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

QStringList RecordingMessageBoxes::Texts() const
{
    QStringList texts;
    for (const Box& box : boxes_)
        texts << box.text;
    return texts;
}

} // namespace platform
