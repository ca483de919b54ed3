// The candy button: every style in every state, the colour schemes, the border
// brightness limits and the picture positions. States are drawn on purpose, so a still
// picture shows each one; moving the pointer over a button changes it as usual.
#include <cstdio>

#include "gallery_section.h"
#include "widgets/candy_face.h"
#include "widgets/win/candy_button.h"

namespace {

constexpr int kLabelWidth = 110;
constexpr int kCellWidth = 126;
constexpr int kButtonWidth = 116;
constexpr int kButtonHeight = 30;
constexpr int kRow = 36;
constexpr int kStyles = 9;  // 0..7 and one beyond, which draws no face
constexpr int kPictureRowHeight = 56;

enum class Look { kNormal, kHover, kPressed, kChecked, kDisabled, kFocused };
constexpr Look kLooks[] = {Look::kNormal, Look::kHover, Look::kPressed,
                           Look::kChecked, Look::kDisabled, Look::kFocused};
constexpr const char* kLookNames[] = {"normal", "hover", "pressed", "checked", "disabled", "focused"};

int g_next_id = 1000;

HWND Candy(HWND parent, const char* caption, int x, int y, int style, int w = kButtonWidth,
           int h = kButtonHeight) {
  HWND button = dusk::CreateCandyButton(parent, g_next_id++, caption, x, y, w, h);
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), FALSE);
  dusk::SetCandyStyle(button, style);
  return button;
}

void ShowLook(HWND button, Look look) {
  switch (look) {
    case Look::kNormal: dusk::DrawCandyButton(button, dusk::kStateNormal); break;
    case Look::kHover: dusk::DrawCandyButton(button, dusk::kStateHover); break;
    case Look::kPressed: dusk::DrawCandyButton(button, dusk::kStatePressed); break;
    case Look::kChecked: dusk::SetCandyChecked(button, true); break;
    case Look::kDisabled: EnableWindow(button, FALSE); break;
    case Look::kFocused: dusk::DrawCandyButton(button, dusk::kStateFocused); break;
  }
}

void FillCandySection(HWND parent, int top) {
  int y = top;
  for (int i = 0; i < 6; ++i)
    GalleryLabel(parent, kLookNames[i], kLabelWidth + 8 + i * kCellWidth, y, kButtonWidth, 16);
  y += 18;
  char text[32];
  for (int style = 0; style < kStyles; ++style) {
    std::snprintf(text, sizeof(text), style < 8 ? "style %d" : "style %d (none)", style);
    GalleryLabel(parent, text, 16, y + 8, kLabelWidth - 8, 16);
    for (int i = 0; i < 6; ++i) {
      HWND button = Candy(parent, "&Candy", kLabelWidth + 8 + i * kCellWidth, y, style);
      ShowLook(button, kLooks[i]);
    }
    y += kRow;
  }

  GalleryLabel(parent, "schemes 1-6", 16, y + 8, kLabelWidth - 8, 16);
  for (int scheme = 1; scheme <= 6; ++scheme) {
    std::snprintf(text, sizeof(text), "Scheme %d", scheme);
    HWND button = Candy(parent, text, kLabelWidth + 8 + (scheme - 1) * kCellWidth, y, 3);
    dusk::SetCandyColorScheme(button, scheme);
    dusk::SetCandyForeColor(button, dusk::kWhite);
  }
  y += kRow;

  GalleryLabel(parent, "border -100/+100", 16, y + 8, kLabelWidth - 8, 16);
  const int brightness[] = {-100, 100, -100, 100, -100, 100};
  const int styles[] = {2, 2, 4, 4, 7, 7};
  for (int i = 0; i < 6; ++i) {
    std::snprintf(text, sizeof(text), "%+d", brightness[i]);
    HWND button = Candy(parent, text, kLabelWidth + 8 + i * kCellWidth, y, styles[i]);
    dusk::SetCandyBorderBrightness(button, brightness[i]);
  }
  y += kRow;

  GalleryLabel(parent, "picture 0-3", 16, y + 20, kLabelWidth - 8, 16);
  HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_INFORMATION));
  for (int align = 0; align < 4; ++align) {
    HWND button = Candy(parent, "Pic", kLabelWidth + 8 + align * kCellWidth, y, align == 2 ? 0 : 5,
                        kButtonWidth, kPictureRowHeight - 4);
    dusk::SetCandyPicture(button, icon, true);
    dusk::SetCandyPictureAlignment(button, align);
  }
  HWND hot = Candy(parent, "Hot", kLabelWidth + 8 + 4 * kCellWidth, y, 2, kButtonWidth, kPictureRowHeight - 4);
  dusk::SetCandyPicture(hot, icon, true);
  dusk::SetCandyPictureAlignment(hot, 2);
  dusk::SetCandyCaptionHighLite(hot, true, dusk::MakeColor(0, 160, 0));
  dusk::SetCandyIconHighLite(hot, true, dusk::MakeColor(0, 160, 0));
  dusk::DrawCandyButton(hot, dusk::kStateHover);
}

constexpr int kSectionHeight = 18 + (kStyles + 2) * kRow + kPictureRowHeight;

struct CandySectionRegistrar {
  CandySectionRegistrar() {
    RegisterGallerySection({10, "Candy button", kSectionHeight, FillCandySection});
  }
} candy_section_registrar;

}  // namespace
