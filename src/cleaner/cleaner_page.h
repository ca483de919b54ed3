// The cleaner page: nine task boxes kept in section "CLEANUP" of config.ini, and the
// two hidden flags behind "Select all" and "Deselect all".
#pragma once
#include <array>
#include <string>

#include "platform/dialogs.h"
#include "platform/profile.h"

namespace dusk {

// The task boxes Check1..Check9; Check8 (the Run box's list) is hidden on the page and
// set only from the file.
enum CleanupBox {
  kCheck1,  // recycle bin
  kCheck2,  // recent documents
  kCheck3,  // typed addresses
  kCheck4,  // browser history
  kCheck5,  // media player list
  kCheck6,  // cookies
  kCheck7,  // Paint list
  kCheck8,  // Run box list (hidden)
  kCheck9,  // temporary folder
  kCleanupBoxCount
};

struct CleanupBoxSpec {
  const char* label;  // the visible text beside the bare box
  const char* key;    // in section "CLEANUP"; some keys name another row than theirs
  bool shown;
};

inline constexpr const char* kCleanupSection = "CLEANUP";
// Indexed by CleanupBox; also the order the keys are written in.
inline constexpr std::array<CleanupBoxSpec, kCleanupBoxCount> kCleanupBoxes{{
    {"Empty recycle bin ", "recyclebin", true},
    {"Erase Recent Document list", "recentdocument", true},
    {"Clear typed urls in internet explorer", "explorerhistory", true},
    {"Clear Internet explorer history", "urlhistory", true},
    {"Clear history of  files played in windows media player", "wmphistory", true},
    {"Clear cookies", "searchhistory", true},
    {"Clear paintbrush history", "pbhistory", true},
    {"Clear  Run menu history", "runhistory", false},
    {"Clear the contents of TEMP folder", "tempclean", true},
}};

// Top to bottom on the page; the hidden box comes last.
inline constexpr std::array<CleanupBox, kCleanupBoxCount> kCleanupRows{
    kCheck1, kCheck2, kCheck3, kCheck4, kCheck5, kCheck6, kCheck7, kCheck9, kCheck8};

inline constexpr const char* kCleanupNote =
    "**These operations will be performed automatically when    the time reaches.";

using CleanupBoxes = std::array<bool, kCleanupBoxCount>;

// A box is ticked only when its key holds 1; anything else (missing, "0", text) is clear.
CleanupBoxes LoadCleanupBoxes(ProfileApi& profile, const std::string& iniPath);

// "Save settings": refused with a message while none of the eight shown boxes is
// ticked (the hidden one does not count); otherwise writes the nine keys, the hidden
// box's as it stands, and says so. True when written.
bool SaveCleanupBoxes(const CleanupBoxes& boxes, ProfileApi& profile, const std::string& iniPath,
                      Dialogs& dialogs);

// The page's state: the task boxes as they stand (a tick not yet saved counts for the
// next run) and the hidden flags Check10 ("Select all options below") and Check11
// ("Uncheck all options"), clear at every start and never saved. Setting a flag to the
// value it already has does nothing; that is why a second press of the same button
// changes nothing until the other one has been pressed.
class CleanerPage {
 public:
  CleanerPage() { boxes_.fill(false); }
  explicit CleanerPage(const CleanupBoxes& loaded) : boxes_(loaded) {}

  const CleanupBoxes& boxes() const { return boxes_; }
  bool box(CleanupBox b) const { return boxes_[b]; }
  bool check10() const { return check10_; }
  bool check11() const { return check11_; }

  // A click on the box itself (the page reports its new state).
  void SetBox(CleanupBox b, bool ticked) { boxes_[b] = ticked; }
  // A click on the box's label.
  void ToggleBox(CleanupBox b) { boxes_[b] = !boxes_[b]; }

  void SelectAll();    // button2
  void DeselectAll();  // CandyButton2

  void SetCheck10(bool value);
  void SetCheck11(bool value);

 private:
  void SetShownBoxes(bool ticked);

  CleanupBoxes boxes_;
  bool check10_ = false;
  bool check11_ = false;
};

}  // namespace dusk
