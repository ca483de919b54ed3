// The themed button: every style in every state, then the caption and icon placements,
// custom colours and a toggle button. States are drawn on purpose so a still picture
// shows each one; moving the pointer over a button changes it as usual.
#include <cstdio>

#include "gallery_section.h"
#include "widgets/themed_paint.h"
#include "widgets/win/themed_button.h"

namespace {

constexpr int kLabelWidth = 110;
constexpr int kCellWidth = 126;
constexpr int kButtonWidth = 116;
constexpr int kButtonHeight = 30;
constexpr int kRow = 36;
constexpr int kLooks = 6;
constexpr const char* kLookNames[kLooks] = {"normal", "hover", "pressed", "toggled", "disabled", "focused"};
constexpr int kExtraRows = 3;
constexpr int kTallRow = 50;

int g_next_id = 2000;

HWND Themed(HWND parent, const char* caption, int x, int y, int style, int w = kButtonWidth,
            int h = kButtonHeight) {
  HWND button = dusk::CreateThemedButton(parent, g_next_id++, caption, x, y, w, h, style);
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), TRUE);
  return button;
}

void ShowLook(HWND button, int look) {
  dusk::ThemedProps props = dusk::ThemedButtonProps(button);
  switch (look) {
    case 1: dusk::ForceThemedLook(button, dusk::kThemedHot, false); break;
    case 2: dusk::ForceThemedLook(button, dusk::kThemedPressed, false); break;
    case 3:
      props.button_type = 1;
      props.value = true;
      dusk::SetThemedProps(button, props);
      break;
    case 4: EnableWindow(button, FALSE); break;
    case 5:
      props.show_focus = true;
      dusk::SetThemedProps(button, props);
      dusk::ForceThemedLook(button, dusk::kThemedNormal, true);
      break;
    default: break;
  }
}

void FillThemedSection(HWND parent, int top) {
  int y = top;
  for (int i = 0; i < kLooks; ++i)
    GalleryLabel(parent, kLookNames[i], kLabelWidth + 8 + i * kCellWidth, y, kButtonWidth, 16);
  y += 18;
  char text[32];
  for (int style = 0; style < dusk::kThemedStyleCount; ++style) {
    std::snprintf(text, sizeof(text), style == dusk::kThemedEngineStyle ? "style %d (theme)" : "style %d", style);
    GalleryLabel(parent, text, 16, y + 8, kLabelWidth - 8, 16);
    for (int look = 0; look < kLooks; ++look)
      ShowLook(Themed(parent, "&Themed", kLabelWidth + 8 + look * kCellWidth, y, style), look);
    y += kRow;
  }

  GalleryLabel(parent, "caption 0-4", 16, y + 16, kLabelWidth - 8, 16);
  HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_INFORMATION));
  for (int align = 0; align < 5; ++align) {
    std::snprintf(text, sizeof(text), "Caption %d", align);
    HWND button = Themed(parent, text, kLabelWidth + 8 + align * kCellWidth, y, 8, kButtonWidth, kTallRow - 6);
    dusk::ThemedProps props = dusk::ThemedButtonProps(button);
    props.caption_align = align;
    dusk::SetThemedProps(button, props);
  }
  y += kTallRow;

  GalleryLabel(parent, "icon 0-4", 16, y + 16, kLabelWidth - 8, 16);
  for (int align = 0; align < 5; ++align) {
    HWND button = Themed(parent, align == 0 ? "" : "Icon", kLabelWidth + 8 + align * kCellWidth, y, 9,
                         kButtonWidth, kTallRow - 6);
    dusk::ThemedProps props = dusk::ThemedButtonProps(button);
    props.icon_align = align;
    props.icon_size = 16;
    // The caption keeps clear of the icon: opposite side, or centred under a centred icon.
    constexpr int kCaptionAway[5] = {0, 2, 1, 4, 3};
    props.caption_align = kCaptionAway[align];
    dusk::SetThemedProps(button, props);
    dusk::SetThemedIcon(button, icon, true);
  }
  HWND grey = Themed(parent, "Grey", kLabelWidth + 8 + 5 * kCellWidth, y, 9, kButtonWidth, kTallRow - 6);
  dusk::SetThemedIcon(grey, icon, true);
  EnableWindow(grey, FALSE);
  y += kTallRow;

  GalleryLabel(parent, "custom colours", 16, y + 8, kLabelWidth - 8, 16);
  const int styles[kLooks] = {0, 3, 5, 8, 9, 10};
  for (int i = 0; i < kLooks; ++i) {
    HWND button = Themed(parent, "Custom", kLabelWidth + 8 + i * kCellWidth, y, styles[i]);
    dusk::ThemedProps props = dusk::ThemedButtonProps(button);
    props.custom_colors = true;
    props.back_color = dusk::MakeColor(70, 110, 170);
    props.highlight_color = dusk::MakeColor(110, 160, 220);
    props.font_color = dusk::kWhite;
    props.font_highlight_color = dusk::MakeColor(255, 240, 160);
    dusk::SetThemedProps(button, props);
    dusk::SetThemedToolTip(button, "A themed button with its own colours", "Custom colours");
  }
}

constexpr int kSectionHeight = 18 + dusk::kThemedStyleCount * kRow + 2 * kTallRow + (kExtraRows - 2) * kRow;

struct ThemedSectionRegistrar {
  ThemedSectionRegistrar() {
    RegisterGallerySection({20, "Themed button", kSectionHeight, FillThemedSection});
  }
} themed_section_registrar;

}  // namespace
