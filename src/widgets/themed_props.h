// The themed button's stored properties: their defaults, which of them change the
// layout, and their stored set. Colours may name a system colour (high bit set, index in
// the low byte), as the defaults do. Texts (caption, tooltip text and title) and the
// font and icon live with the window.
#pragma once
#include <cstdint>
#include <string>
#include <type_traits>

#include "widgets/candy_color.h"
#include "widgets/property_bag.h"

namespace dusk {

inline constexpr Color kSysButtonFace = 0x8000000F;
inline constexpr Color kSysHighlight = 0x8000000D;
inline constexpr Color kSysButtonText = 0x80000012;
inline constexpr Color kSysInfoText = 0x80000017;
inline constexpr Color kSysInfoBackground = 0x80000018;

inline constexpr const char* kThemedVersion = "3.6.2";

struct ThemedProps {
  int32_t style = 0;  // a new button; a stored set without the value gives 3
  int32_t non_theme_style = 5;
  int32_t caption_align = 0;
  int32_t icon_size = 16;
  int32_t icon_align = 1;
  bool enabled = true;
  bool show_focus = false;
  bool custom_colors = false;
  Color back_color = kSysButtonFace;
  Color highlight_color = kSysHighlight;
  Color font_color = kSysButtonText;
  Color font_highlight_color = kSysButtonText;
  int16_t tooltip_icon = 0;  // none, information, warning, error
  int16_t tooltip_type = 1;  // 1 balloon, otherwise rectangular
  Color tooltip_back_color = kSysInfoBackground;  // 0 keeps the tooltip's own
  Color tooltip_fore_color = kSysInfoText;        // 0 keeps the tooltip's own
  int32_t button_type = 0;  // 1 toggle
  bool value = false;
  Color mask_color = MakeColor(192, 192, 192);
  bool use_mask_color = false;
  int16_t mouse_pointer = 0;
  bool rounded_by_theme = true;
  bool right_to_left = false;
};

// Properties whose change lays the button out again; every other one only repaints.
enum class ThemedProperty {
  kStyle, kNonThemeStyle, kCaption, kCaptionAlign, kIcon, kIconAlign, kIconSize, kOther
};
bool ThemedPropertyNeedsLayout(ThemedProperty property);

void SaveThemedProps(const ThemedProps& props, PropertyBag& bag);
ThemedProps LoadThemedProps(const PropertyBag& bag);

}  // namespace dusk
