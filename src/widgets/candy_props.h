// The candy button's stored properties and the rules of their setters: colour schemes,
// the clamp of the border brightness, and the stored set read back with its defaults.
#pragma once
#include <cstdint>
#include <string>

#include "widgets/candy_face.h"
#include "widgets/property_bag.h"

namespace dusk {

inline constexpr Color kCandyHighLiteDefault = MakeColor(0, 255, 0);

enum class CandyColorRole { kButtonUp, kButtonHover, kButtonDown, kBright };

struct CandyProps {
  Color fore_color = kBlack;
  bool enabled = true;
  int32_t style = 0;
  int32_t color_scheme = 0;
  CandyColors colors;
  int32_t border_brightness = 0;
  int picture_alignment = 0;
  bool checked = false;
  bool display_hand = false;
  bool caption_highlite = false;
  Color caption_highlite_color = kCandyHighLiteDefault;
  bool icon_highlite = false;
  Color icon_highlite_color = kCandyHighLiteDefault;

  // Any of the four face colours set by hand leaves the preset behind.
  void SetColor(CandyColorRole role, Color value);
  Color GetColor(CandyColorRole role) const;
  // 1..6 load a preset and are kept as the scheme; other values are only stored.
  void SetColorScheme(int32_t scheme);
  void SetBorderBrightness(int32_t value);  // clamped to -100..100
};

// The properties a setter can change, and the name each change is reported under: the
// property's own name, except that the colour-scheme group reports its stored names.
enum class CandyProperty {
  kCaption, kFont, kForeColor, kEnabled, kStyle, kColorScheme, kColorButtonUp, kColorButtonHover,
  kColorButtonDown, kColorBright, kBorderBrightness, kPicture, kPictureAlignment, kChecked,
  kDisplayHand, kCaptionHighLite, kCaptionHighLiteColor, kIconHighLite, kIconHighLiteColor
};
const char* CandyChangeName(CandyProperty property);
CandyProperty CandyColorProperty(CandyColorRole role);

// The four colours of presets 1..6 (index 0 is unused: own colours).
CandyColors CandySchemeColors(int scheme);

// Stored under the property names; values equal to the defaults are left out.
void SaveCandyProps(const CandyProps& props, PropertyBag& bag);
CandyProps LoadCandyProps(const PropertyBag& bag);

}  // namespace dusk
