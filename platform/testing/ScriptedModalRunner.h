#pragma once
// Test modal runs: each run returns the next scripted result (after an optional
// callback that may fill the dialog's fields), QDialog::Rejected once the script is
// used up, and records the dialog's class name. Installs itself while it lives.
#include "platform/ModalRunner.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace platform {

class ScriptedModalRunner : public ModalRunner {
public:
    ScriptedModalRunner();
    ~ScriptedModalRunner() override;
    ScriptedModalRunner(const ScriptedModalRunner&) = delete;
    ScriptedModalRunner& operator=(const ScriptedModalRunner&) = delete;

    int Run(QDialog& dialog) override;

    void Script(int result, std::function<void(QDialog&)> before = {});
    // Class names of the dialogs run so far, in order.
    const std::vector<QString>& Ran() const { return ran_; }

private:
    struct Step {
        int result;
        std::function<void(QDialog&)> before;
    };
    std::deque<Step> steps_;
    std::vector<QString> ran_;
    ModalRunner* previous_;
};

} // namespace platform
