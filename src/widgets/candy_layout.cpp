#include "widgets/candy_layout.h"

#include <cctype>
#include <cmath>

#include "widgets/candy_face.h"

namespace dusk {

namespace {

// The positions are worked out with halves and then cut to whole pixels.
int Whole(double value) { return static_cast<int>(std::trunc(value)); }

}  // namespace

CandyLayout LayOutCandyContent(const CandyLayoutInput& in) {
  const double pw = in.picture_width, ph = in.picture_height;
  const double tw = in.text_width, th = in.text_height;
  const double sw = in.client_width, sh = in.client_height;
  const int r = in.radius == 0 ? 8 : in.radius;
  CandyLayout out;
  switch (in.alignment) {
    case 0:
      out = {Whole((sw - pw) / 2 + 1), Whole((sh - ph - th) / 2 + 1), Whole(std::abs(sw / 2 - tw / 2)),
             Whole(std::abs(sh / 2 + ph / 2 - th / 2))};
      break;
    case 1:
      out = {Whole((sw - pw) / 2), Whole((sh - ph + th) / 2 + 1), Whole(std::abs(sw / 2 - tw / 2)),
             Whole(std::abs(sh / 2 - (ph + th) / 2))};
      break;
    case 2:
    case 3:
      out = {in.alignment == 2 ? r : Whole(sw - r - pw), Whole((sh - ph) / 2 + 1),
             Whole(std::abs(sw / 2 - tw / 2)), Whole(std::abs(sh / 2 - th / 2))};
      break;
    default:
      break;
  }
  if (in.state == kStatePressed) {
    ++out.picture_x;
    ++out.picture_y;
    ++out.caption_x;
    ++out.caption_y;
  }
  return out;
}

std::string CaptionWithoutPrefix(const std::string& caption) {
  std::string shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    else if (caption[i] == '&') continue;
    shown += caption[i];
  }
  return shown;
}

char CaptionAccessKey(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    ++i;
  }
  return 0;
}

}  // namespace dusk
