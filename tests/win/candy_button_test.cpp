// The CandyButton control created for real and driven by messages: what it tells its
// parent, the states it draws, its window shape and the pixels it shows.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "window_probe.h"
#include "widgets/candy_canvas.h"
#include "widgets/candy_face.h"
#include "widgets/candy_shape.h"
#include "widgets/win/candy_button.h"
#include "widgets/win/window_subclass.h"

namespace dusk {
namespace {

constexpr int kId = 42;
constexpr Color kParentBack = MakeColor(10, 20, 30);

// A parent that records what its buttons tell it, as short words in order.
struct Recorder {
  std::vector<std::string> events;
  std::vector<CandyMouseNotify> moves;
  bool destroy_on_click = false;
};
Recorder* g_recorder = nullptr;

LRESULT CALLBACK ParentProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  static HBRUSH back = CreateSolidBrush(kParentBack);
  switch (msg) {
    case WM_COMMAND:
      if (g_recorder && LOWORD(wp) == kId) {
        if (HIWORD(wp) == BN_CLICKED) g_recorder->events.push_back("click");
        if (HIWORD(wp) == BN_DOUBLECLICKED) g_recorder->events.push_back("dblclick");
        if (g_recorder->destroy_on_click) DestroyWindow(reinterpret_cast<HWND>(lp));
      }
      return 0;
    case WM_NOTIFY: {
      auto* note = reinterpret_cast<CandyMouseNotify*>(lp);
      if (!g_recorder || note->header.idFrom != kId) return 0;
      switch (note->header.code) {
        case kCandyMouseEnter: g_recorder->events.push_back("enter"); break;
        case kCandyMouseLeave: g_recorder->events.push_back("leave"); break;
        case kCandyMouseDown: g_recorder->events.push_back("down"); break;
        case kCandyMouseUp: g_recorder->events.push_back("up"); break;
        case kCandyMouseMove: g_recorder->moves.push_back(*note); break;
        default: break;
      }
      return 0;
    }
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(back);
  }
  return DefWindowProcA(window, msg, wp, lp);
}

class CandyButtonWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CandyTestParent";
    RegisterClassA(&wc);
    parent_ = CreateWindowExA(0, "CandyTestParent", "", WS_POPUP, 0, 0, 300, 120, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    g_recorder = &recorder_;
  }
  void TearDown() override {
    g_recorder = nullptr;
    DestroyWindow(parent_);
  }
  HWND Make(int style, int w = 100, int h = 30, const char* caption = "") {
    HWND button = CreateCandyButton(parent_, kId, caption, 0, 0, w, h);
    SetCandyStyle(button, style);
    recorder_.events.clear();
    return button;
  }
  HWND parent_ = nullptr;
  Recorder recorder_;
};

using Words = std::vector<std::string>;

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

TEST_F(CandyButtonWindow, NewButtonHasItsClassIdDefaultsAndShape) {
  HWND button = Make(0, 100, 30, "&Save settings");
  char cls[32]{};
  GetClassNameA(button, cls, sizeof(cls));
  EXPECT_STREQ(cls, "CandyButton");
  EXPECT_EQ(GetDlgCtrlID(button), kId);
  const CandyProps props = CandyButtonProperties(button);
  EXPECT_EQ(props.colors.up, 15309136u);
  EXPECT_EQ(props.colors.hover, 16760976u);
  EXPECT_EQ(props.fore_color, 0u);
  EXPECT_EQ(CandyButtonDrawnState(button), kStateNormal);
  // Rectangular styles have no region; rounded ones are cut at the corners.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(button, region), ERROR);
  SetCandyStyle(button, 2);
  ASSERT_NE(GetWindowRgn(button, region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 99, 29));
  EXPECT_TRUE(PtInRegion(region, 0, 15));
  EXPECT_TRUE(PtInRegion(region, 16, 0));
  EXPECT_TRUE(PtInRegion(region, 99, 15));
  SetCandyStyle(button, 0);
  EXPECT_EQ(GetWindowRgn(button, region), ERROR);
  // The pill's own radius: 31 high gives 10.
  SetWindowPos(button, nullptr, 0, 0, 90, 31, SWP_NOMOVE | SWP_NOZORDER);
  SetCandyStyle(button, 6);
  ASSERT_NE(GetWindowRgn(button, region), ERROR);
  const RoundRect pill = CandyOuterShape(90, 31, 10);
  for (int y = 0; y < 31; ++y)
    for (int x = 0; x < 90; ++x)
      ASSERT_EQ(PtInRegion(region, x, y) != FALSE, pill.Contains(x, y)) << x << "," << y;
  DeleteObject(region);
}

TEST_F(CandyButtonWindow, ClickNeedsPressAndReleaseInside) {
  HWND button = Make(2);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  EXPECT_EQ(CandyButtonDrawnState(button), kStatePressed);
  SendMessageA(button, WM_LBUTTONUP, 0, At(12, 11));
  EXPECT_EQ(recorder_.events, (Words{"down", "up", "click"}));
  recorder_.events.clear();
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, At(150, 10));
  EXPECT_EQ(CandyButtonDrawnState(button), kStateNormal);
  SendMessageA(button, WM_LBUTTONUP, 0, At(150, 10));
  EXPECT_EQ(recorder_.events, (Words{"down", "up"}));
  EXPECT_EQ(GetCapture(), nullptr);
  recorder_.events.clear();
  SendMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, At(10, 10));
  SendMessageA(button, WM_LBUTTONUP, 0, At(10, 10));
  EXPECT_EQ(recorder_.events, (Words{"dblclick", "up"}));
}

TEST_F(CandyButtonWindow, EnterPressesThenShowsFocusAndClicks) {
  HWND button = Make(3);
  SendMessageA(button, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(CandyButtonDrawnState(button), kStateFocused);
  SendMessageA(button, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(CandyButtonDrawnState(button), kStatePressed);
  SendMessageA(button, WM_KEYUP, VK_RETURN, 0);
  EXPECT_EQ(CandyButtonDrawnState(button), kStateFocused);
  EXPECT_EQ(recorder_.events, (Words{"down", "up", "click"}));
  recorder_.events.clear();
  SendMessageA(button, WM_KEYUP, VK_RETURN, 0);  // a release without its press
  EXPECT_TRUE(recorder_.events.empty());
  SendMessageA(button, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(CandyButtonDrawnState(button), kStateNormal);
}

TEST_F(CandyButtonWindow, HoverEntersAndLeavesUnlessChecked) {
  HWND button = Make(4);
  SendMessageA(button, WM_MOUSEMOVE, 0, At(20, 10));
  EXPECT_TRUE(CandyButtonHovering(button));
  EXPECT_EQ(CandyButtonDrawnState(button), kStateHover);
  SendMessageA(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(CandyButtonHovering(button));
  EXPECT_EQ(CandyButtonDrawnState(button), kStateNormal);
  EXPECT_EQ(recorder_.events, (Words{"enter", "leave"}));

  SetCandyChecked(button, true);
  EXPECT_EQ(CandyButtonDrawnState(button), kStateChecked);
  const Canvas checked = Capture(button);
  SendMessageA(button, WM_MOUSEMOVE, 0, At(20, 10));
  SendMessageA(button, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(Capture(button).pixels(), checked.pixels());
  SendMessageA(button, WM_MOUSELEAVE, 0, 0);
  SendMessageA(button, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(Capture(button).pixels(), checked.pixels());
  SetCandyChecked(button, false);
  EXPECT_EQ(CandyButtonDrawnState(button), kStateNormal);
}

TEST_F(CandyButtonWindow, MovesCarryButtonsKeysAndPositionAndHoverAsksForTheLeave) {
  HWND button = Make(5);
  SendMessageA(button, WM_MOUSEMOVE, MK_RBUTTON | MK_SHIFT, At(33, 7));
  ASSERT_EQ(recorder_.moves.size(), 1u);
  EXPECT_EQ(recorder_.moves[0].button, 2);
  EXPECT_EQ(recorder_.moves[0].shift & 1, 1);
  EXPECT_EQ(recorder_.moves[0].x, 33.0f);
  EXPECT_EQ(recorder_.moves[0].y, 7.0f);
  SendMessageA(button, WM_MOUSELEAVE, 0, 0);  // that move counted as an entry
  recorder_.events.clear();
  // The real pointer enters and then leaves: the system's leave notification, asked for
  // on entering, ends the hover by itself.
  SetWindowPos(parent_, HWND_TOPMOST, 100, 100, 300, 120, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetCursorPos(120, 110);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  POINT where{};
  GetCursorPos(&where);
  ASSERT_EQ(WindowFromPoint(where), button);
  SendMessageA(button, WM_MOUSEMOVE, 0, At(20, 10));
  ASSERT_TRUE(CandyButtonHovering(button));
  TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, nullptr, 0};
  TrackMouseEvent(&query);
  EXPECT_EQ(query.hwndTrack, button);
  EXPECT_EQ(query.dwFlags & TME_LEAVE, static_cast<DWORD>(TME_LEAVE));
  const DWORD until = GetTickCount() + 2000;
  for (int i = 0; CandyButtonHovering(button) && GetTickCount() < until; ++i) {
    SetCursorPos(600 + i % 2, 600);  // the system looks again when the pointer moves
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
  EXPECT_FALSE(CandyButtonHovering(button));
  EXPECT_EQ(recorder_.events, (Words{"enter", "leave"}));
}

TEST_F(CandyButtonWindow, DisabledButtonIsGreyWithAWhiteGlowAndSilent) {
  HWND button = Make(2);
  EnableWindow(button, FALSE);
  EXPECT_FALSE(CandyButtonProperties(button).enabled);
  const Canvas pic = Capture(button);
  EXPECT_EQ(pic.At(3, 12), kCandyDisabledFace);
  EXPECT_EQ(pic.At(50, 26), kWhite);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  SendMessageA(button, WM_LBUTTONUP, 0, At(10, 10));
  SendMessageA(button, WM_MOUSEMOVE, 0, At(20, 10));
  SendMessageA(button, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(button, WM_KEYUP, VK_RETURN, 0);
  EXPECT_TRUE(recorder_.events.empty());
  EXPECT_EQ(CandyButtonDrawnState(button), kStateNormal);
  EnableWindow(button, TRUE);
  EXPECT_EQ(Capture(button).At(3, 12), MakeColor(80, 153, 233));
}

TEST_F(CandyButtonWindow, ShowsExactlyThePaintedFaceOnTheParentsBackColour) {
  for (int style = 0; style <= 8; ++style) {
    for (int state : {kStateNormal, kStatePressed, kStateFocused, kStateHover, kStateChecked}) {
      SCOPED_TRACE(testing::Message() << "style " << style << " state " << state);
      HWND button = Make(style, 96, 28);
      SetCandyColorScheme(button, 5);
      SetCandyBorderBrightness(button, -60);
      DrawCandyButton(button, state);
      Canvas expected(96, 28);
      CandyFace face;
      face.style = style;
      face.state = state;
      face.colors = CandySchemeColors(5);
      face.border_brightness = -60;
      face.back_color = kParentBack;
      PaintCandyFace(expected, face);
      ASSERT_EQ(Capture(button).pixels(), expected.pixels());
      DestroyWindow(button);
    }
  }
}

TEST_F(CandyButtonWindow, CaptionAndPictureGoWhereTheyBelong) {
  HWND button = Make(8, 100, 40, "WWW");  // no face: only what is drawn on top
  SetCandyForeColor(button, MakeColor(255, 0, 0));
  // Text may be smoothed: count the pixels that lean clearly to the colour.
  auto count = [](const Canvas& c, Color color) {
    int n = 0;
    for (Color px : c.pixels()) {
      const Rgb got = GetRGB(px), want = GetRGB(color);
      n += std::abs(got.red - want.red) < 100 && std::abs(got.green - want.green) < 100 &&
           std::abs(got.blue - want.blue) < 100;
    }
    return n;
  };
  EXPECT_GT(count(Capture(button), MakeColor(255, 0, 0)), 5);
  SetCandyCaptionHighLite(button, true, MakeColor(0, 255, 0));
  DrawCandyButton(button, kStateHover);
  EXPECT_GT(count(Capture(button), MakeColor(0, 255, 0)), 5);
  EXPECT_EQ(count(Capture(button), MakeColor(255, 0, 0)), 0);

  // A 10 x 10 blue picture at the left of a rectangular style starts 8 pixels in.
  HWND pictured = Make(0, 100, 40, "");
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 10, 10);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 10, 10};
  HBRUSH blue = CreateSolidBrush(MakeColor(0, 0, 255));
  FillRect(dc, &all, blue);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  SetCandyPicture(pictured, bitmap, false);
  SetCandyPictureAlignment(pictured, 2);
  const Canvas pic = Capture(pictured);
  int left = -1, top = -1;
  for (int y = 0; y < pic.height() && left < 0; ++y)
    for (int x = 0; x < pic.width(); ++x)
      if (pic.At(x, y) == MakeColor(0, 0, 255)) {
        left = x;
        top = y;
        break;
      }
  EXPECT_EQ(left, 8);
  EXPECT_EQ(top, 16);  // (40 - 10) / 2 + 1
  DrawCandyButton(pictured, kStatePressed);
  EXPECT_EQ(Capture(pictured).At(9, 17), MakeColor(0, 0, 255));
  EXPECT_NE(Capture(pictured).At(8, 16), MakeColor(0, 0, 255));
  DestroyWindow(pictured);
  DeleteObject(bitmap);
  DeleteObject(blue);
}

// Style 0 shows the focus in its face; the other styles look the same focused or not,
// so the keyboard's focus gets a dotted mark, gone again with the focus.
TEST_F(CandyButtonWindow, FocusIsVisibleInEveryStyle) {
  ShowWindow(parent_, SW_SHOW);
  for (int style : {0, 2, 6}) {
    SCOPED_TRACE(testing::Message() << "style " << style);
    HWND button = Make(style, 96, 28);
    const std::vector<Color> rest = Capture(button).pixels();
    SetFocus(button);
    EXPECT_NE(Capture(button).pixels(), rest);
    SetFocus(parent_);
    EXPECT_EQ(Capture(button).pixels(), rest);
    DestroyWindow(button);
  }
}

TEST_F(CandyButtonWindow, ParentMayDestroyTheButtonFromItsClick) {
  HWND button = Make(2);
  recorder_.destroy_on_click = true;
  SendMessageA(button, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(button, WM_KEYUP, VK_RETURN, 0);
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(recorder_.events.back(), "click");
}

TEST_F(CandyButtonWindow, BmClickRaisesTheMouseClickAndNothingWhenDisabled) {
  HWND button = Make(2, 100, 30, "&Go");
  SendMessageA(button, BM_CLICK, 0, 0);
  EXPECT_EQ(recorder_.events, (Words{"down", "up", "click"}));
  EXPECT_EQ(CandyButtonDrawnState(button), kStateFocused);
  EXPECT_EQ(GetCapture(), nullptr);
  // A dialog's access key arrives as BM_CLICK.
  recorder_.events.clear();
  ShowWindow(parent_, SW_SHOWNA);
  MSG key{parent_, WM_SYSCHAR, 'g', 0, 0, {0, 0}};
  EXPECT_TRUE(IsDialogMessageA(parent_, &key));
  EXPECT_EQ(recorder_.events, (Words{"down", "up", "click"}));

  recorder_.events.clear();
  EnableWindow(button, FALSE);
  SendMessageA(button, BM_CLICK, 0, 0);
  EXPECT_TRUE(recorder_.events.empty());
  EXPECT_EQ(CandyButtonDrawnState(button), kStateNormal);
  EXPECT_EQ(GetCapture(), nullptr);

  EnableWindow(button, TRUE);
  recorder_.destroy_on_click = true;
  SendMessageA(button, BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(recorder_.events.back(), "click");
  EXPECT_EQ(GetCapture(), nullptr);
}

LRESULT CALLBACK CountMoves(HWND window, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR,
                            DWORD_PTR count) {
  if (msg == WM_MOUSEMOVE) ++*reinterpret_cast<int*>(count);
  return DefSubclassProc(window, msg, wparam, lparam);
}

TEST_F(CandyButtonWindow, HoverComesThroughItsWindowHookAlsoUnderAnotherSubclasser) {
  HWND button = Make(2);
  EXPECT_EQ(WindowHookCount(button), 1);
  // Someone else (a tooltip, the parent) subclasses the button on top of its hook.
  int moves_above = 0;
  ASSERT_TRUE(SetWindowSubclass(button, CountMoves, 1, reinterpret_cast<DWORD_PTR>(&moves_above)));
  SendMessageA(button, WM_MOUSEMOVE, 0, At(20, 10));
  EXPECT_TRUE(CandyButtonHovering(button));
  EXPECT_EQ(CandyButtonDrawnState(button), kStateHover);
  ASSERT_EQ(recorder_.moves.size(), 1u);  // the move itself is still raised, once
  SendMessageA(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(recorder_.events, (Words{"enter", "leave"}));
  EXPECT_EQ(moves_above, 1);
  // Destroyed with both in place: the hook leaves with the window.
  DestroyWindow(button);
  EXPECT_EQ(WindowHookCount(button), 0);
  EXPECT_EQ(recorder_.events, (Words{"enter", "leave"}));
}

TEST_F(CandyButtonWindow, StoredSetRoundTripsThroughTheWindow) {
  HWND button = Make(0);
  SetCandyStyle(button, 7);
  SetCandyColorScheme(button, 4);
  SetCandyBorderBrightness(button, 150);
  PropertyBag bag;
  SaveCandyButton(button, bag);
  EXPECT_EQ(bag.Read("BorderBrightness", 0), 100);
  HWND other = Make(0);
  LoadCandyButton(other, bag);
  EXPECT_EQ(CandyButtonProperties(other).style, 7);
  EXPECT_EQ(CandyButtonProperties(other).colors.up, 128u);
  EXPECT_EQ(CandyButtonProperties(other).color_scheme, 4);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(other, region), ERROR);  // the loaded style shapes the window
  DeleteObject(region);
  EXPECT_TRUE(CandyButtonChanges(other).empty());
  SetCandyColor(other, CandyColorRole::kBright, 5);
  EXPECT_EQ(CandyButtonProperties(other).color_scheme, 0);
  SetCandyStyle(other, 7);  // unchanged: not reported
  SetCandyStyle(other, 2);
  SetWindowTextA(other, "Go");
  SetCandyBorderBrightness(other, 3);
  EXPECT_EQ(CandyButtonChanges(other),
            (std::vector<std::string>{"m_ColorBright", "Style", "Caption", "m_BorderBrightness"}));
}

}  // namespace
}  // namespace dusk

namespace dusk {
namespace {

TEST_F(CandyButtonWindow, HandPointerAndSystemColours) {
  HWND button = Make(2);
  SetCandyDisplayHand(button, true);
  SendMessageA(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
  SetCandyDisplayHand(button, false);
  SendMessageA(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
  // A face colour naming a system colour is drawn in that colour.
  EXPECT_EQ(CandyTranslateColor(0x80000000u | COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(CandyTranslateColor(MakeColor(1, 2, 3)), MakeColor(1, 2, 3));
  SetCandyColor(button, CandyColorRole::kButtonUp, 0x80000000u | COLOR_HIGHLIGHT);
  EXPECT_EQ(Capture(button).At(3, 12), GetSysColor(COLOR_HIGHLIGHT));
}

}  // namespace
}  // namespace dusk
