// The lobby page: "app:" links stay in the application, others navigate.
#include "lobby/HtmlCtrl.h"

#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class RecordingHtmlCtrl : public CHtmlCtrl {
public:
    QStringList commands;

protected:
    void OnAppCmd(const QString& address) override { commands << address; }
};

TEST(HtmlCtrl, AppLinksInAnyCaseAreCancelledAndHandedOn)
{
    struct Case {
        const char* name;
        QString address;
        bool cancelled;
        QString command;
    };
    const Case cases[] = {
        {"lower case", "app:lobby", true, "lobby"},
        {"upper case", "APP:lobby", true, "lobby"},
        {"mixed case", "aPp:Room?id=3", true, "Room?id=3"},
        {"empty command", "app:", true, ""},
        {"other scheme", "http://example.org/", false, {}},
        {"prefix not at the start", "x-app:lobby", false, {}},
        {"shorter than the prefix", "app", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingHtmlCtrl html;
        EXPECT_EQ(html.OnBeforeNavigate2(c.address), c.cancelled);
        EXPECT_EQ(html.commands, c.cancelled ? QStringList{c.command} : QStringList{});
    }
}

TEST(HtmlCtrl, FollowingAnAppLinkKeepsThePageAndOtherLinksNavigate)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.html");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<p>second page</p>");
    file.close();

    RecordingHtmlCtrl html;
    const QString before = html.toPlainText();
    html.setSource(QUrl("APP:lobby"));
    EXPECT_EQ(html.commands, QStringList{"lobby"});
    EXPECT_EQ(html.toPlainText(), before);

    html.setSource(QUrl::fromLocalFile(path));
    EXPECT_EQ(html.source(), QUrl::fromLocalFile(path));
    EXPECT_EQ(html.toPlainText(), "second page");
}

TEST(HtmlCtrl, TakesThePlaceAndIdOfTheStatic)
{
    QWidget parent;
    auto* placeholder = new QLabel(&parent);
    placeholder->setObjectName("1006");
    placeholder->setGeometry(205, 105, 590, 490);
    QPointer<QLabel> watch(placeholder);
    CHtmlCtrl html;
    EXPECT_FALSE(html.CreateFromStatic(1007, &parent));
    ASSERT_TRUE(html.CreateFromStatic(1006, &parent));
    EXPECT_TRUE(watch.isNull()) << "the static is destroyed";
    EXPECT_EQ(html.parentWidget(), &parent);
    EXPECT_EQ(html.geometry(), QRect(205, 105, 590, 490));
    EXPECT_EQ(html.objectName(), "1006");
    EXPECT_FALSE(html.isHidden());
}

} // namespace
