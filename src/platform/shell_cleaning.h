// The shell's calls the cleaner makes: emptying the recycle bin, clearing the
// recent-documents list, and starting a program hidden without waiting for it.
#pragma once
#include <cstdint>
#include <string>

namespace dusk {

// Recycle-bin flags (the shell's values).
namespace recyclebin {
inline constexpr std::uint32_t NoConfirmation = 1;
inline constexpr std::uint32_t NoProgressUi = 2;
inline constexpr std::uint32_t NoSound = 4;
}  // namespace recyclebin

class ShellCleaning {
 public:
  virtual ~ShellCleaning() = default;
  // Every drive's recycle bin; the shell's answer is not looked at.
  virtual void EmptyRecycleBin(std::uint32_t flags) = 0;
  virtual void ClearRecentDocuments() = 0;
  // Starts the command with its window hidden and returns at once; false when it
  // could not be started (a missing batch file, for instance).
  virtual bool StartHidden(const std::string& command) = 0;
};

}  // namespace dusk
