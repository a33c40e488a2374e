#include "platform/testing/ScriptedModalRunner.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

// A dialog with a field that the script fills before the run returns.
class NameDialog : public QDialog {
    Q_OBJECT
public:
    NameDialog() : edit(new QLineEdit(this)) {}
    QLineEdit* edit;
};

namespace platform {
namespace {

TEST(ScriptedModalRunnerTest, ReturnsScriptedResultsInOrderAfterFillingFields)
{
    ScriptedModalRunner runner;
    runner.Script(QDialog::Accepted, [](QDialog& dialog) {
        static_cast<NameDialog&>(dialog).edit->setText(QStringLiteral("tavik"));
    });
    runner.Script(7);

    NameDialog first;
    EXPECT_EQ(modalRunner().Run(first), QDialog::Accepted);
    EXPECT_EQ(first.edit->text(), QStringLiteral("tavik"));
    EXPECT_EQ(first.result(), QDialog::Accepted);

    QDialog second;
    EXPECT_EQ(modalRunner().Run(second), 7);
    // Nothing left in the script: the dialog counts as cancelled.
    QDialog third;
    EXPECT_EQ(modalRunner().Run(third), QDialog::Rejected);

    EXPECT_EQ(runner.Ran(), (std::vector<QString>{QStringLiteral("NameDialog"),
                                                 QStringLiteral("QDialog"), QStringLiteral("QDialog")}));
}

TEST(ScriptedModalRunnerTest, PutsThePreviousRunnerBack)
{
    ModalRunner* real = &modalRunner();
    {
        ScriptedModalRunner runner;
        EXPECT_EQ(&modalRunner(), &runner);
    }
    EXPECT_EQ(&modalRunner(), real);
}

TEST(RealModalRunnerTest, RunsANestedLoopUntilTheDialogEnds)
{
    QDialog dialog;
    bool shownWhileRunning = false;
    QTimer::singleShot(0, &dialog, [&] {
        shownWhileRunning = dialog.isVisible() && QApplication::activeModalWidget() == &dialog;
        dialog.done(3);
    });
    EXPECT_EQ(modalRunner().Run(dialog), 3);
    EXPECT_TRUE(shownWhileRunning);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace platform

#include "ModalRunnerTest.moc"
