// The login dialog: its data exchange, its own checks and what it hands over.
#include "lobby/LoginDlg.h"
#include "platform/Screen.h"
#include "platform/testing/RecordingMessageBoxes.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <optional>

namespace {

class LoginDlgTest : public ::testing::Test {
protected:
    LoginDlgTest()
        : dlg(nullptr, [this](const LoginRecord& r) { handed = r; }, [this] { ++cancels; })
    {
        dlg.Show();
    }

    void Press(int controlId)
    {
        dlg.findChild<QPushButton*>(QString::number(controlId))->click();
        QCoreApplication::processEvents();
    }

    platform::RecordingMessageBoxes boxes;
    std::optional<LoginRecord> handed;
    int cancels = 0;
    CLoginDlg dlg;
};

TEST_F(LoginDlgTest, StartsWithTheDefaultsAndHandsThemOver)
{
    EXPECT_EQ(dlg.windowTitle(), "用户登陆");
    Press(1);
    ASSERT_TRUE(handed);
    EXPECT_EQ(handed->name.Str(), "tavik");
    EXPECT_EQ(handed->password.Str(), "tavik");
    EXPECT_EQ(handed->address.Str(), "127.0.0.1");
    EXPECT_EQ(handed->port, 8080u);
    EXPECT_FALSE(dlg.isVisible()) << "the dialog hides while the attempt runs";
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(LoginDlgTest, ShowCutsTheDialogOffAboveTheAddressAndCentresIt)
{
    EXPECT_LE(dlg.findChild<QPushButton*>("1")->geometry().bottom(), dlg.height());
    EXPECT_GE(dlg.AddressEdit()->geometry().top(), dlg.height()) << "the address edit is out of sight";
    EXPECT_GE(dlg.PortEdit()->geometry().top(), dlg.height());
    const QSize screen = platform::FullScreenSize();
    EXPECT_NEAR(dlg.x() + dlg.frameGeometry().width() / 2, screen.width() / 2, 1);
}

TEST_F(LoginDlgTest, CancelEndsTheProgramAndRegisterDoesNothing)
{
    Press(1000);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(cancels, 0);
    EXPECT_FALSE(handed);
    Press(2);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(cancels, 1);
    EXPECT_FALSE(handed);
}

struct InputCase {
    const char* name;
    QString player;
    QString password;
    QString address;
    QString port;
    QStringList texts;  // empty: handed over
};

const QString k20 = QStringLiteral("abcdefghijklmnopqrst");
const QString k21 = k20 + "u";
const QString k11Chinese = QStringLiteral("一二三四五六七八九十一");  // 22 bytes
const QString kRange = QStringLiteral("请输入一个介于 1 和 65535 之间的整数。");

const InputCase kInputCases[] = {
    {"20-character name", k20, "tavik", "127.0.0.1", "8080", {}},
    {"20-character address", "tavik", "tavik", "lobby.example.org.cn", "8080", {}},
    {"empty password", "tavik", "", "127.0.0.1", "8080", {}},
    {"empty name", "", "tavik", "127.0.0.1", "8080", {}},
    {"port 1", "tavik", "tavik", "127.0.0.1", "1", {}},
    {"port 65535", "tavik", "tavik", "127.0.0.1", "65535", {}},
    {"port 0", "tavik", "tavik", "127.0.0.1", "0", {kRange}},
    {"port 70000", "tavik", "tavik", "127.0.0.1", "70000", {kRange}},
    {"port not a number", "tavik", "tavik", "127.0.0.1", "80a", {"请输入一个正整数。"}},
    {"empty port", "tavik", "tavik", "127.0.0.1", "", {"请输入一个正整数。"}},
    {"21-character name", k21, "tavik", "127.0.0.1", "8080", {"请输入不超过 20 个字符。"}},
    {"21-character password", "tavik", k21, "127.0.0.1", "8080", {"请输入不超过 20 个字符。"}},
    {"name of 22 bytes", k11Chinese, "tavik", "127.0.0.1", "8080", {"请输入正确用户名"}},
    {"password of 22 bytes", "tavik", k11Chinese, "127.0.0.1", "8080", {"请输入正确密码"}},
    {"empty address", "tavik", "tavik", "", "8080", {"请输入正确的服务器地址"}},
    {"address of 21 bytes", "tavik", "tavik", "lobby.example.org.cnx", "8080", {"请输入正确的服务器地址"}},
};

TEST(LoginDlgInput, EachInputIsHandedOverWholeOrRefusedWithItsText)
{
    for (const InputCase& c : kInputCases) {
        SCOPED_TRACE(c.name);
        platform::RecordingMessageBoxes boxes;
        std::optional<LoginRecord> handed;
        CLoginDlg dlg(nullptr, [&](const LoginRecord& r) { handed = r; }, [] {});
        dlg.Show();
        dlg.NameEdit()->setText(c.player);
        dlg.PasswordEdit()->setText(c.password);
        dlg.AddressEdit()->setText(c.address);
        dlg.PortEdit()->setText(c.port);
        dlg.accept();
        QCoreApplication::processEvents();
        EXPECT_EQ(boxes.Texts(), c.texts);
        if (!c.texts.isEmpty()) {
            EXPECT_FALSE(handed) << "nothing is sent";
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_EQ(dlg.NameEdit()->text(), c.player) << "the values typed stay";
            continue;
        }
        ASSERT_TRUE(handed);
        EXPECT_EQ(QString::fromStdString(handed->name.Str()), c.player);
        EXPECT_EQ(QString::fromStdString(handed->password.Str()), c.password);
        EXPECT_EQ(QString::fromStdString(handed->address.Str()), c.address);
        EXPECT_EQ(handed->port, c.port.toUInt());
    }
}

TEST(LoginDlgInput, AFailedAttemptKeepsWhatWasTypedForTheNextShowing)
{
    platform::RecordingMessageBoxes boxes;
    int handed = 0;
    CLoginDlg dlg(nullptr, [&](const LoginRecord&) { ++handed; }, [] {});
    dlg.Show();
    dlg.NameEdit()->setText("mira");
    dlg.accept();
    QCoreApplication::processEvents();
    dlg.Show();
    EXPECT_EQ(dlg.NameEdit()->text(), "mira");
    EXPECT_EQ(handed, 1);
}

} // namespace
