#include "platform/testing/ScriptedModalRunner.h"

#include <QDialog>

namespace platform {

ScriptedModalRunner::ScriptedModalRunner()
    : previous_(SetModalRunner(this))
{
}

ScriptedModalRunner::~ScriptedModalRunner()
{
    SetModalRunner(previous_);
}

void ScriptedModalRunner::Script(int result, std::function<void(QDialog&)> before)
{
    steps_.push_back({result, std::move(before)});
}

int ScriptedModalRunner::Run(QDialog& dialog)
{
    ran_.push_back(QString::fromLatin1(dialog.metaObject()->className()));
    if (steps_.empty())
        return QDialog::Rejected;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    if (step.before)
        step.before(dialog);
    dialog.setResult(step.result);
    return step.result;
}

} // namespace platform
