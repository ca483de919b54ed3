// The file manager's menu as the program and its shell extension both see it: the
// items, their verbs and help texts, the command identifiers the extension takes and
// how a click reaches the program. Shared word for word by the program and the
// extension DLL, so nothing here needs more than the language itself.
#pragma once
#include <cstdint>

namespace dusk {

// One choosable item of the submenu. The item's text is what the program acts on.
struct ShellMenuCommand {
  const char* text;
  const char* verb;  // language-independent name for callers that invoke by verb
  const char* help;  // shown by file managers that have a status line
};

// The submenu, top to bottom. A click carries the item's position in this table.
inline constexpr ShellMenuCommand kShellMenuCommands[] = {
    {"Shutdown", "dusklatch.shutdown", "Shuts the computer down."},
    {"Restart", "dusklatch.restart", "Restarts the computer."},
    {"StandBy", "dusklatch.standby", "Puts the computer on stand by."},
    {"Hibernate", "dusklatch.hibernate", "Hibernates the computer."},
    {"Logoff", "dusklatch.logoff", "Logs the current user off."},
    {"Lock Computer", "dusklatch.lock", "Locks the computer."},
    {"About", "dusklatch.about", "Shows what Dusklatch is."},
};
inline constexpr int kShellMenuCommandCount =
    sizeof(kShellMenuCommands) / sizeof(kShellMenuCommands[0]);

// Above the submenu: a dividing line, then the root item carrying the submenu and
// the picture found beside the program.
inline constexpr const char* kShellMenuSeparatorText = "-";
inline constexpr const char* kShellMenuRootText = "Dusklatch";
inline constexpr const char* kShellMenuRootHelp =
    "Shut down, restart, stand by, hibernate, log off or lock.";
inline constexpr const char* kShellMenuPictureFile = "green.bmp";

// Command identifiers are offsets from the first one the file manager offers: the
// submenu's items take 0..6 and the root item 7, so eight in all.
inline constexpr int kShellMenuRootOffset = kShellMenuCommandCount;
inline constexpr unsigned kShellMenuIdentifiersTaken = kShellMenuCommandCount + 1;

// True when the file manager's range [first, last] (both included) holds them all.
constexpr bool ShellMenuFitsRange(unsigned first, unsigned last) {
  return first <= last && last - first >= kShellMenuIdentifiersTaken - 1;
}

// The submenu position named by a verb, compared without regard to ASCII case; -1 for
// any other text. Reads the caller's text only as far as it can still match, so an
// unterminated or foreign text is never read beyond one character past a verb.
template <class Char>
constexpr int ShellMenuVerbIndex(const Char* verb) {
  if (!verb) return -1;
  auto lower = [](unsigned c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
  for (int i = 0; i < kShellMenuCommandCount; ++i) {
    const char* ours = kShellMenuCommands[i].verb;
    int k = 0;
    while (ours[k] != '\0' &&
           lower(static_cast<unsigned>(verb[k])) == static_cast<unsigned char>(ours[k]))
      ++k;
    if (ours[k] == '\0' && verb[k] == Char(0)) return i;
  }
  return -1;
}

// How a click reaches the running program: the extension finds the program's hidden
// host window by class and title and posts it this message with the item's position
// as wParam. The message is posted, never sent, so the file manager never waits on the
// program.
inline constexpr const char* kShellMenuHostClass = "Form1";
inline constexpr const char* kShellMenuHostTitle = "Dusklatch menu host";
inline constexpr unsigned kShellMenuClickMessage = 0x8000 + 61;  // WM_APP + 61

// The extension's class identifier and its two builds, which sit beside the program.
struct ClassIdentity {
  std::uint32_t data1;
  std::uint16_t data2, data3;
  std::uint8_t data4[8];
};
inline constexpr ClassIdentity kShellMenuClass{
    0x9A87D8EF, 0x337F, 0x4226, {0xAF, 0x23, 0x03, 0x99, 0xC0, 0x2C, 0x91, 0x32}};
inline constexpr const char* kShellMenuDll32 = "DusklatchMenu.dll";
inline constexpr const char* kShellMenuDll64 = "DusklatchMenu64.dll";

}  // namespace dusk
