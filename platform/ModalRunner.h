#pragma once
// The modal-dialog seam (DoModal): the program runs QDialog::exec with its nested
// loop; tests install a ScriptedModalRunner that returns scripted results.
class QDialog;

namespace platform {

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Runs `dialog` modally and returns its result code.
    virtual int Run(QDialog& dialog) = 0;
};

ModalRunner& modalRunner();
ModalRunner* SetModalRunner(ModalRunner* runner);

} // namespace platform
