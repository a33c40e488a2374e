#include "platform/ModalRunner.h"

#include <QDialog>

namespace platform {
namespace {

class RealModalRunner : public ModalRunner {
public:
    int Run(QDialog& dialog) override { return dialog.exec(); }
};

ModalRunner* current = nullptr;

} // namespace

ModalRunner& modalRunner()
{
    static RealModalRunner real;
    return current ? *current : real;
}

ModalRunner* SetModalRunner(ModalRunner* runner)
{
    ModalRunner* previous = current;
    current = runner;
    return previous;
}

} // namespace platform
