#include "roomclient/ChatCtrl.h"

#include "controls/MyEdit.h"
#include "controls/SWComboBox.h"
#include "net/ChatRecord.h"
#include "platform/testing/RecordingMessageBoxes.h"

#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::vector<uint8_t> Line(uint8_t type, uint16_t sender, uint16_t receiver, const char* text)
{
    net::ChatRecord chat;
    chat.lineType = type;
    chat.sender = sender;
    chat.receiver = receiver;
    chat.text = text;
    return net::Encoded(chat);
}

class ChatCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        top = std::make_unique<QWidget>();
        top->resize(220, 260);
        top->show();
        chat = new CChatCtrl;
        chat->Create(QRect(0, 0, 200, 245), top.get(), 103);
        chat->SetMyKey(5);
        QObject::connect(chat, &CChatCtrl::ChatRecordReady,
                         [this](std::span<const uint8_t> r) { sent.emplace_back(r.begin(), r.end()); });
    }
    QString History() const { return chat->History()->toPlainText(); }
    QString LastLine() const
    {
        const QStringList lines = History().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines.isEmpty() ? QString() : lines.last();
    }
    // The colour of the character at `index` of the last line.
    QColor ColourAt(int index) const
    {
        QTextBlock block = chat->History()->document()->lastBlock();
        while (block.isValid() && block.text().isEmpty())
            block = block.previous();
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + index + 1);
        return cursor.charFormat().foreground().color();
    }
    void Type(const QString& text, const QString& receiver = {})
    {
        chat->Input()->setPlainText(text);
        chat->ReceiverBox()->setEditText(receiver);
    }

    platform::RecordingMessageBoxes boxes;
    std::unique_ptr<QWidget> top;
    CChatCtrl* chat = nullptr;
    std::vector<std::vector<uint8_t>> sent;
};

TEST_F(ChatCtrlTest, LaysItsChildrenOut)
{
    EXPECT_EQ(chat->History()->geometry(), QRect(0, 0, 200, 195));
    EXPECT_EQ(chat->Input()->geometry(), QRect(0, 195, 200, 25));
    EXPECT_EQ(chat->SendButton()->geometry(), QRect(0, 220, 80, 25));
    EXPECT_EQ(chat->ReceiverBox()->geometry().topLeft(), QPoint(80, 220));
    EXPECT_EQ(chat->SendButton()->text(), QStringLiteral("--->"));
}

TEST_F(ChatCtrlTest, TrimmedLineToEverybody)
{
    Type(QStringLiteral("  hi  "));
    chat->Send();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], (std::vector<uint8_t>{1, 0, 5, 0, 0, 0, 3, 0, 0, 0, 0, 0, 'h', 'i', 0}));
    EXPECT_EQ(LastLine(), QStringLiteral("[你]->[所有人] hi"));
    EXPECT_EQ(ColourAt(0), QColor(0, 255, 0));
    EXPECT_EQ(ColourAt(4), QColor(100, 200, 200));
    EXPECT_EQ(ColourAt(6), QColor(250, 200, 200));
    EXPECT_EQ(ColourAt(12), QColor(255, 255, 255));
    // The input keeps its text.
    EXPECT_EQ(chat->Input()->toPlainText(), QStringLiteral("  hi  "));
}

TEST_F(ChatCtrlTest, LineToOnePlayerByName)
{
    chat->AddName(QStringLiteral("zoe"), 9);
    Type(QStringLiteral("psst"), QStringLiteral(" ZO "));
    chat->Send();
    ASSERT_EQ(sent.size(), 1u);
    const net::ChatRecord record = net::ChatRecord::Decode(net::ByteReader(sent[0]));
    EXPECT_EQ(record.receiver, 9);
    EXPECT_EQ(LastLine(), QStringLiteral("[你]->[zoe] psst"));
}

TEST_F(ChatCtrlTest, SendChecksRefuseWithoutSending)
{
    chat->AddName(QStringLiteral("me"), 5);
    chat->AddName(QStringLiteral("zoe"), 9);
    struct Case {
        const char* name;
        QString text;
        QString receiver;
        QString box;
    };
    const Case cases[] = {
        {"empty", QStringLiteral(""), {}, QStringLiteral("消息不可以为空")},
        {"blank", QStringLiteral(" \t "), QStringLiteral("zoe"), QStringLiteral("消息不可以为空")},
        {"nobody of that name", QStringLiteral("hi"), QStringLiteral("bob"), QStringLiteral("查无此人")},
        {"oneself", QStringLiteral("hi"), QStringLiteral("me"), QStringLiteral("不要自言自语哦")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        Type(c.text, c.receiver);
        chat->Send();
        EXPECT_EQ(boxes.Texts(), QStringList{c.box});
        EXPECT_TRUE(sent.empty());
        EXPECT_TRUE(History().isEmpty());
        EXPECT_EQ(chat->Input()->toPlainText(), c.text);
    }
}

TEST_F(ChatCtrlTest, EnterInTheInputSends)
{
    Type(QStringLiteral("quick"));
    QTest::keyClick(chat->Input(), Qt::Key_Return);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(net::ChatRecord::Decode(net::ByteReader(sent[0])).text, "quick");
}

TEST_F(ChatCtrlTest, ReceivedLinesNameTheirPlayers)
{
    chat->AddName(QStringLiteral("zoe"), 9);
    struct Case {
        const char* name;
        std::vector<uint8_t> record;
        QString line;
    };
    const Case cases[] = {
        {"to me", Line(1, 9, 5, "hey"), QStringLiteral("[zoe]->[你] hey")},
        {"to all", Line(1, 9, 0, "all"), QStringLiteral("[zoe]->[所有人] all")},
        {"unknown sender", Line(1, 7, 0, "who"), QStringLiteral("[所有人]->[所有人] who")},
        {"system", Line(2, 9, 5, "maintenance"), QStringLiteral("[系统消息] maintenance")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chat->ShowChat(c.record);
        EXPECT_EQ(LastLine(), c.line);
    }
    EXPECT_EQ(ColourAt(0), QColor(255, 255, 0));
    EXPECT_EQ(ColourAt(8), QColor(255, 255, 255));
}

TEST_F(ChatCtrlTest, OtherLineTypesAndCutRecordsShowNoMoreThanArrived)
{
    chat->ShowChat(Line(3, 9, 0, "ghost"));
    EXPECT_TRUE(History().isEmpty());
    // The text's length says 100 bytes and no NUL arrives: the text ends with what came.
    std::vector<uint8_t> cut = Line(1, 5, 0, "cut short");
    cut[6] = 100;
    cut.pop_back();
    chat->ShowChat(cut);
    EXPECT_EQ(LastLine(), QStringLiteral("[你]->[所有人] cut short"));
    chat->ShowChat(std::vector<uint8_t>{1, 0, 7});
    EXPECT_EQ(LastLine(), QStringLiteral("[所有人]->[所有人] "));
}

TEST_F(ChatCtrlTest, PrefixSearchStartsAfterTheFirstItem)
{
    chat->AddName(QStringLiteral("zhu"), 1);
    chat->AddName(QStringLiteral("amy"), 2);
    chat->AddName(QStringLiteral("ZHANG"), 3);
    EXPECT_EQ(chat->FindReceiver(QStringLiteral("zh")), 2);
    EXPECT_EQ(chat->FindReceiver(QStringLiteral("zhu")), 0);
    EXPECT_EQ(chat->FindReceiver(QStringLiteral("x")), -1);
    chat->SelectReceiver(QStringLiteral("zh"));
    EXPECT_EQ(chat->ReceiverBox()->currentText(), QStringLiteral("ZHANG"));
}

TEST_F(ChatCtrlTest, PlayersComeAndGoWithLines)
{
    chat->AddPlayer(QStringLiteral("dup"), 8);
    chat->AddPlayer(QStringLiteral("dup2"), 8);
    EXPECT_EQ(LastLine(), QStringLiteral("dup2进入房间"));
    chat->RemovePlayer(8);
    EXPECT_EQ(LastLine(), QStringLiteral("dup离开房间"));
    ASSERT_EQ(chat->ReceiverBox()->count(), 1);
    EXPECT_EQ(chat->ReceiverBox()->itemText(0), QStringLiteral("dup2"));
    chat->RemovePlayer(42);
    EXPECT_EQ(LastLine(), QStringLiteral("dup离开房间"));
    EXPECT_EQ(chat->NameOfKey(8), QStringLiteral("dup2"));
}

} // namespace
