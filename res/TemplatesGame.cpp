#include "res/TemplatesGame.h"

#include "res/ResourceIds.h"
#include "res/Templates.h"

#include <array>

namespace res {
namespace {

using K = ControlKind;

enum class Family { HideAndGuess, Find, Duel };

struct Place {
    int id;
    int x, y, width, height;
};

// The controls every game dialog has; only their places differ.
ControlTemplate Common(Family family, const Place& p)
{
    const bool duel = family == Family::Duel;
    const uint32_t box = duel ? kCentred | kSunken : 0;
    auto label = [&](std::string text, uint32_t style = 0) {
        return ControlTemplate{p.id, K::Static, std::move(text), p.x, p.y, p.width, p.height, style};
    };
    switch (p.id) {
    case 1010: return label("对手名称", box);
    case 1011: return label("我的名称", box);
    case 1020: return label(family == Family::Find ? "第1局 0/3" : "第1局 0/2", box);
    case 1021: return label("点数:000000", box);
    case 1029: return label("Static");
    case 1040: return {p.id, K::Edit, "", p.x, p.y, p.width, p.height, kHidden | kMultiline | kReadOnly | kVScroll};
    case 1017: return label("MASTERNAME");
    case 1018: return label("CLIENTNAME");
    case 1019: return label(duel ? "M_L1" : "MASTER_LUN1");
    case 1026: return label(duel ? "M_L2" : "MASTER_LUN2");
    case 1027: return label(duel ? "M_L3" : "MASTER_LUN3");
    case 1022: return label(duel ? "C_L1" : "CLIENT_LUN1");
    case 1023: return label(duel ? "C_L2" : "CLIENT_LUN2");
    case 1024: return label(duel ? "C_L3" : "CLIENT_LUN3");
    case 1028: return label("MASTER_RESULT");
    case 1025: return label("CLIENT_RESULT");
    }
    return label("");
}

DialogTemplate Game(int id, std::string caption, Family family, std::initializer_list<Place> common)
{
    DialogTemplate t{id, std::move(caption), "宋体", 10, 339, 354, kCaption | kSysMenu, {}};
    for (const Place& p : common)
        t.controls.push_back(Common(family, p));
    return t;
}

void Move(DialogTemplate& t, int id, int x, int y)
{
    ControlTemplate* c = t.Find(id);
    c->x = x;
    c->y = y;
}

void Move(DialogTemplate& t, int id, int x, int y, int width, int height)
{
    Move(t, id, x, y);
    ControlTemplate* c = t.Find(id);
    c->width = width;
    c->height = height;
}

// ---- hide and guess

DialogTemplate Tjsm()
{
    DialogTemplate t = Game(IDD_TJSM, "田忌赛马", Family::HideAndGuess, {
        {1010, 275, 49, 46, 11}, {1011, 10, 281, 46, 11}, {1021, 10, 300, 46, 11}, {1020, 10, 318, 46, 11},
        {1029, 95, 297, 25, 8}, {1040, 3, 4, 253, 51}, {1017, 45, 225, 41, 8}, {1018, 45, 254, 41, 8},
        {1019, 109, 220, 45, 8}, {1022, 109, 249, 45, 8}, {1026, 176, 220, 45, 8}, {1023, 176, 249, 45, 8},
        {1027, 226, 284, 45, 8}, {1024, 226, 273, 45, 8}, {1028, 246, 226, 53, 8}, {1025, 246, 255, 53, 8},
    });
    const std::array pictures{178, 180, 182};
    const std::array pictureX{46, 141, 236};
    const std::array gifX{56, 151, 247};
    for (int k = 0; k < 3; ++k) {
        t.controls.push_back({1000 + k, K::Picture, "", pictureX[k], 98, 64, 94, kSunken | kNotify, pictures[k]});
        t.controls.push_back({1050 + k, K::OwnerDrawButton, "gif" + std::to_string(k + 1), gifX[k], 75, 43, 14, kHidden});
    }
    t.controls.push_back({1030, K::Button, "设置\"上等马\"的位置", 246, 311, 77, 14});
    t.controls.push_back({1031, K::Button, "找出\"上等马\"的位置", 246, 317, 77, 14});
    return t;
}

// 华容道 and 情缘: the pictures only mark the places, a fourth GIF reveals.
DialogTemplate RevealGame(int id, const std::string& caption, const std::string& target, int markerY)
{
    DialogTemplate t = Tjsm();
    t.id = id;
    t.caption = caption;
    for (int k = 0; k < 3; ++k)
        t.Find(1000 + k)->style = kSunken | kHidden;
    Move(t, 1030, 247, 305);
    Move(t, 1031, 247, 324);
    t.Find(1030)->text = "设置\"" + target + "\"的位置";
    t.Find(1031)->text = "找出\"" + target + "\"的位置";
    Move(t, 1040, 0, 0);
    t.Find(1040)->width = 255;
    t.controls.push_back({1099, K::Button, "gifOpSel", 179, markerY, 37, 14, kHidden});
    return t;
}

// ---- find

DialogTemplate Nuoman()
{
    DialogTemplate t = Game(IDD_NUOMAN, "诺曼底登陆", Family::Find, {
        {1010, 281, 54, 46, 10}, {1011, 8, 285, 45, 11}, {1021, 8, 301, 45, 11}, {1020, 8, 317, 45, 11},
        {1029, 95, 297, 25, 8}, {1040, 0, 7, 223, 50}, {1017, 33, 225, 41, 8}, {1018, 33, 254, 41, 8},
        {1019, 90, 220, 45, 8}, {1022, 90, 249, 45, 8}, {1026, 146, 220, 45, 8}, {1023, 146, 249, 45, 8},
        {1027, 204, 220, 45, 8}, {1024, 204, 249, 45, 8}, {1028, 263, 225, 53, 8}, {1025, 263, 254, 53, 8},
    });
    const std::array pictures{263, 261, 262, 260};
    const std::array pictureX{13, 96, 179, 262};
    const std::array<std::array<int, 2>, 4> gifAt{{{27, 73}, {109, 75}, {189, 79}, {273, 80}}};
    for (int k = 0; k < 4; ++k) {
        t.controls.push_back({1000 + k, K::Picture, "", pictureX[k], 97, 64, 94, kSunken | kNotify, pictures[k]});
        t.controls.push_back({1050 + k, K::OwnerDrawButton, "gif" + std::to_string(k + 1), gifAt[k][0], gifAt[k][1],
                              43, 14, kHidden});
    }
    t.controls.push_back({1030, K::Button, "藏起来", 277, 310, 50, 14});
    t.controls.push_back({1031, K::Button, "确  定", 277, 311, 50, 14});
    return t;
}

DialogTemplate Sanxiao()
{
    DialogTemplate t = Nuoman();
    t.id = IDD_SANXIAO;
    t.caption = "三笑";
    Move(t, 1026, 152, t.Find(1026)->y);
    Move(t, 1023, 152, t.Find(1023)->y);
    Move(t, 1028, 263, 224);
    Move(t, 1025, 263, 253);
    return t;
}

DialogTemplate Sdbgj()
{
    DialogTemplate t = Nuoman();
    t.id = IDD_SDBGJ;
    t.caption = "三打白骨精";
    Move(t, 1030, 219, 310);
    t.Find(1031)->text = "我  打";
    Move(t, 1040, 34, 13, 194, 50);
    Move(t, 1026, 147, t.Find(1026)->y);
    Move(t, 1023, 147, t.Find(1023)->y);
    return t;
}

// ---- duel

struct DuelLayout {
    int cards;
    std::array<int, 5> homeX;
    std::array<int, 5> opponentY;
    int ownY;
    std::array<int, 2> opponentStage;
    std::array<int, 2> ownStage;
    uint32_t cardStyle;
};

constexpr int kCardWidth = 42;
constexpr int kCardHeight = 62;

DialogTemplate Duel(int id, std::string caption, const DuelLayout& layout)
{
    DialogTemplate t = Game(id, std::move(caption), Family::Duel, {
        {1010, 283, 31, 48, 11}, {1011, 9, 294, 48, 11}, {1021, 9, 314, 48, 11}, {1020, 9, 334, 48, 11},
        {1029, 17, 150, 25, 8}, {1040, 0, 0, 214, 51}, {1017, 65, 301, 41, 8}, {1018, 65, 330, 41, 8},
        {1028, 277, 301, 53, 8}, {1025, 277, 330, 53, 8},
    });
    // Score change per turn: master above, client below.
    const std::array masterIds{1019, 1026, 1027, 1030, 1032};
    const std::array clientIds{1022, 1023, 1024, 1031, 1033};
    const std::array turnX{117, 142, 167, 193, 218};
    for (int turn = 0; turn < 5; ++turn) {
        const std::string n = std::to_string(turn + 1);
        t.controls.push_back({masterIds[turn], K::Static, "M_L" + n, turnX[turn], 301, 22, 8});
        t.controls.push_back({clientIds[turn], K::Static, "C_L" + n, turnX[turn], 330, 22, 8});
    }
    t.controls.push_back({1034, K::Static, "M_T", 252, 301, 22, 8});
    t.controls.push_back({1035, K::Static, "C_T", 252, 329, 22, 8});
    // Home and stage spots are hidden pictures; the cards rest on their homes.
    auto spot = [&](int spotId, int x, int y) {
        t.controls.push_back({spotId, K::Picture, "", x, y, kCardWidth, kCardHeight, kHidden, IDB_CARD_HOME});
    };
    for (int k = 0; k < layout.cards; ++k) {
        const std::string n = std::to_string(k + 1);
        spot(1060 + k, layout.homeX[k], layout.opponentY[k]);
        spot(1070 + k, layout.homeX[k], layout.ownY);
        t.controls.push_back({1080 + k, K::OwnerDrawButton, "Op_gif" + n, layout.homeX[k], layout.opponentY[k],
                              kCardWidth, kCardHeight, layout.cardStyle});
        t.controls.push_back({1090 + k, K::OwnerDrawButton, "My_gif" + n, layout.homeX[k], layout.ownY,
                              kCardWidth, kCardHeight, layout.cardStyle});
    }
    spot(1065, layout.opponentStage[0], layout.opponentStage[1]);
    spot(1075, layout.ownStage[0], layout.ownStage[1]);
    return t;
}

constexpr DuelLayout kThreeCards{3, {55, 152, 249}, {60, 60, 58}, 226, {130, 134}, {173, 153}, 0};
// Five cards each, created hidden: they are shown once the desk is known.
constexpr DuelLayout kFiveCards{5, {17, 82, 147, 212, 277}, {49, 49, 49, 49, 49}, 222, {125, 128}, {168, 145}, kHidden};

DialogTemplate Wsdh()
{
    DialogTemplate t = Duel(IDD_WSDH, "武松打虎", kFiveCards);
    Move(t, 1010, 143, 31);
    Move(t, 1011, 7, 297);
    Move(t, 1021, 7, 318);
    Move(t, 1020, 7, 337);
    Move(t, 1029, 16, 158);
    t.Find(1040)->width = 245;
    return t;
}

} // namespace

std::vector<DialogTemplate> GameTemplates()
{
    return {
        Tjsm(),
        RevealGame(IDD_HUARONG, "华容道", "华容道", 44),
        RevealGame(IDD_QINGYUAN, "情缘", "红花", 54),
        Nuoman(),
        Sanxiao(),
        Sdbgj(),
        Duel(IDD_CCJJ, "草船借箭", kThreeCards),
        Duel(IDD_XINGFU, "幸福守则", kThreeCards),
        Wsdh(),
    };
}

} // namespace res
