#include "platform/Text.h"

#include <QHostAddress>
#include <gtest/gtest.h>

namespace platform {
namespace {

QByteArray Bytes(std::initializer_list<unsigned char> bytes)
{
    QByteArray out;
    for (unsigned char b : bytes)
        out.append(static_cast<char>(b));
    return out;
}

TEST(TextTest, GameHallRoundTripsThroughItsExactGbkBytes)
{
    const QString hall = QStringLiteral("游戏大厅");
    const QByteArray gbk = Bytes({0xD3, 0xCE, 0xCF, 0xB7, 0xB4, 0xF3, 0xCC, 0xFC});
    EXPECT_EQ(ToGbk(hall), gbk);
    EXPECT_EQ(FromGbk(gbk), hall);
    EXPECT_EQ(GbkLength(hall), 8);
}

struct LengthCase {
    const char* name;
    QString text;
    int bytes;
};

class GbkLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(GbkLengthTest, CountsGbkBytes)
{
    const LengthCase& c = GetParam();
    EXPECT_EQ(GbkLength(c.text), c.bytes);
    EXPECT_EQ(ToGbk(c.text).size(), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Texts, GbkLengthTest,
    ::testing::Values(LengthCase{"Empty", QString(), 0},
                      LengthCase{"Ascii", QStringLiteral("tavik"), 5},
                      LengthCase{"Mixed", QStringLiteral("Client 1.0 版"), 13},
                      LengthCase{"Punctuation", QStringLiteral("确定要离开吗？"), 14},
                      // No GBK form: one '?' each, so a field never gets more bytes than counted.
                      LengthCase{"Unmappable", QStringLiteral("a\u0E01\U0001F600"), 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextTest, FieldWithoutNulEndsAtItsWidth)
{
    // A 20-byte name that fills its field, followed by the next field of the record.
    const QString name = QStringLiteral("游戏大厅游戏大厅abcd");
    QByteArray record = ToGbk(name);
    ASSERT_EQ(record.size(), 20);
    record.append(Bytes({0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(FromGbk(record.constData(), 20), name);
}

TEST(TextTest, FieldEndsAtItsFirstNul)
{
    QByteArray field = ToGbk(QStringLiteral("大厅"));
    field.append('\0').append("junk");
    EXPECT_EQ(FromGbk(field), QStringLiteral("大厅"));
    EXPECT_TRUE(FromGbk(field.constData(), 0).isEmpty());
    EXPECT_TRUE(FromGbk(nullptr, 0).isEmpty());
}

TEST(TextTest, BytesThatAreNotGbkDoNotSwallowTheRest)
{
    // A lead byte with nothing after it at the end of the field.
    QByteArray field = Bytes({'o', 'k', 0xD3});
    const QString text = FromGbk(field);
    EXPECT_TRUE(text.startsWith(QStringLiteral("ok")));
    EXPECT_EQ(text.size(), 3);
}

TEST(TextTest, LocalAddressIsDottedIPv4OrEmpty)
{
    const QString address = LocalIPv4Address();
    if (address.isEmpty())
        GTEST_SKIP() << "this machine has no IPv4 address for its own name";
    QHostAddress parsed;
    ASSERT_TRUE(parsed.setAddress(address)) << address.toStdString();
    EXPECT_EQ(parsed.protocol(), QAbstractSocket::IPv4Protocol);
    EXPECT_EQ(address.count(QLatin1Char('.')), 3);
}

} // namespace
} // namespace platform
