#pragma once
// Every dialog template of the program by id.
#include "res/DialogTemplate.h"

#include <span>

namespace res {

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_CLIENT_DIALOG = 102;
inline constexpr int IDD_LOGIN = 130;
inline constexpr int IDD_TIP = 131;
inline constexpr int IDD_SDBGJ = 160;
inline constexpr int IDD_GAME_START = 174;
inline constexpr int IDD_LEAVE = 175;
inline constexpr int IDD_TJSM = 177;
inline constexpr int IDD_CCJJ = 184;
inline constexpr int IDD_WSDH = 187;
inline constexpr int IDD_QINGYUAN = 188;
inline constexpr int IDD_SANXIAO = 189;
inline constexpr int IDD_XINGFU = 202;
inline constexpr int IDD_HUARONG = 203;
inline constexpr int IDD_NUOMAN = 204;
inline constexpr int IDD_COL_PANEL = 218;

// The template with `id`, or nullptr when there is none.
const DialogTemplate* FindTemplate(int id);
std::span<const DialogTemplate> AllTemplates();

} // namespace res
