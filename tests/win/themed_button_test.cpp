// The isButton control created for real and driven by messages: what it tells its
// parent, its states, toggling, keys, hover and tooltip, the theme engine and its
// fall-back, the window outline, the pixels of style 8, the grey icon and links.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "window_probe.h"
#include "widgets/candy_canvas.h"
#include "widgets/themed_paint.h"
#include "widgets/themed_props.h"
#include "widgets/win/icon_grayscale.h"
#include "widgets/win/themed_button.h"
#include "widgets/win/window_subclass.h"

namespace dusk {
namespace {

constexpr int kId = 77;
using Words = std::vector<std::string>;
Words* g_events = nullptr;

LRESULT CALLBACK ParentProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && g_events && HIWORD(wp) == BN_CLICKED)
    g_events->push_back("click " + std::to_string(LOWORD(wp)));
  if (msg == WM_NOTIFY && g_events) {
    const auto* note = reinterpret_cast<const NMHDR*>(lp);
    if (note->code == kThemedMouseEnter) g_events->push_back("enter");
    if (note->code == kThemedMouseLeave) g_events->push_back("leave");
  }
  return DefWindowProcA(window, msg, wp, lp);
}

void Pump() {
  MSG m;
  for (int i = 0; i < 50 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class ThemedButtonWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ThemedTestParent";
    RegisterClassA(&wc);
    parent_ = CreateWindowExA(0, "ThemedTestParent", "", WS_POPUP, 0, 0, 400, 160, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    g_events = &events_;
  }
  void TearDown() override {
    g_events = nullptr;
    DestroyWindow(parent_);
    Pump();
  }
  HWND Make(int style, int w = 100, int h = 30, const char* caption = "", int id = kId, int x = 0) {
    HWND b = CreateThemedButton(parent_, id, caption, x, 0, w, h, style);
    Pump();
    events_.clear();
    return b;
  }
  HWND parent_ = nullptr;
  Words events_;
};

TEST_F(ThemedButtonWindow, NewButtonHasItsClassDefaultsMinimumSizeAndOutline) {
  HWND b = Make(0, 100, 30, "isButton");
  char cls[32]{};
  GetClassNameA(b, cls, sizeof(cls));
  EXPECT_STREQ(cls, "isButton");
  EXPECT_EQ(GetDlgCtrlID(b), kId);
  EXPECT_EQ(ThemedButtonProps(b).style, 0);
  EXPECT_EQ(ThemedButtonProps(b).non_theme_style, 5);
  EXPECT_EQ(ThemedButtonVersion(), "3.6.2");
  HWND tiny = Make(8, 1, 1, "", kId + 1);  // 10 twips and less grow to 300 twips
  RECT r;
  GetWindowRect(tiny, &r);
  EXPECT_EQ(r.right - r.left, 20);
  EXPECT_EQ(r.bottom - r.top, 20);

  SetThemedStyle(b, 8);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(b, region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 99, 29));
  EXPECT_TRUE(PtInRegion(region, 2, 1));
  EXPECT_TRUE(PtInRegion(region, 50, 15));
  SetThemedStyle(b, 10);
  ASSERT_NE(GetWindowRgn(b, region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 1, 1));
  EXPECT_TRUE(PtInRegion(region, 50, 1));
  SetThemedStyle(b, 2);
  ASSERT_NE(GetWindowRgn(b, region), ERROR);
  EXPECT_TRUE(PtInRegion(region, 0, 0));
  DeleteObject(region);
  EXPECT_EQ(ThemedButtonMargin(b), 3);
  SetThemedStyle(b, 9);
  EXPECT_EQ(ThemedButtonMargin(b), 6);
}

TEST_F(ThemedButtonWindow, ClickNeedsPressAndReleaseOverTheButton) {
  HWND b = Make(8);
  SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  EXPECT_EQ(ThemedButtonState(b), kThemedPressed);
  EXPECT_EQ(GetCapture(), b);
  SendMessageA(b, WM_LBUTTONUP, 0, At(12, 11));
  EXPECT_EQ(events_, (Words{"click 77"}));
  EXPECT_EQ(GetCapture(), nullptr);
  events_.clear();
  SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  SendMessageA(b, WM_LBUTTONUP, 0, At(150, 10));  // moved off before releasing
  EXPECT_EQ(events_, Words{});
  EXPECT_EQ(ThemedButtonState(b), kThemedNormal);
  // BM_CLICK, as a dialog or an automation tool sends it, and the driver's posted input.
  SendMessageA(b, BM_CLICK, 0, 0);
  PostMessageA(b, WM_MOUSEMOVE, 0, At(50, 15));
  PostMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 15));
  PostMessageA(b, WM_LBUTTONUP, 0, At(50, 15));
  Pump();
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "click 77"), 2);
  EnableWindow(b, FALSE);
  events_.clear();
  SendMessageA(b, BM_CLICK, 0, 0);
  SendMessageA(b, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(b, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(events_, Words{});
  EXPECT_EQ(ThemedButtonState(b), kThemedDisabled);
}

TEST_F(ThemedButtonWindow, ToggleButtonFlipsItsValueOnEachClickAndStaysPressed) {
  HWND b = Make(8);
  ThemedProps props = ThemedButtonProps(b);
  props.button_type = 1;
  SetThemedProps(b, props);
  SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  SendMessageA(b, WM_LBUTTONUP, 0, At(10, 10));
  EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(ThemedButtonProps(b).value || SendMessageA(b, BM_GETCHECK, 0, 0) == BST_CHECKED);
  EXPECT_EQ(ThemedButtonState(b), kThemedPressed);
  SendMessageA(b, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ThemedButtonState(b), kThemedPressed);  // still on
  SendMessageA(b, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(b, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(ThemedButtonState(b), kThemedNormal);
  EXPECT_EQ(events_, (Words{"click 77", "click 77"}));
}

TEST_F(ThemedButtonWindow, ArrowKeysMoveTheFocusAsTabDoes) {
  ShowWindow(parent_, SW_SHOWNOACTIVATE);
  SetForegroundWindow(parent_);
  HWND a = Make(8, 80, 30, "a", 1, 0);
  HWND b = Make(8, 80, 30, "b", 2, 90);
  HWND c = Make(8, 80, 30, "c", 3, 180);
  SetFocus(b);
  ASSERT_EQ(GetFocus(), b);
  EXPECT_TRUE(ThemedButtonFocused(b));
  SendMessageA(b, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(GetFocus(), c);
  EXPECT_FALSE(ThemedButtonFocused(b));
  SendMessageA(c, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(GetFocus(), b);
  SendMessageA(b, WM_KEYDOWN, VK_LEFT, 0);
  EXPECT_EQ(GetFocus(), a);
  SendMessageA(a, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(GetFocus(), b);
  SendMessageA(b, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(events_, (Words{"leave"}));
  EXPECT_EQ(SendMessageA(b, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
}

struct TooltipSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindOwnedTooltip(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<TooltipSearch*>(lp);
  char cls[32]{};
  GetClassNameA(w, cls, sizeof(cls));
  if (lstrcmpiA(cls, "tooltips_class32") == 0 && GetWindow(w, GW_OWNER) == s->owner) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

HWND OwnedTooltip(HWND owner) {
  TooltipSearch search{owner, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindOwnedTooltip, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST_F(ThemedButtonWindow, HoverRaisesEnterAndLeaveAndShowsItsOwnTooltip) {
  HWND b = Make(9, 100, 30, "Tip");
  SetThemedToolTip(b, "Arms the countdown", "Timer");
  ThemedProps props = ThemedButtonProps(b);
  props.tooltip_icon = 1;
  props.tooltip_back_color = MakeColor(0, 0, 128);
  props.tooltip_fore_color = 0;  // keeps the tooltip's own text colour
  SetThemedProps(b, props);
  EXPECT_EQ(WindowHookCount(b), 1);  // the pointer's comings and goings come through it
  SendMessageA(b, WM_MOUSEMOVE, 0, At(10, 10));
  EXPECT_EQ(events_, (Words{"enter"}));
  EXPECT_TRUE(ThemedButtonHovering(b));
  EXPECT_EQ(ThemedButtonState(b), kThemedHot);
  HWND tip = ThemedButtonTooltip(b);
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(OwnedTooltip(GetAncestor(b, GA_ROOT)), tip);  // a pop-up is owned by a top level
  EXPECT_NE(GetWindowLongA(tip, GWL_STYLE) & TTS_BALLOON, 0);
  EXPECT_NE(GetWindowLongA(tip, GWL_STYLE) & TTS_NOPREFIX, 0);
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0)), MakeColor(0, 0, 128));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPTEXTCOLOR, 0, 0)), GetSysColor(COLOR_INFOTEXT));
  SendMessageA(b, WM_MOUSEMOVE, 0, At(12, 10));  // moving on: no second enter
  EXPECT_EQ(events_.size(), 1u);
  SendMessageA(b, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(events_, (Words{"enter", "leave"}));
  EXPECT_FALSE(IsWindow(tip));
  EXPECT_EQ(ThemedButtonTooltip(b), nullptr);
  EXPECT_EQ(ThemedButtonState(b), kThemedNormal);

  props.tooltip_type = 0;  // rectangular
  SetThemedProps(b, props);
  SendMessageA(b, WM_MOUSEMOVE, 0, At(10, 10));
  tip = ThemedButtonTooltip(b);
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(GetWindowLongA(tip, GWL_STYLE) & TTS_BALLOON, 0);
  DestroyWindow(b);  // a tooltip never outlives its button
  EXPECT_FALSE(IsWindow(tip));
}

TEST_F(ThemedButtonWindow, Style8ShowsItsSetColoursOnTheClassicGrey) {
  HWND b = Make(8, 80, 24);
  ThemedProps props = ThemedButtonProps(b);
  props.custom_colors = true;
  props.back_color = MakeColor(212, 208, 200);
  props.highlight_color = MakeColor(212, 208, 200);
  SetThemedProps(b, props);
  Canvas c = Capture(b);
  EXPECT_EQ(c.At(40, 1), kWhite);
  EXPECT_EQ(c.At(40, 2), MakeColor(227, 223, 215));
  EXPECT_EQ(c.At(40, 20), MakeColor(197, 193, 185));
  EXPECT_EQ(c.At(40, 0), MakeColor(164, 160, 152));
  SendMessageA(b, WM_SETFOCUS, 0, 0);
  c = Capture(b);
  EXPECT_EQ(c.At(40, 0), MakeColor(116, 112, 104));
  // Without custom colours the system face is the starting point.
  props.custom_colors = false;
  SetThemedProps(b, props);
  SendMessageA(b, WM_KILLFOCUS, 0, 0);
  c = Capture(b);
  EXPECT_EQ(c.At(40, 0), ShiftColor(GetSysColor(COLOR_BTNFACE), -48));
  EXPECT_EQ(c.At(78, 1), GetSysColor(COLOR_BTNFACE) & 0xFFFFFF);
}

TEST_F(ThemedButtonWindow, CaptionIsDrawnInItsRectangleAndGreyWhenDisabled) {
  HWND b = Make(1, 120, 30, "WWWW");
  const RECT r = ThemedButtonCaptionRect(b);
  EXPECT_GT(r.right - r.left, 10);
  EXPECT_NEAR((r.left + r.right) / 2, 60, 2);  // centred
  auto dark = [&](const Canvas& c, Color colour) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y)
      for (int x = 0; x < c.width(); ++x) n += c.At(x, y) == (colour & 0xFFFFFF);
    return n;
  };
  EXPECT_GT(dark(Capture(b), GetSysColor(COLOR_BTNTEXT)), 10);
  EnableWindow(b, FALSE);
  EXPECT_EQ(ThemedButtonState(b), kThemedDisabled);
  EXPECT_GT(dark(Capture(b), GetSysColor(COLOR_GRAYTEXT)), 10);
  ThemedProps props = ThemedButtonProps(b);
  props.caption_align = 1;
  SetThemedProps(b, props);
  EXPECT_EQ(ThemedButtonCaptionRect(b).left, 3);  // the style margin
}

TEST_F(ThemedButtonWindow, Style6UsesTheThemeOrFallsBackToItsOtherStyle) {
  HWND b = Make(6, 100, 30);
  EXPECT_EQ(ThemedButtonProps(b).style, 6);  // Wine has a theme by default
  // As on a system without visual styles; turned on again below.
  EnableTheming(FALSE);
  RefreshThemedButton(b);
  EXPECT_EQ(ThemedButtonProps(b).style, 5);
  // This painting shows no face; the next, already queued, draws style 5.
  const Color face = GetSysColor(COLOR_BTNFACE) & 0xFFFFFF;
  EXPECT_EQ(Capture(b).At(50, 1), face);
  Pump();
  EXPECT_NE(Capture(b).At(50, 0), face);  // style 5's outline
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(b, region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));  // style 5's cut corner
  DeleteObject(region);
  SetThemedStyle(b, 6);  // setting the style again tries the theme again
  EXPECT_EQ(ThemedButtonProps(b).style, 5);
  EnableTheming(TRUE);
}

HICON MakeIcon(const std::vector<Color>& colours) {
  const int w = static_cast<int>(colours.size());
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -1;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  auto* p = static_cast<uint32_t*>(bits);
  for (int i = 0; i < w; ++i) {
    const Color c = colours[i];
    p[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  std::vector<uint8_t> mask_bits(4, 0);  // all opaque
  HBITMAP mask = CreateBitmap(w, 1, 1, 1, mask_bits.data());
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(colour);
  DeleteObject(mask);
  return icon;
}

TEST(ThemedIconGrayscale, ConvertsColoursKeepsSetGreysAndRefusesMissingInputs) {
  HICON icon = MakeIcon({MakeColor(255, 0, 0), MakeColor(144, 144, 144), MakeColor(128, 128, 128),
                         MakeColor(0, 200, 0)});
  ASSERT_NE(icon, nullptr);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = 4;
  bi.bmiHeader.biHeight = -1;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP target = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, target);
  EXPECT_TRUE(PaintIconGrayscale(dc, icon, 0, 0, 1, 4));
  GdiFlush();
  const auto* p = static_cast<const uint32_t*>(bits);
  EXPECT_EQ(p[0] & 0xFFFFFF, 0x545454u);  // 84
  EXPECT_EQ(p[1] & 0xFFFFFF, 0x949494u);  // 148
  EXPECT_EQ(p[2] & 0xFFFFFF, 0x808080u);  // kept
  EXPECT_EQ(p[3] & 0xFFFFFF, 0x767676u);  // 0.59 * 200 = 118
  EXPECT_FALSE(PaintIconGrayscale(nullptr, icon, 0, 0, 1, 4));
  EXPECT_FALSE(PaintIconGrayscale(dc, nullptr, 0, 0, 1, 4));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(target);
  DestroyIcon(icon);
}

TEST_F(ThemedButtonWindow, DisabledButtonShowsItsIconGreyAndMovesItWhenPressed) {
  HWND b = Make(1, 100, 30);
  HICON icon = MakeIcon(std::vector<Color>(16, MakeColor(255, 0, 0)));
  ThemedProps props = ThemedButtonProps(b);
  props.icon_size = 4;
  props.icon_align = 1;  // left, at the margin 3
  SetThemedProps(b, props);
  SetThemedIcon(b, icon, true);
  Canvas c = Capture(b);
  EXPECT_EQ(c.At(3, 13), MakeColor(255, 0, 0));
  SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 15));
  c = Capture(b);
  EXPECT_EQ(c.At(4, 14), MakeColor(255, 0, 0));
  EXPECT_NE(c.At(3, 13), MakeColor(255, 0, 0));
  SendMessageA(b, WM_LBUTTONUP, 0, At(50, 15));
  EnableWindow(b, FALSE);
  c = Capture(b);
  EXPECT_EQ(c.At(3, 13), MakeColor(84, 84, 84));
  DestroyWindow(b);
  DestroyIcon(icon);
}

// The lines of the file the test prefix's browser writes each address it is given to
// (a Linux path, reached through the Z: drive).
std::string OpenedAddresses() {
  const char* file = std::getenv("DUSK_OPENED_URLS");
  if (!file) return "";
  std::ifstream in(std::string("Z:") + file);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(ThemedButtonWindow, OpenLinkHandsTheAddressToTheBrowser) {
  ASSERT_NE(std::getenv("DUSK_OPENED_URLS"), nullptr) << "run under scripts/test.sh: its browser records addresses";
  HWND b = Make(8);
  const std::string address = "http://example.invalid/themed/" + std::to_string(GetCurrentProcessId()) + "-" +
                              std::to_string(GetTickCount()) + "?from=button";
  EXPECT_GT(OpenLink(b, address), 32);
  // The shell answers at once and starts the browser on its own.
  const DWORD until = GetTickCount() + 15000;
  while (OpenedAddresses().find(address) == std::string::npos && GetTickCount() < until) Sleep(100);
  EXPECT_NE(OpenedAddresses().find(address + "\n"), std::string::npos) << OpenedAddresses();
}

TEST_F(ThemedButtonWindow, StoredSetRoundTripsThroughTheWindow) {
  HWND b = Make(9);
  ThemedProps props = ThemedButtonProps(b);
  props.caption_align = 3;
  props.tooltip_type = 0;
  props.rounded_by_theme = false;
  SetThemedProps(b, props);
  PropertyBag bag;
  SaveThemedButton(b, bag);
  HWND other = Make(0, 100, 30, "", kId + 1);
  LoadThemedButton(other, bag);
  const ThemedProps loaded = ThemedButtonProps(other);
  EXPECT_EQ(loaded.style, 9);
  EXPECT_EQ(loaded.caption_align, 3);
  EXPECT_EQ(loaded.tooltip_type, 0);
  EXPECT_FALSE(loaded.rounded_by_theme);
  EXPECT_EQ(ThemedButtonMargin(other), 6);
  LoadThemedButton(other, PropertyBag{});
  EXPECT_EQ(ThemedButtonProps(other).style, 3);
}

TEST_F(ThemedButtonWindow, PointerShapeFollowsItsProperty) {
  HWND b = Make(8);
  ThemedProps props = ThemedButtonProps(b);
  props.mouse_pointer = 3;
  SetThemedProps(b, props);
  SendMessageA(b, WM_SETCURSOR, reinterpret_cast<WPARAM>(b), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM)));
  props.mouse_pointer = 0;
  SetThemedProps(b, props);
  SendMessageA(b, WM_SETCURSOR, reinterpret_cast<WPARAM>(b), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

TEST_F(ThemedButtonWindow, DefaultTooltipUsesTheSystemTooltipColours) {
  HWND b = Make(8, 100, 30, "Tip");
  SetThemedToolTip(b, "Plain", "");
  SendMessageA(b, WM_MOUSEMOVE, 0, At(10, 10));
  HWND tip = ThemedButtonTooltip(b);
  ASSERT_NE(tip, nullptr);
  // Background in the tooltip background colour, text in the tooltip text colour.
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0)), GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPTEXTCOLOR, 0, 0)), GetSysColor(COLOR_INFOTEXT));
  SendMessageA(b, WM_MOUSELEAVE, 0, 0);
  SetThemedToolTip(b, "", "");  // nothing to say: no tooltip window at all
  SendMessageA(b, WM_MOUSEMOVE, 0, At(10, 10));
  EXPECT_EQ(ThemedButtonTooltip(b), nullptr);
  EXPECT_EQ(events_, (Words{"enter", "leave", "enter"}));
}

TEST_F(ThemedButtonWindow, NewFontMovesTheCaptionAtOnce) {
  HWND b = Make(8, 160, 60, "Enable");
  const RECT before = ThemedButtonCaptionRect(b);
  HFONT big = CreateFontA(-30, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
  const RECT after = ThemedButtonCaptionRect(b);
  EXPECT_GT(after.right - after.left, before.right - before.left);
  EXPECT_GT(after.bottom - after.top, before.bottom - before.top);
  DestroyWindow(b);
  DeleteObject(big);
}

}  // namespace
}  // namespace dusk
