#include "app/win/tray_menu_painter.h"

#include <algorithm>

#include "app/tray_menu_items.h"
#include "app/win/tray_menu_entry.h"
#include "widgets/candy_color.h"
#include "../../../resources/resource_ids.h"

namespace dusk {
namespace {

// Sizes in pixels at 96 dots per inch; the pictures stay 16 pixels at any setting.
constexpr int kPictureSize = 16;
constexpr int kPictureColumn = 26;  // the picture centred in a band this wide
constexpr int kTextGap = 8;
constexpr int kRightSpace = 24;     // room for the sub-menu arrow
constexpr int kMinItemHeight = 22;
constexpr int kSeparatorHeight = 7;

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

void Fill(HDC dc, const RECT& r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void Frame(HDC dc, const RECT& r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FrameRect(dc, &r, brush);
  DeleteObject(brush);
}

COLORREF Band() { return BlendColors(GetSysColor(COLOR_MENU), GetSysColor(COLOR_3DSHADOW), 22); }

}  // namespace

TrayMenuPainter::TrayMenuPainter() : dpi_(ScreenDpi()) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    font_ = CreateFontIndirectA(&metrics.lfMenuFont);
  std::fill(std::begin(imageOf_), std::end(imageOf_), -1);
  pictures_ = ImageList_Create(kPictureSize, kPictureSize, ILC_COLOR24 | ILC_MASK, IDB_MENU_COUNT, 0);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (int i = 0; i < IDB_MENU_COUNT && i < 32; ++i) {
    HBITMAP bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_MENU_FIRST + i));
    if (!bitmap) continue;
    // The pictures sit on a plain tile; its colour (the top-left pixel) is see-through.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF tile = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    imageOf_[i] = ImageList_AddMasked(pictures_, bitmap, tile);
    DeleteObject(bitmap);
  }
}

TrayMenuPainter::~TrayMenuPainter() {
  if (pictures_) ImageList_Destroy(pictures_);
  if (font_) DeleteObject(font_);
}

int TrayMenuPainter::Px(int pixelsAt96) const { return MulDiv(pixelsAt96, dpi_, 96); }

int TrayMenuPainter::Column() const { return std::max(Px(kPictureColumn), kPictureSize + 6); }

int TrayMenuPainter::TextLeft() const { return Column() + Px(kTextGap); }

int TrayMenuPainter::ImageOf(int picture) const {
  return picture >= 0 && picture < 32 ? imageOf_[picture] : -1;
}

void TrayMenuPainter::Measure(HWND window, MEASUREITEMSTRUCT& measure) const {
  const auto* entry = reinterpret_cast<const TrayMenuEntry*>(measure.itemData);
  if (!entry || !entry->item) {
    measure.itemWidth = static_cast<UINT>(TextLeft());
    measure.itemHeight = static_cast<UINT>(Px(kSeparatorHeight));
    return;
  }
  HDC dc = GetDC(window);
  HGDIOBJ old = font_ ? SelectObject(dc, font_) : nullptr;
  SIZE size{};
  GetTextExtentPoint32A(dc, entry->text.c_str(), static_cast<int>(entry->text.size()), &size);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  if (old) SelectObject(dc, old);
  ReleaseDC(window, dc);
  measure.itemWidth = static_cast<UINT>(TextLeft() + size.cx + Px(kRightSpace));
  measure.itemHeight = static_cast<UINT>(std::max<int>(Px(kMinItemHeight), tm.tmHeight + Px(8)));
}

void TrayMenuPainter::Draw(const DRAWITEMSTRUCT& draw) const {
  const auto* entry = reinterpret_cast<const TrayMenuEntry*>(draw.itemData);
  HDC dc = draw.hDC;
  const RECT& all = draw.rcItem;
  RECT band = all, body = all;
  band.right = all.left + Column();
  body.left = band.right;
  Fill(dc, band, Band());
  Fill(dc, body, GetSysColor(COLOR_MENU));

  if (!entry || !entry->item) {
    RECT line{all.left + TextLeft(), (all.top + all.bottom) / 2 - 1, all.right - 2, 0};
    line.bottom = line.top + 2;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }

  const bool disabled = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0 || !entry->enabled;
  const bool hot = (draw.itemState & ODS_SELECTED) != 0;
  if (hot) {
    RECT r = all;
    InflateRect(&r, -1, 0);
    if (!disabled) Fill(dc, r, BlendColors(GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_WINDOW), 75));
    Frame(dc, r, disabled ? GetSysColor(COLOR_3DSHADOW) : GetSysColor(COLOR_HIGHLIGHT));
  }

  const int image = ImageOf(entry->picture);
  if (image >= 0) {
    const int x = all.left + (Column() - kPictureSize) / 2;
    const int y = all.top + (all.bottom - all.top - kPictureSize) / 2;
    if (!disabled) {
      ImageList_Draw(pictures_, image, dc, x, y, ILD_TRANSPARENT);
    } else if (HICON icon = ImageList_GetIcon(pictures_, image, ILD_TRANSPARENT)) {
      DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, kPictureSize, kPictureSize,
                 DST_ICON | DSS_DISABLED);
      DestroyIcon(icon);
    }
  }

  const COLORREF textColor = GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_MENUTEXT);
  HGDIOBJ oldFont = font_ ? SelectObject(dc, font_) : nullptr;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(dc, textColor);
  RECT text = all;
  text.left += TextLeft();
  text.right -= Px(kRightSpace);
  DrawTextA(dc, entry->text.c_str(), static_cast<int>(entry->text.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  if (oldFont) SelectObject(dc, oldFont);

  if (entry->hasSubmenu) {
    const int cx = all.right - Px(12), cy = (all.top + all.bottom) / 2;
    const POINT arrow[3] = {{cx - 2, cy - 4}, {cx - 2, cy + 4}, {cx + 2, cy}};
    HBRUSH brush = CreateSolidBrush(textColor);
    HPEN pen = CreatePen(PS_SOLID, 1, textColor);
    HGDIOBJ oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
    Polygon(dc, arrow, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    // The system draws its own arrow after this; keep it off our picture.
    ExcludeClipRect(dc, all.right - Px(kRightSpace), all.top, all.right, all.bottom);
  }
}

}  // namespace dusk
