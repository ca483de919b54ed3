// Control ids of the main window frame (frmMain1), its splash and about windows.
#pragma once

namespace dusk::ids {

// Pages Picture1..Picture7 are kPage + 1 .. kPage + 7.
inline constexpr int kPage = 100;
inline constexpr int kNavigationColumn = 115;  // Picture15
inline constexpr int kLinksPanel = 114;        // Picture14

// Navigation entries, top to bottom: Label4 (Main), Label11 (Schedule), Label5
// (Cleanup), Label6 (Settings), Label12 (Hotkeys), Label13 (Toolbar), Label15
// (Password), Label52 (About) are kNavigationEntry + 0 .. + 7.
inline constexpr int kNavigationEntry = 200;

inline constexpr int kTitle = 300;        // Label54
inline constexpr int kMinimize = 301;     // imgMinimize
inline constexpr int kClose = 302;        // imgClose
inline constexpr int kStatus = 303;       // lblStatus

// Web links.
inline constexpr int kHelpLink = 401;        // Label65
inline constexpr int kNavHelpLink = 402;     // Label14
inline constexpr int kForumLink = 403;       // Label64
inline constexpr int kRegisterLink = 404;    // Label63
inline constexpr int kSoftwareLink = 405;    // Label51
inline constexpr int kBannerName = 406;      // Label56
inline constexpr int kBannerBy = 407;        // Label57
inline constexpr int kBannerAddress = 408;   // Label58
inline constexpr int kBannerPicture = 409;   // Image12

// frmAbout
inline constexpr int kAboutOk = 1;
inline constexpr int kAboutVersion = 2;  // "Version " and the build's version

}  // namespace dusk::ids
