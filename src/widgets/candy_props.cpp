#include "widgets/candy_props.h"

#include <algorithm>

namespace dusk {

CandyColors CandySchemeColors(int scheme) {
  switch (scheme) {
    case 1:
      return {MakeColor(32, 103, 208), MakeColor(80, 153, 233), MakeColor(16, 103, 160), MakeColor(176, 237, 255)};
    case 2:
      return {MakeColor(96, 144, 208), MakeColor(0, 96, 224), MakeColor(80, 128, 169), MakeColor(250, 250, 255)};
    case 3:
      return {MakeColor(0, 0, 128), MakeColor(0, 0, 160), MakeColor(0, 0, 240), MakeColor(0, 0, 255)};
    case 4:
      return {MakeColor(128, 0, 0), MakeColor(160, 0, 0), MakeColor(240, 0, 0), MakeColor(255, 0, 0)};
    case 5:
      return {MakeColor(0, 128, 0), MakeColor(0, 160, 0), MakeColor(0, 192, 0), MakeColor(0, 255, 0)};
    case 6:
      return {MakeColor(128, 128, 0), MakeColor(160, 160, 0), MakeColor(192, 192, 0), MakeColor(255, 255, 0)};
    default:
      return {};
  }
}

void CandyProps::SetColor(CandyColorRole role, Color value) {
  switch (role) {
    case CandyColorRole::kButtonUp: colors.up = value; break;
    case CandyColorRole::kButtonHover: colors.hover = value; break;
    case CandyColorRole::kButtonDown: colors.down = value; break;
    case CandyColorRole::kBright: colors.bright = value; break;
  }
  color_scheme = 0;
}

Color CandyProps::GetColor(CandyColorRole role) const {
  switch (role) {
    case CandyColorRole::kButtonUp: return colors.up;
    case CandyColorRole::kButtonHover: return colors.hover;
    case CandyColorRole::kButtonDown: return colors.down;
    case CandyColorRole::kBright: return colors.bright;
  }
  return 0;
}

void CandyProps::SetColorScheme(int32_t scheme) {
  if (scheme >= 1 && scheme <= 6) {
    const CandyColors preset = CandySchemeColors(scheme);
    SetColor(CandyColorRole::kButtonUp, preset.up);
    SetColor(CandyColorRole::kButtonHover, preset.hover);
    SetColor(CandyColorRole::kButtonDown, preset.down);
    SetColor(CandyColorRole::kBright, preset.bright);
  }
  color_scheme = scheme;
}

void CandyProps::SetBorderBrightness(int32_t value) {
  border_brightness = std::clamp(value, -100, 100);
}

const char* CandyChangeName(CandyProperty property) {
  switch (property) {
    case CandyProperty::kCaption: return "Caption";
    case CandyProperty::kFont: return "Font";
    case CandyProperty::kForeColor: return "ForeColor";
    case CandyProperty::kEnabled: return "Enabled";
    case CandyProperty::kStyle: return "Style";
    case CandyProperty::kColorScheme: return "m_ColorScheme";
    case CandyProperty::kColorButtonUp: return "m_ColorButtonUp";
    case CandyProperty::kColorButtonHover: return "m_ColorButtonHover";
    case CandyProperty::kColorButtonDown: return "m_ColorButtonDown";
    case CandyProperty::kColorBright: return "m_ColorBright";
    case CandyProperty::kBorderBrightness: return "m_BorderBrightness";
    case CandyProperty::kPicture: return "Picture";
    case CandyProperty::kPictureAlignment: return "PictureAlignment";
    case CandyProperty::kChecked: return "Checked";
    case CandyProperty::kDisplayHand: return "DisplayHand";
    case CandyProperty::kCaptionHighLite: return "CaptionHighLite";
    case CandyProperty::kCaptionHighLiteColor: return "CaptionHighLiteColor";
    case CandyProperty::kIconHighLite: return "IconHighLite";
    case CandyProperty::kIconHighLiteColor: return "IconHighLiteColor";
  }
  return "";
}

CandyProperty CandyColorProperty(CandyColorRole role) {
  switch (role) {
    case CandyColorRole::kButtonUp: return CandyProperty::kColorButtonUp;
    case CandyColorRole::kButtonHover: return CandyProperty::kColorButtonHover;
    case CandyColorRole::kButtonDown: return CandyProperty::kColorButtonDown;
    case CandyColorRole::kBright: return CandyProperty::kColorBright;
  }
  return CandyProperty::kColorButtonUp;
}

void SaveCandyProps(const CandyProps& p, PropertyBag& bag) {
  const CandyProps d;
  bag.Write("ForeColor", p.fore_color, d.fore_color);
  bag.Write("Enabled", p.enabled, d.enabled);
  bag.Write("Style", p.style, d.style);
  bag.Write("ColorScheme", p.color_scheme, d.color_scheme);
  bag.Write("ColorButtonUp", p.colors.up, d.colors.up);
  bag.Write("ColorButtonHover", p.colors.hover, d.colors.hover);
  bag.Write("ColorButtonDown", p.colors.down, d.colors.down);
  bag.Write("ColorBright", p.colors.bright, d.colors.bright);
  bag.Write("BorderBrightness", p.border_brightness, d.border_brightness);
  bag.Write("PictureAlignment", p.picture_alignment, d.picture_alignment);
  bag.Write("Checked", p.checked, d.checked);
  bag.Write("DisplayHand", p.display_hand, d.display_hand);
  bag.Write("CaptionHighLite", p.caption_highlite, d.caption_highlite);
  bag.Write("CaptionHighLiteColor", p.caption_highlite_color, d.caption_highlite_color);
  bag.Write("IconHighLite", p.icon_highlite, d.icon_highlite);
  bag.Write("IconHighLiteColor", p.icon_highlite_color, d.icon_highlite_color);
}

CandyProps LoadCandyProps(const PropertyBag& bag) {
  const CandyProps d;
  CandyProps p;
  auto color = [&](const char* name, Color def) { return static_cast<Color>(bag.Read(name, def)); };
  auto flag = [&](const char* name, bool def) { return bag.Read(name, def) != 0; };
  p.fore_color = color("ForeColor", d.fore_color);
  p.enabled = flag("Enabled", d.enabled);
  p.style = static_cast<int32_t>(bag.Read("Style", d.style));
  // The stored colours are read as they were saved, whatever scheme they came from.
  p.color_scheme = static_cast<int32_t>(bag.Read("ColorScheme", d.color_scheme));
  p.colors = {color("ColorButtonUp", d.colors.up), color("ColorButtonHover", d.colors.hover),
              color("ColorButtonDown", d.colors.down), color("ColorBright", d.colors.bright)};
  p.SetBorderBrightness(static_cast<int32_t>(bag.Read("BorderBrightness", d.border_brightness)));
  p.picture_alignment = static_cast<uint8_t>(bag.Read("PictureAlignment", d.picture_alignment));
  p.checked = flag("Checked", d.checked);
  p.display_hand = flag("DisplayHand", d.display_hand);
  p.caption_highlite = flag("CaptionHighLite", d.caption_highlite);
  p.caption_highlite_color = color("CaptionHighLiteColor", d.caption_highlite_color);
  p.icon_highlite = flag("IconHighLite", d.icon_highlite);
  p.icon_highlite_color = color("IconHighLiteColor", d.icon_highlite_color);
  return p;
}

}  // namespace dusk
