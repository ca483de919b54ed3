#include "widgets/themed_props.h"

namespace dusk {

namespace {

constexpr int32_t kStoredStyleDefault = 3;

// One row per stored property: its stored name, where it lives, its default in a set.
template <typename Visit>
void EachStored(Visit visit, const ThemedProps& d) {
  visit("Style", &ThemedProps::style, int64_t{kStoredStyleDefault});
  visit("iNonThemeStyle", &ThemedProps::non_theme_style, int64_t{d.non_theme_style});
  visit("CaptionAlign", &ThemedProps::caption_align, int64_t{d.caption_align});
  visit("IconSize", &ThemedProps::icon_size, int64_t{d.icon_size});
  visit("IconAlign", &ThemedProps::icon_align, int64_t{d.icon_align});
  visit("Enabled", &ThemedProps::enabled, int64_t{d.enabled});
  visit("ShowFocus", &ThemedProps::show_focus, int64_t{d.show_focus});
  visit("USeCustomColors", &ThemedProps::custom_colors, int64_t{d.custom_colors});
  visit("BackColor", &ThemedProps::back_color, int64_t{d.back_color});
  visit("HighlightColor", &ThemedProps::highlight_color, int64_t{d.highlight_color});
  visit("FontColor", &ThemedProps::font_color, int64_t{d.font_color});
  visit("FontHighlightColor", &ThemedProps::font_highlight_color, int64_t{d.font_highlight_color});
  visit("ToolTipIcon", &ThemedProps::tooltip_icon, int64_t{d.tooltip_icon});
  visit("ToolTipType", &ThemedProps::tooltip_type, int64_t{d.tooltip_type});
  visit("ttBackColor", &ThemedProps::tooltip_back_color, int64_t{d.tooltip_back_color});
  visit("ttForeColor", &ThemedProps::tooltip_fore_color, int64_t{d.tooltip_fore_color});
  visit("ButtonType", &ThemedProps::button_type, int64_t{d.button_type});
  visit("Value", &ThemedProps::value, int64_t{d.value});
  visit("MaskColor", &ThemedProps::mask_color, int64_t{d.mask_color});
  visit("UseMaskColor", &ThemedProps::use_mask_color, int64_t{d.use_mask_color});
  visit("MousePointer", &ThemedProps::mouse_pointer, int64_t{d.mouse_pointer});
  visit("RoundedBordersByTheme", &ThemedProps::rounded_by_theme, int64_t{d.rounded_by_theme});
  visit("bRTLText", &ThemedProps::right_to_left, int64_t{d.right_to_left});
}

}  // namespace

bool ThemedPropertyNeedsLayout(ThemedProperty property) { return property != ThemedProperty::kOther; }

void SaveThemedProps(const ThemedProps& props, PropertyBag& bag) {
  EachStored([&](const char* name, auto member, int64_t fallback) {
    bag.Write(name, static_cast<int64_t>(props.*member), fallback);
  }, ThemedProps{});
}

ThemedProps LoadThemedProps(const PropertyBag& bag) {
  ThemedProps props;
  EachStored([&](const char* name, auto member, int64_t fallback) {
    using Field = std::remove_reference_t<decltype(props.*member)>;
    props.*member = static_cast<Field>(bag.Read(name, fallback));
  }, ThemedProps{});
  return props;
}

}  // namespace dusk
