#include "res/Templates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace res {
namespace {

struct IdsCase {
    const char* name;
    int templateId;
    std::string caption;
    std::vector<int> ids;
};

const std::vector<int> kGameCommon{1010, 1011, 1020, 1021, 1029, 1040, 1017, 1018,
                                   1019, 1026, 1027, 1022, 1023, 1024, 1028, 1025};

std::vector<int> With(std::vector<int> ids, std::initializer_list<int> more)
{
    ids.insert(ids.end(), more);
    return ids;
}

const std::vector<int> kDuel3 = With(kGameCommon, {1030, 1031, 1032, 1033, 1034, 1035, 1060, 1061, 1062, 1065, 1070,
                                                   1071, 1072, 1075, 1080, 1081, 1082, 1090, 1091, 1092});

const IdsCase kIdsCases[] = {
    {"About", IDD_ABOUTBOX, "关于 Client", {IDOK}},
    {"Client", IDD_CLIENT_DIALOG, "Morvane", {IDOK, 1031, 1005, 1006, 1007, 1032}},
    {"Login", IDD_LOGIN, "用户登陆", {IDOK, IDCANCEL, 1000, 1001, 1002, 1003, 1004}},
    {"Tip", IDD_TIP, "", {}},
    {"GameStart", IDD_GAME_START, "提示信息", {IDOK, IDCANCEL, 1008, 1012, 1015}},
    {"Leave", IDD_LEAVE, "提示", {1009, IDCANCEL}},
    {"ColPanel", IDD_COL_PANEL, "闯关-", {IDOK, 1030, 1033, 1034, 1035, 1036}},
    {"Tjsm", IDD_TJSM, "田忌赛马", With(kGameCommon, {1000, 1001, 1002, 1050, 1051, 1052, 1030, 1031})},
    {"Huarong", IDD_HUARONG, "华容道", With(kGameCommon, {1000, 1001, 1002, 1050, 1051, 1052, 1099, 1030, 1031})},
    {"Qingyuan", IDD_QINGYUAN, "情缘", With(kGameCommon, {1000, 1001, 1002, 1050, 1051, 1052, 1099, 1030, 1031})},
    {"Nuoman", IDD_NUOMAN, "诺曼底登陆", With(kGameCommon, {1000, 1001, 1002, 1003, 1050, 1051, 1052, 1053, 1030, 1031})},
    {"Sanxiao", IDD_SANXIAO, "三笑", With(kGameCommon, {1000, 1001, 1002, 1003, 1050, 1051, 1052, 1053, 1030, 1031})},
    {"Sdbgj", IDD_SDBGJ, "三打白骨精", With(kGameCommon, {1000, 1001, 1002, 1003, 1050, 1051, 1052, 1053, 1030, 1031})},
    {"Ccjj", IDD_CCJJ, "草船借箭", kDuel3},
    {"Xingfu", IDD_XINGFU, "幸福守则", kDuel3},
    {"Wsdh", IDD_WSDH, "武松打虎", With(kDuel3, {1063, 1064, 1073, 1074, 1083, 1084, 1093, 1094})},
};

class TemplateIdsTest : public ::testing::TestWithParam<IdsCase> {};

TEST_P(TemplateIdsTest, HasItsCaptionAndEachControlIdOnce)
{
    const IdsCase& c = GetParam();
    const DialogTemplate* t = FindTemplate(c.templateId);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption, c.caption);
    std::multiset<int> ids;
    for (const ControlTemplate& control : t->controls)
        if (control.id != IDC_STATIC)
            ids.insert(control.id);
    EXPECT_EQ(ids, std::multiset<int>(c.ids.begin(), c.ids.end()));
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateIdsTest, ::testing::ValuesIn(kIdsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TemplatesTest, EveryTemplateIsListedOnceAndFoundById)
{
    std::set<int> ids;
    for (const DialogTemplate& t : AllTemplates()) {
        EXPECT_TRUE(ids.insert(t.id).second) << t.id;
        EXPECT_EQ(FindTemplate(t.id), &t);
    }
    EXPECT_EQ(ids, (std::set<int>{100, 102, 130, 131, 160, 174, 175, 177, 184, 187, 188, 189, 202, 203, 204, 218}));
    EXPECT_EQ(FindTemplate(101), nullptr);
}

TEST(TemplatesTest, ControlsLieInsideTheirDialog)
{
    for (const DialogTemplate& t : AllTemplates())
        for (const ControlTemplate& c : t.controls) {
            SCOPED_TRACE("template " + std::to_string(t.id) + " control " + std::to_string(c.id));
            EXPECT_GE(c.x, 0);
            EXPECT_GE(c.y, 0);
            EXPECT_GT(c.width, 0);
            EXPECT_GT(c.height, 0);
            EXPECT_LE(c.x + c.width, t.width);
            // A combo box's height includes its open list, which may reach past the dialog.
            if (c.kind != ControlKind::ComboBox) {
                EXPECT_LE(c.y + c.height, t.height);
            }
        }
}

TEST(TemplatesTest, LoginAddressAndPortLieBelowTheButtons)
{
    const DialogTemplate& login = *FindTemplate(IDD_LOGIN);
    int buttonsBottom = 0;
    for (int id : {IDOK, IDCANCEL, 1000})
        buttonsBottom = std::max(buttonsBottom, login.Find(id)->y + login.Find(id)->height);
    int labelsTop = login.height;
    for (const ControlTemplate& c : login.controls)
        if (c.text == "IP" || c.text == "PORT")
            labelsTop = std::min(labelsTop, c.y);
    // The dialog cuts itself off at the top of the address edit: nothing of the
    // address and port, labels included, may show above that line.
    EXPECT_GT(login.Find(1003)->y, buttonsBottom);
    EXPECT_GT(login.Find(1004)->y, login.Find(1003)->y);
    EXPECT_GE(labelsTop, login.Find(1003)->y);
    EXPECT_TRUE(login.Find(1002)->Has(kPassword));
    EXPECT_EQ(login.Find(IDOK)->kind, ControlKind::DefaultButton);
}

TEST(TemplatesTest, StartDialogOffersTheReminderChoicesInOrder)
{
    const ControlTemplate* combo = FindTemplate(IDD_GAME_START)->Find(1012);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->kind, ControlKind::ComboBox);
    EXPECT_EQ(combo->items, (std::vector<std::string>{"1", "3", "5", "10", "15", "20", "30", "40", "50"}));
}

TEST(TemplatesTest, GameMessageBoxesAreNeverShown)
{
    for (int id : {IDD_TJSM, IDD_HUARONG, IDD_QINGYUAN, IDD_NUOMAN, IDD_SANXIAO, IDD_SDBGJ, IDD_CCJJ, IDD_XINGFU, IDD_WSDH}) {
        const ControlTemplate* box = FindTemplate(id)->Find(1040);
        SCOPED_TRACE(id);
        EXPECT_EQ(box->kind, ControlKind::Edit);
        EXPECT_EQ(box->style & (kHidden | kMultiline | kReadOnly | kVScroll), kHidden | kMultiline | kReadOnly | kVScroll);
    }
}

// ---- templates laid out like another one

struct Difference {
    int id;
    int x, y, width, height;
    std::string text;
    uint32_t style;
};

struct DerivedCase {
    const char* name;
    int templateId;
    int baseId;
    std::vector<Difference> differences;  // everything else equals the base, control by control
    std::vector<int> added;
};

const DerivedCase kDerivedCases[] = {
    {"Sanxiao", IDD_SANXIAO, IDD_NUOMAN,
     {{1026, 152, 220, 45, 8, "MASTER_LUN2", 0}, {1023, 152, 249, 45, 8, "CLIENT_LUN2", 0},
      {1028, 263, 224, 53, 8, "MASTER_RESULT", 0}, {1025, 263, 253, 53, 8, "CLIENT_RESULT", 0}}, {}},
    {"Sdbgj", IDD_SDBGJ, IDD_NUOMAN,
     {{1030, 219, 310, 50, 14, "藏起来", 0}, {1031, 277, 311, 50, 14, "我  打", 0},
      {1040, 34, 13, 194, 50, "", kHidden | kMultiline | kReadOnly | kVScroll},
      {1026, 147, 220, 45, 8, "MASTER_LUN2", 0}, {1023, 147, 249, 45, 8, "CLIENT_LUN2", 0}}, {}},
    {"Huarong", IDD_HUARONG, IDD_TJSM,
     {{1000, 46, 98, 64, 94, "", kSunken | kHidden}, {1001, 141, 98, 64, 94, "", kSunken | kHidden},
      {1002, 236, 98, 64, 94, "", kSunken | kHidden}, {1030, 247, 305, 77, 14, "设置\"华容道\"的位置", 0},
      {1031, 247, 324, 77, 14, "找出\"华容道\"的位置", 0},
      {1040, 0, 0, 255, 51, "", kHidden | kMultiline | kReadOnly | kVScroll}}, {1099}},
    {"Qingyuan", IDD_QINGYUAN, IDD_TJSM,
     {{1000, 46, 98, 64, 94, "", kSunken | kHidden}, {1001, 141, 98, 64, 94, "", kSunken | kHidden},
      {1002, 236, 98, 64, 94, "", kSunken | kHidden}, {1030, 247, 305, 77, 14, "设置\"红花\"的位置", 0},
      {1031, 247, 324, 77, 14, "找出\"红花\"的位置", 0},
      {1040, 0, 0, 255, 51, "", kHidden | kMultiline | kReadOnly | kVScroll}}, {1099}},
    {"Xingfu", IDD_XINGFU, IDD_CCJJ, {}, {}},
};

class DerivedTemplateTest : public ::testing::TestWithParam<DerivedCase> {};

TEST_P(DerivedTemplateTest, DiffersFromItsBaseOnlyWhereItSays)
{
    const DerivedCase& c = GetParam();
    const DialogTemplate& t = *FindTemplate(c.templateId);
    const DialogTemplate& base = *FindTemplate(c.baseId);
    EXPECT_EQ(t.width, base.width);
    EXPECT_EQ(t.height, base.height);
    EXPECT_EQ(t.fontFace, base.fontFace);
    EXPECT_EQ(t.pointSize, base.pointSize);
    for (const ControlTemplate& control : t.controls) {
        if (control.id == IDC_STATIC)
            continue;
        SCOPED_TRACE(control.id);
        const ControlTemplate* before = base.Find(control.id);
        const Difference* d = nullptr;
        for (const Difference& candidate : c.differences)
            if (candidate.id == control.id)
                d = &candidate;
        if (!before) {
            EXPECT_NE(std::find(c.added.begin(), c.added.end(), control.id), c.added.end());
            continue;
        }
        EXPECT_EQ(control.kind, before->kind);
        EXPECT_EQ(control.image, before->image);
        if (d) {
            EXPECT_EQ(control.x, d->x);
            EXPECT_EQ(control.y, d->y);
            EXPECT_EQ(control.width, d->width);
            EXPECT_EQ(control.height, d->height);
            EXPECT_EQ(control.text, d->text);
            EXPECT_EQ(control.style, d->style);
        } else {
            EXPECT_EQ(control.x, before->x);
            EXPECT_EQ(control.y, before->y);
            EXPECT_EQ(control.width, before->width);
            EXPECT_EQ(control.height, before->height);
            EXPECT_EQ(control.text, before->text);
            EXPECT_EQ(control.style, before->style);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, DerivedTemplateTest, ::testing::ValuesIn(kDerivedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TemplatesTest, RevealMarkersSitWhereEachGameWantsThem)
{
    const ControlTemplate* huarong = FindTemplate(IDD_HUARONG)->Find(1099);
    const ControlTemplate* qingyuan = FindTemplate(IDD_QINGYUAN)->Find(1099);
    EXPECT_EQ(huarong->kind, ControlKind::Button);  // a push button, not owner-drawn
    EXPECT_TRUE(huarong->Has(kHidden));
    EXPECT_EQ(huarong->y, 44);
    EXPECT_EQ(qingyuan->y, 54);
    EXPECT_EQ(qingyuan->text, "gifOpSel");
}

struct CardCase {
    const char* name;
    int templateId;
    std::vector<int> homeX;
    int opponentY0;
    int ownY;
    bool hidden;
};

class DuelCardsTest : public ::testing::TestWithParam<CardCase> {};

TEST_P(DuelCardsTest, CardsRestOnTheirHomeSpots)
{
    const CardCase& c = GetParam();
    const DialogTemplate& t = *FindTemplate(c.templateId);
    for (size_t k = 0; k < c.homeX.size(); ++k) {
        const int i = static_cast<int>(k);
        SCOPED_TRACE(k);
        const ControlTemplate* ownHome = t.Find(1070 + i);
        const ControlTemplate* opponentHome = t.Find(1060 + i);
        const ControlTemplate* own = t.Find(1090 + i);
        const ControlTemplate* opponent = t.Find(1080 + i);
        EXPECT_EQ(ownHome->x, c.homeX[k]);
        EXPECT_EQ(ownHome->y, c.ownY);
        EXPECT_EQ(opponentHome->x, c.homeX[k]);
        EXPECT_EQ(own->x, ownHome->x);
        EXPECT_EQ(own->y, ownHome->y);
        EXPECT_EQ(opponent->x, opponentHome->x);
        EXPECT_EQ(opponent->y, opponentHome->y);
        EXPECT_EQ(own->text, "My_gif" + std::to_string(k + 1));
        EXPECT_EQ(opponent->text, "Op_gif" + std::to_string(k + 1));
        EXPECT_EQ(own->Has(kHidden), c.hidden);
        EXPECT_TRUE(ownHome->Has(kHidden));
    }
    EXPECT_EQ(t.Find(1060)->y, c.opponentY0);
    EXPECT_EQ(t.Find(1080 + static_cast<int>(c.homeX.size())), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Templates, DuelCardsTest,
    ::testing::Values(CardCase{"Ccjj", IDD_CCJJ, {55, 152, 249}, 60, 226, false},
                      CardCase{"Wsdh", IDD_WSDH, {17, 82, 147, 212, 277}, 49, 222, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace res
