// Where the candy button puts its picture and caption.
#pragma once
#include <string>

namespace dusk {

struct CandyLayoutInput {
  int picture_width = 0, picture_height = 0;  // 0 without a picture
  int text_width = 0, text_height = 0;        // 0 without a caption
  int client_width = 0, client_height = 0;
  int radius = 0;     // the style's corner radius; 0 for the rectangular styles
  int alignment = 0;  // 0 picture above, 1 caption above, 2 picture left, 3 picture right
  int state = 0;
};

struct CandyLayout {
  int picture_x = 0, picture_y = 0;
  int caption_x = 0, caption_y = 0;
  bool operator==(const CandyLayout&) const = default;
};

CandyLayout LayOutCandyContent(const CandyLayoutInput& in);

// The caption as it shows: "&x" becomes "x" (the access key, drawn underlined) and "&&"
// a single "&".
std::string CaptionWithoutPrefix(const std::string& caption);
// The access key's character in lower case, or 0 when the caption has none.
char CaptionAccessKey(const std::string& caption);

}  // namespace dusk
