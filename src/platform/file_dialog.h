// The open-file dialog.
#pragma once
#include <optional>
#include <string>

namespace dusk {

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // `filter` pairs descriptions and patterns with "|": "MP3 (*.mp3)|*.MP3|WAV (*.wav)|*.WAV".
  // Returns the chosen file's full path, or nothing when the user cancels.
  virtual std::optional<std::string> ChooseFileToOpen(const std::string& filter) = 0;
};

}  // namespace dusk
