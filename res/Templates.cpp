#include "res/Templates.h"

#include "res/ResourceIds.h"
#include "res/TemplatesGame.h"

#include <algorithm>

namespace res {
namespace {

using K = ControlKind;

DialogTemplate About()
{
    return {IDD_ABOUTBOX, "关于 Client", "宋体", 9, 235, 55, kCaption | kSysMenu, {
        {IDC_STATIC, K::Icon, "", 11, 17, 20, 20, 0, IDI_APPLICATION_ICON},
        {IDC_STATIC, K::Static, "Client 1.0 版", 40, 10, 119, 8},
        {IDC_STATIC, K::Static, "版权所有 (C) 2026", 40, 25, 119, 8},
        {IDOK, K::DefaultButton, "确定", 178, 7, 50, 14},
    }};
}

// The main dialog places its controls itself; these positions only start it off.
DialogTemplate Client()
{
    return {IDD_CLIENT_DIALOG, "Morvane", "宋体", 9, 457, 343, kCaption | kSysMenu | kMinimizeBox | kAppWindow, {
        {IDOK, K::DefaultButton, "确定", 0, 0, 50, 14, kHidden},
        {1031, K::OwnerDrawButton, "退出", 425, 4, 13, 13},
        {1005, K::TreeView, "", 3, 53, 111, 287, kHasButtons | kHasLines | kLinesAtRoot},
        {1006, K::Static, "", 117, 70, 337, 261},
        {1007, K::Button, "隐藏", 60, 0, 50, 14, kHidden},
        {1032, K::OwnerDrawButton, "最小化", 410, 4, 13, 13},
    }};
}

// The address and port lie below the buttons: the dialog cuts itself off above them.
DialogTemplate Login()
{
    return {IDD_LOGIN, "用户登陆", "宋体", 9, 186, 124, kCaption | kSysMenu, {
        {IDC_STATIC, K::Static, "用户名:", 20, 14, 36, 10},
        {1001, K::Edit, "", 60, 12, 100, 13},
        {IDC_STATIC, K::Static, "密  码:", 20, 34, 36, 10},
        {1002, K::Edit, "", 60, 32, 100, 13, kPassword},
        {IDOK, K::DefaultButton, "登录", 14, 56, 45, 14},
        {1000, K::Button, "注册", 70, 56, 45, 14},
        {IDCANCEL, K::Button, "退出", 126, 56, 45, 14},
        {IDC_STATIC, K::Static, "IP", 20, 84, 36, 10},
        {1003, K::Edit, "", 60, 82, 100, 13},
        {IDC_STATIC, K::Static, "PORT", 20, 104, 36, 10},
        {1004, K::Edit, "", 60, 102, 100, 13},
    }};
}

DialogTemplate Tip()
{
    return {IDD_TIP, "", "System", 10, 58, 20, 0, {}};
}

DialogTemplate GameStart()
{
    return {IDD_GAME_START, "提示信息", "宋体", 9, 190, 99, kCaption, {
        {IDOK, K::DefaultButton, "OK", 27, 73, 51, 14},
        {IDCANCEL, K::Button, "我不玩了", 111, 73, 51, 14},
        {1008, K::Static, "Static", 7, 16, 176, 30},
        {1012, K::ComboBox, "", 34, 54, 26, 50, kVScroll, 0, {"1", "3", "5", "10", "15", "20", "30", "40", "50"}},
        {1015, K::Static, "局以后再提醒我", 65, 57, 65, 10},
    }};
}

DialogTemplate Leave()
{
    return {IDD_LEAVE, "提示", "宋体", 9, 168, 69, kCaption, {
        {IDC_STATIC, K::Static, "提示：\n        强行退出游戏，你会被扣分", 9, 8, 144, 21},
        {1009, K::Button, "强行退出", 20, 43, 50, 14},
        {IDCANCEL, K::Button, "取    消", 99, 43, 50, 14},
    }};
}

DialogTemplate ColPanel()
{
    return {IDD_COL_PANEL, "闯关-", "宋体", 12, 362, 252,
            kCaption | kSysMenu | kSizingBorder | kMinimizeBox | kMaximizeBox, {
        {IDOK, K::DefaultButton, "退    出", 9, 233, 50, 14},
        {1030, K::Static, "玩家名字", 7, 6, 51, 10, kCentred},
        {1033, K::Static, "分数", 7, 26, 51, 10, kCentred},
        {1034, K::Static, "点数", 7, 47, 51, 10, kCentred},
        {IDC_STATIC, K::GroupBox, " 当前位置 ", 7, 74, 51, 57},
        {1035, K::Static, "第 1 关", 10, 92, 43, 14, kCentred},
        {1036, K::Static, "第 1 桌", 10, 111, 43, 14, kCentred},
    }};
}

std::vector<DialogTemplate> Build()
{
    std::vector<DialogTemplate> all{About(), Client(), Login(), Tip(), GameStart(), Leave(), ColPanel()};
    for (DialogTemplate& t : GameTemplates())
        all.push_back(std::move(t));
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    return all;
}

const std::vector<DialogTemplate>& Table()
{
    static const std::vector<DialogTemplate> table = Build();
    return table;
}

} // namespace

const DialogTemplate* FindTemplate(int id)
{
    const auto& table = Table();
    auto it = std::lower_bound(table.begin(), table.end(), id, [](const auto& t, int key) { return t.id < key; });
    return it != table.end() && it->id == id ? &*it : nullptr;
}

std::span<const DialogTemplate> AllTemplates()
{
    return Table();
}

} // namespace res
