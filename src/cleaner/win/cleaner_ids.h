// Control ids of the cleaner page (Picture2); the end-to-end scripts find the controls
// by them.
#pragma once

namespace dusk {

inline constexpr int kCleanupCheck = 1201;   // Check1..Check9: 1201..1209
inline constexpr int kCheck10Id = 1210;      // hidden: "Select all options below"
inline constexpr int kCheck11Id = 1211;      // hidden: "Uncheck all options"
inline constexpr int kCleanupLabel = 1239;   // Label39..Label47: 1239..1247, beside Check1..Check9
inline constexpr int kCleanerSelectAll = 1250;    // button2 "Select all"
inline constexpr int kCleanerDeselectAll = 1251;  // CandyButton2 "Deselect all"
inline constexpr int kCleanerSave = 1252;         // CandyButton3 "Save settings"
inline constexpr int kCleanerFrame = 1253;        // Frame "Windows Cleaner"
inline constexpr int kCleanerNote = 1254;         // the note under the rows

}  // namespace dusk
