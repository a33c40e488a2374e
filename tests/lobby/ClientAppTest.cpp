// What keeps the program from starting, and what it says then.
#include "lobby/ClientApp.h"

#include <gtest/gtest.h>

namespace {

TEST(ClientApp, NamesWhatKeepsItFromStarting)
{
    struct Case {
        const char* name;
        QStringList missing;
        bool socketsUp;
        QString refusal;
    };
    const Case cases[] = {
        {"everything there", {}, true, {}},
        {"one bitmap missing", {"bitmap 136"}, true, "Morvane 无法启动，缺少资源：bitmap 136"},
        {"a bitmap and a game file missing", {"bitmap 136", "gif\\horse\\horse1.gif"}, true,
         "Morvane 无法启动，缺少资源：bitmap 136, gif\\horse\\horse1.gif"},
        {"five missing", {"a", "b", "c", "d", "e"}, true, "Morvane 无法启动，缺少资源：a, b, c, d, e"},
        {"more than five missing", {"a", "b", "c", "d", "e", "f", "g"}, true,
         "Morvane 无法启动，缺少资源：a, b, c, d, e 等 7 项"},
        {"no sockets", {}, false, "Windows 通信端口初始化失败。"},
        {"missing resources are named first", {"sound\\Click.wav"}, false, "Morvane 无法启动，缺少资源：sound\\Click.wav"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CClientApp::StartRefusal(c.missing, c.socketsUp), c.refusal);
    }
}

} // namespace
