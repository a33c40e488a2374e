#include "platform/Messages.h"
#include "platform/testing/RecordingMessageBoxes.h"
#include "platform/testing/ScriptedModalRunner.h"

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TEST(RecordingMessageBoxes, RecordsTextsInOrderAndAnswersFromTheScript)
{
    platform::RecordingMessageBoxes boxes;
    boxes.ScriptAnswer(platform::BoxAnswer::Cancel);
    EXPECT_EQ(platform::messageBoxes().Show(nullptr, "一", "提示信息", platform::BoxIcon::Information,
                                            platform::BoxButtons::OkCancel),
              platform::BoxAnswer::Cancel);
    EXPECT_EQ(platform::MessageBox("二"), platform::BoxAnswer::Ok) << "an empty script answers OK";
    EXPECT_EQ(boxes.Texts(), (QStringList{"一", "二"}));
    EXPECT_EQ(boxes.Boxes()[0].caption, "提示信息");
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::BoxIcon::Information);
}

class NamedDialog : public QDialog {
    Q_OBJECT
};

TEST(ScriptedModalRunner, ReturnsScriptedResultsAfterLettingTheTestFillTheDialog)
{
    platform::ScriptedModalRunner runner;
    runner.Script(2, [](QDialog& d) { d.setObjectName("filled"); });
    NamedDialog dialog;
    EXPECT_EQ(platform::modalRunner().Run(dialog), 2);
    EXPECT_EQ(dialog.objectName(), "filled");
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(platform::modalRunner().Run(dialog), QDialog::Rejected) << "an empty script rejects";
    EXPECT_EQ(runner.Ran(), (std::vector<QString>{"NamedDialog", "NamedDialog"}));
}

TEST(PostMessage, RunsLaterInPostingOrderAndNeverOnADestroyedTarget)
{
    std::vector<int> order;
    QObject kept;
    auto gone = std::make_unique<QObject>();
    platform::PostMessage(&kept, [&] { order.push_back(1); });
    platform::PostMessage(gone.get(), [&] { order.push_back(99); });
    platform::PostMessage(&kept, [&] { order.push_back(2); });
    EXPECT_TRUE(order.empty()) << "posting does not run the handler at once";
    gone.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

} // namespace

#include "DialogSeamsTest.moc"
