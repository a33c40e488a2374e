#include "platform/Text.h"

#include <QHostAddress>
#include <gtest/gtest.h>

namespace {

TEST(Text, GbkRoundTripKeepsTheExactBytes)
{
    const QByteArray gbk = platform::ToGbk("游戏大厅");
    EXPECT_EQ(gbk, QByteArray::fromHex("d3cecfb7b4f3ccfc"));
    EXPECT_EQ(platform::FromGbk(gbk), "游戏大厅");
    EXPECT_EQ(platform::GbkLength("游戏大厅"), 8);
    EXPECT_EQ(platform::GbkLength("tavik"), 5);
}

TEST(Text, AFieldReadsUpToItsNulOrItsEnd)
{
    const char field[20] = {'a', 'b', '\0', 'x'};
    EXPECT_EQ(platform::FromGbk(field, sizeof field), "ab");
    const char full[20] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9',
                           '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(platform::FromGbk(full, sizeof full), "01234567890123456789") << "a full field has no NUL";
}

TEST(Text, LocalAddressIsEmptyOrADottedIPv4Address)
{
    const QString address = platform::LocalIPv4Address();
    if (!address.isEmpty()) {
        EXPECT_EQ(QHostAddress(address).protocol(), QAbstractSocket::IPv4Protocol) << address.toStdString();
    }
}

} // namespace
