#pragma once
// Every resource of the program by id: bitmaps, icons, cursors and strings, and the
// game files the games open by relative path. The art generator draws exactly these;
// platform::MissingResources() checks them at start-up.
#include <string_view>

namespace res {

// Hall tree images (16 x 16, white is the mask colour).
inline constexpr int IDB_TREE_CHALLENGE = 132;
inline constexpr int IDB_TREE_GROUP = 133;
inline constexpr int IDB_TREE_COMMON = 135;
// Main window backgrounds, small and large layout.
inline constexpr int IDB_MAIN_SMALL = 136;
inline constexpr int IDB_MAIN_LARGE = 148;
// Tab bar: arrows (enabled, disabled) and tabs.
inline constexpr int IDB_RIGHT_DISABLED = 137;
inline constexpr int IDB_LEFT_ENABLED = 138;
inline constexpr int IDB_LEFT_DISABLED = 139;
inline constexpr int IDB_RIGHT_ENABLED = 142;
inline constexpr int IDB_TAB_ACTIVE = 145;
inline constexpr int IDB_TAB_INACTIVE = 147;
// Desks and chairs of the desk grounds.
inline constexpr int IDB_DESK_IDLE = 149;
inline constexpr int IDB_CHAIR_SEAT1 = 150;
inline constexpr int IDB_CHAIR_SEAT2 = 151;
inline constexpr int IDB_CHAIR_SEAT3 = 152;
inline constexpr int IDB_DESK_PLAYING = 153;
inline constexpr int IDB_CHAIR_EMPTY = 154;
// Title strip of a room window; player list header, pressed and normal.
inline constexpr int IDB_TITLE_STRIP = 156;
inline constexpr int IDB_HEADER_PRESSED = 157;
inline constexpr int IDB_HEADER_NORMAL = 158;
// Game dialogs: background and the duel card's home spot.
inline constexpr int IDB_GAME_BACKGROUND = 169;
inline constexpr int IDB_CARD_HOME = 186;
// Picture buttons of the main window (the corner pixel is the transparent colour).
inline constexpr int IDB_EXIT = 219;
inline constexpr int IDB_EXIT_HOVER = 220;
inline constexpr int IDB_MINIMISE_HOVER = 221;
inline constexpr int IDB_MINIMISE = 222;

inline constexpr int IDI_APPLICATION_ICON = 128;
inline constexpr int IDI_SEAT_HOVER = 155;

inline constexpr int IDC_DRAG = 170;
inline constexpr int IDC_PICK_SELECTED = 171;
inline constexpr int IDC_PICK_NOTHING = 172;
inline constexpr int IDC_PICK_SWAP = 173;

inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDS_SOCKETS_INIT_FAILED = 103;

struct SizedResource {
  int id;
  int width;
  int height;
};

inline constexpr int kGamePictureWidth = 110;
inline constexpr int kGamePictureHeight = 150;

inline constexpr SizedResource kBitmaps[] = {
    {132, 16, 16}, {133, 16, 16}, {135, 16, 16},
    {136, 800, 600}, {148, 1024, 768},
    {137, 20, 20}, {138, 20, 20}, {139, 20, 20}, {142, 20, 20},
    {145, 60, 20}, {147, 60, 20},
    {149, 50, 30}, {153, 50, 30},
    {150, 30, 30}, {151, 30, 30}, {152, 30, 30}, {154, 30, 30},
    {156, 137, 17}, {157, 137, 17}, {158, 137, 17},
    {169, 600, 600}, {186, 73, 100},
    {219, 20, 20}, {220, 20, 20}, {221, 20, 20}, {222, 20, 20},
    // Pictures of the hide-and-guess and find games.
    {161, 110, 150}, {162, 110, 150}, {163, 110, 150}, {164, 110, 150},
    {165, 110, 150}, {166, 110, 150}, {167, 110, 150}, {168, 110, 150},
    {178, 110, 150}, {179, 110, 150}, {180, 110, 150}, {181, 110, 150},
    {182, 110, 150}, {183, 110, 150},
    {190, 110, 150}, {191, 110, 150}, {192, 110, 150}, {193, 110, 150},
    {194, 110, 150}, {195, 110, 150}, {196, 110, 150}, {197, 110, 150},
    {198, 110, 150}, {199, 110, 150}, {200, 110, 150}, {201, 110, 150},
    {205, 110, 150}, {206, 110, 150}, {207, 110, 150}, {208, 110, 150},
    {209, 110, 150}, {210, 110, 150}, {211, 110, 150}, {212, 110, 150},
    {213, 110, 150}, {214, 110, 150}, {215, 110, 150}, {216, 110, 150},
    {260, 110, 150}, {261, 110, 150}, {262, 110, 150}, {263, 110, 150},
};

inline constexpr SizedResource kIcons[] = {{128, 32, 32}, {155, 32, 32}};

struct CursorResource {
  int id;
  int hotX;
  int hotY;
};

inline constexpr int kCursorSize = 32;
inline constexpr CursorResource kCursors[] = {
    {170, 15, 15},  // drag: an open hand, grabbed in the palm
    {171, 4, 2},    // pick, the item under the cursor is selected
    {172, 4, 2},    // pick, nothing selected yet
    {173, 4, 2},    // pick, swap with the selection
};

struct StringResource {
  int id;
  std::string_view text;  // UTF-8
};

inline constexpr StringResource kStrings[] = {
    {101, "关于 Client(&A)..."},
    {103, "Windows 通信端口初始化失败。"},
};

// The game files as the games name them, relative to the working directory.
inline constexpr std::string_view kGameFiles[] = {
    "gif\\horse\\horse1.gif", "gif\\horse\\horse2.gif", "gif\\horse\\horse3.gif",
    "gif\\hrpic\\1.gif", "gif\\hrpic\\2.gif", "gif\\hrpic\\3.gif",
    "gif\\hrpic\\f1.gif", "gif\\hrpic\\f2.gif", "gif\\hrpic\\f3.gif",
    "gif\\qypic\\1.gif", "gif\\qypic\\2.gif", "gif\\qypic\\3.gif",
    "gif\\qypic\\f1.gif", "gif\\qypic\\f2.gif", "gif\\qypic\\f3.gif",
    "gif\\nmpic\\find1.gif", "gif\\nmpic\\find2.gif", "gif\\nmpic\\find3.gif", "gif\\nmpic\\find4.gif",
    "gif\\sxpic\\find1.gif", "gif\\sxpic\\find2.gif", "gif\\sxpic\\find3.gif", "gif\\sxpic\\find4.gif",
    "gif\\sun\\sun1.gif", "gif\\sun\\sun2.gif", "gif\\sun\\sun3.gif", "gif\\sun\\sun4.gif",
    "gif\\cao\\jingong.gif", "gif\\cao\\jiejian.gif", "gif\\cao\\saorao.gif",
    "gif\\cao\\fangjian.gif", "gif\\cao\\guanwang.gif", "gif\\cao\\caoxiao.gif",
    "gif\\wspic\\yinzi.gif", "gif\\wspic\\jiuhu.gif", "gif\\wspic\\wusong.gif",
    "gif\\wspic\\guanfu.gif", "gif\\wspic\\laohu.gif",
    "gif\\xfpic\\fukuan.gif", "gif\\xfpic\\jiache.gif", "gif\\xfpic\\anmo.gif",
    "gif\\xfpic\\doufeng.gif", "gif\\xfpic\\gouwu.gif", "gif\\xfpic\\meirong.gif",
    "sound\\Click.wav",
};

// Where the generator writes them, relative to the folder of the programs.
inline constexpr std::string_view kBitmapFolder = "res/bitmap";
inline constexpr std::string_view kIconFolder = "res/icon";
inline constexpr std::string_view kCursorFolder = "res/cursor";

} // namespace res
