#include "widgets/win/themed_button.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "widgets/candy_canvas.h"
#include "widgets/themed_input.h"
#include "widgets/themed_layout.h"
#include "widgets/themed_paint.h"
#include "widgets/win/control_window.h"
#include "widgets/win/icon_grayscale.h"
#include "widgets/win/themed_tooltip.h"
#include "widgets/win/window_subclass.h"

namespace dusk {

namespace {

constexpr UINT kRelayout = WM_APP + 0x31;  // after style 6 fell back to its other style
constexpr UINT kThemeChanged = 0x031A;
constexpr int kPushButtonPart = 1;
constexpr int kDefaultedState = 5;
constexpr int kMinPixels = kThemedMinTwips / 15;

// The visual-theme engine, found at run time: the program must start where it is absent.
struct ThemeApi {
  using Open = HANDLE(WINAPI*)(HWND, LPCWSTR);
  using Close = HRESULT(WINAPI*)(HANDLE);
  using Draw = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);
  using Region = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, HRGN*);
  Open open = nullptr;
  Close close = nullptr;
  Draw draw = nullptr;
  Region region = nullptr;

  static const ThemeApi& Get() {
    static const ThemeApi api = [] {
      ThemeApi a;
      if (HMODULE lib = LoadLibraryA("uxtheme.dll")) {
        a.open = reinterpret_cast<Open>(reinterpret_cast<void*>(GetProcAddress(lib, "OpenThemeData")));
        a.close = reinterpret_cast<Close>(reinterpret_cast<void*>(GetProcAddress(lib, "CloseThemeData")));
        a.draw = reinterpret_cast<Draw>(reinterpret_cast<void*>(GetProcAddress(lib, "DrawThemeBackground")));
        a.region = reinterpret_cast<Region>(
            reinterpret_cast<void*>(GetProcAddress(lib, "GetThemeBackgroundRegion")));
      }
      if (!a.open || !a.close || !a.draw) a = ThemeApi{};
      return a;
    }();
    return api;
  }

  HANDLE OpenButton(HWND window) const { return open ? open(window, L"Button") : nullptr; }
};

COLORREF Translate(Color color) {
  if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0xFFFFFF;
}

struct ThemedButton : PixelSurface {
  HWND window = nullptr;
  ThemedProps props;
  ThemedInput input;
  std::string tooltip_text, tooltip_title;
  HFONT font = nullptr;
  HANDLE picture = nullptr;
  bool picture_is_icon = true;
  bool initialised = false;  // shown once; nothing is painted before
  bool is_default = false;
  int margin = 4;            // of the last painting
  ThemedRect caption_rect;
  UINT caption_format = 21;
  int painted_state = kThemedNormal;
  int forced_state = 0;      // a look shown on purpose, until real input arrives
  bool forced_focus = false;
  HWND tooltip = nullptr;
  TrackMouseEventFn track_leave = FindTrackMouseEvent();
  int busy = 0;
  bool destroyed = false;
  bool sizing = false;
  // Pointer and colour notices come through this hook; none without the leave notification.
  std::unique_ptr<LightSubclasser> hooks;

  std::string Caption() const {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
  }

  HFONT Font() const { return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

  void Layout() {
    if (sizing) return;
    RECT outer;
    GetWindowRect(window, &outer);
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    if (w < kMinPixels || h < kMinPixels) {
      sizing = true;
      SetWindowPos(window, nullptr, 0, 0, std::max(w, kMinPixels), std::max(h, kMinPixels),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      sizing = false;
    }
    RECT client;
    GetClientRect(window, &client);
    if (client.right != width || client.bottom != height || !surface) Resize(client.right, client.bottom);
    if (surface) {
      RECT measured{4, 4, width - 4, height - 4};
      const std::string caption = Caption();
      HGDIOBJ old_font = SelectObject(surface, Font());
      DrawTextA(surface, caption.c_str(), static_cast<int>(caption.size()), &measured,
                ThemedMeasureFormat(props.right_to_left));
      SelectObject(surface, old_font);
      caption_rect = ThemedCaptionRect(props.caption_align, width, height, margin,
                                       {measured.left, measured.top, measured.right, measured.bottom});
      caption_format = ThemedCaptionFormat(props.caption_align, props.right_to_left);
    }
    ApplyShape();
    Refresh();
  }

  void ApplyShape() {
    const ThemedShape shape = ThemedWindowShape(props.style, width, height, props.rounded_by_theme);
    HRGN region = nullptr;
    switch (shape.kind) {
      case ThemedShape::kPolygon: {
        std::vector<POINT> points;
        for (const ThemedPoint& p : shape.points) points.push_back({p.x, p.y});
        region = CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE);
        break;
      }
      case ThemedShape::kRoundRectangle:
        region = CreateRoundRectRgn(shape.box.left, shape.box.top, shape.box.right, shape.box.bottom,
                                    shape.corner, shape.corner);
        break;
      case ThemedShape::kThemeOutline: {
        const ThemeApi& api = ThemeApi::Get();
        if (HANDLE theme = api.OpenButton(window)) {
          RECT box{shape.box.left, shape.box.top, shape.box.right, shape.box.bottom};
          if (!api.region || FAILED(api.region(theme, surface, kPushButtonPart, kThemedNormal, &box, &region)))
            region = nullptr;
          api.close(theme);
        }
        if (!region) region = CreateRectRgn(0, 0, width, height);
        break;
      }
      case ThemedShape::kRectangle:
        region = CreateRectRgn(shape.box.left, shape.box.top, shape.box.right, shape.box.bottom);
        break;
    }
    // The window owns the region from here and deletes the one it had.
    if (region && !SetWindowRgn(window, region, TRUE)) DeleteObject(region);
  }

  int StateToPaint() const { return forced_state ? forced_state : input.DrawnState(); }
  bool FocusToPaint() const { return forced_state ? forced_focus : input.focused(); }

  void Refresh() {
    if (!surface || !bits) return;
    const int state = StateToPaint();
    const bool focused = FocusToPaint();
    const COLORREF face_colour = GetSysColor(COLOR_BTNFACE);
    for (int i = 0; i < width * height; ++i)
      bits[i] = ((face_colour & 0xFF) << 16) | (face_colour & 0xFF00) | ((face_colour >> 16) & 0xFF);
    if (!initialised) {
      InvalidateRect(window, nullptr, FALSE);
      return;
    }
    painted_state = state;
    margin = ThemedStyleMargin(props.style);
    if (props.style == kThemedEngineStyle) {
      if (!PaintByTheme(state, focused)) {
        props.style = props.non_theme_style;
        PostMessageA(window, kRelayout, 0, 0);
        InvalidateRect(window, nullptr, FALSE);
        return;
      }
    } else {
      Canvas canvas(width, height);
      ThemedFace face;
      face.style = props.style;
      face.state = state;
      face.focused = focused;
      face.custom_colors = props.custom_colors;
      face.back_color = Translate(props.back_color);
      face.highlight_color = Translate(props.highlight_color);
      face.button_face = face_colour;
      canvas.Fill(face_colour);
      PaintThemedFace(canvas, face);
      const std::vector<Color>& pixels = canvas.pixels();
      for (size_t i = 0; i < pixels.size(); ++i) {
        const Color c = pixels[i];  // red lowest; the DIB wants blue lowest
        bits[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
      }
    }
    GdiFlush();
    PaintIcon(state);
    PaintCaption(state);
    if (props.show_focus && focused) {
      RECT mark{margin, margin, width - margin, height - margin};
      DrawFocusRect(surface, &mark);
    }
    GdiFlush();
    InvalidateRect(window, nullptr, FALSE);
  }

  bool PaintByTheme(int state, bool focused) {
    const ThemeApi& api = ThemeApi::Get();
    HANDLE theme = api.OpenButton(window);
    if (!theme) return false;
    int part_state = state;
    if (state == kThemedNormal && (focused || is_default)) part_state = kDefaultedState;
    RECT box{0, 0, width, height};
    const bool drawn = SUCCEEDED(api.draw(theme, surface, kPushButtonPart, part_state, &box, nullptr));
    api.close(theme);
    return drawn;
  }

  void PaintIcon(int state) {
    if (!picture) return;
    const int size = props.icon_size;
    const ThemedPoint at =
        ThemedIconPosition(props.icon_align, width, height, size, margin, state == kThemedPressed);
    if (picture_is_icon) {
      HICON icon = static_cast<HICON>(picture);
      if (state == kThemedDisabled) {
        PaintIconGrayscale(surface, icon, at.x, at.y, size, size);
      } else {
        DrawIconEx(surface, at.x, at.y, icon, size, size, 0, nullptr, DI_NORMAL);
      }
      return;
    }
    BITMAP bm{};
    if (!GetObjectA(picture, sizeof(bm), &bm)) return;
    HDC source = CreateCompatibleDC(surface);
    HGDIOBJ old = SelectObject(source, picture);
    if (props.use_mask_color) {
      TransparentBlt(surface, at.x, at.y, size, size, source, 0, 0, bm.bmWidth, bm.bmHeight,
                     Translate(props.mask_color));
    } else {
      StretchBlt(surface, at.x, at.y, size, size, source, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
  }

  void PaintCaption(int state) {
    const std::string caption = Caption();
    if (caption.empty()) return;
    ThemedTextColors colors;
    colors.button_text = GetSysColor(COLOR_BTNTEXT);
    colors.grey_text = GetSysColor(COLOR_GRAYTEXT);
    colors.font = Translate(props.font_color);
    colors.font_highlight = Translate(props.font_highlight_color);
    SetTextColor(surface, ThemedCaptionColor(props.custom_colors, state, colors));
    SetBkMode(surface, TRANSPARENT);
    HGDIOBJ old_font = SelectObject(surface, Font());
    RECT box{caption_rect.left, caption_rect.top, caption_rect.right, caption_rect.bottom};
    DrawTextA(surface, caption.c_str(), static_cast<int>(caption.size()), &box, caption_format);
    SelectObject(surface, old_font);
  }

  void Notify(UINT code) {
    NMHDR note{};
    note.hwndFrom = window;
    note.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(window));
    note.code = code;
    SendMessageA(GetParent(window), WM_NOTIFY, note.idFrom, reinterpret_cast<LPARAM>(&note));
  }

  void ShowTip() {
    CloseButtonTooltip(window, tooltip);
    if (tooltip_text.empty()) return;  // nothing to show: no window made on every pass
    TooltipLook look;
    look.text = tooltip_text;
    look.title = tooltip_title;
    look.icon = props.tooltip_icon;
    look.balloon = props.tooltip_type == 1;
    look.back = props.tooltip_back_color ? Translate(props.tooltip_back_color) : 0;
    look.fore = props.tooltip_fore_color ? Translate(props.tooltip_fore_color) : 0;
    tooltip = ShowButtonTooltip(window, look);
  }

  void Run(const ThemedSteps& steps) {
    if (!steps.empty()) forced_state = 0;  // real input ends a forced look
    for (const ThemedStep& step : steps) {
      if (destroyed) return;  // a parent's answer to an event may destroy the button
      switch (step.kind) {
        case ThemedStep::kDraw: Refresh(); break;
        case ThemedStep::kClick:
          SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                       reinterpret_cast<LPARAM>(window));
          break;
        case ThemedStep::kEnter: Notify(kThemedMouseEnter); break;
        case ThemedStep::kLeave: Notify(kThemedMouseLeave); break;
        case ThemedStep::kTrackLeave: {
          TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, window, 0};
          if (track_leave) track_leave(&tme);
          break;
        }
        case ThemedStep::kShowTip: ShowTip(); break;
        case ThemedStep::kHideTip: CloseButtonTooltip(window, tooltip); break;
        case ThemedStep::kFocusNext:
        case ThemedStep::kFocusPrevious: {
          HWND parent = GetParent(window);
          HWND next = GetNextDlgTabItem(parent, window, step.kind == ThemedStep::kFocusPrevious);
          if (next && next != window) SetFocus(next);
          break;
        }
      }
    }
  }

  // Pointer and colour notices, seen through the hook ahead of the button's own handling.
  void Notice(UINT msg) {
    switch (msg) {
      case WM_SYSCOLORCHANGE:
      case kThemeChanged: Refresh(); break;
      case WM_MOUSEMOVE: if (track_leave) Run(input.MouseMove()); break;
      case WM_MOUSELEAVE: Run(input.MouseLeave()); break;
      default: break;
    }
  }

  void Store(const ThemedProps& next) {
    const bool relayout = next.style != props.style || next.caption_align != props.caption_align ||
                          next.icon_align != props.icon_align || next.icon_size != props.icon_size ||
                          next.non_theme_style != props.non_theme_style ||
                          next.right_to_left != props.right_to_left;
    const bool was_enabled = props.enabled;
    props = next;
    input.SetToggle(props.button_type == 1);
    input.SetValue(props.value);
    if (props.enabled != was_enabled) EnableWindow(window, props.enabled);  // WM_ENABLE repaints
    if (relayout) {
      Layout();
    } else {
      Refresh();
    }
  }
};

ThemedButton* ButtonOf(HWND window) { return ControlOf<ThemedButton>(window); }

void HookedMessage(bool before, bool&, LRESULT&, HWND window, UINT msg, WPARAM, LPARAM, LONG_PTR&) {
  ThemedButton* b = ButtonOf(window);
  if (!before || !b || b->destroyed) return;
  ++b->busy;
  b->Notice(msg);
  if (--b->busy == 0 && b->destroyed) delete b;
}

void StartHooks(ThemedButton& b) {
  if (!b.track_leave) return;
  b.hooks = std::make_unique<LightSubclasser>(HookedMessage);
  if (b.hooks->Hook(b.window) < 0) {
    b.hooks.reset();
    return;
  }
  for (UINT msg : {UINT{WM_MOUSEMOVE}, UINT{WM_MOUSELEAVE}, kThemeChanged, UINT{WM_SYSCOLORCHANGE}})
    b.hooks->AddMessage(b.window, static_cast<int32_t>(msg), kHookBefore);
}

template <typename Change>
void Update(HWND window, Change change) {
  if (ThemedButton* b = ButtonOf(window)) {
    ++b->busy;
    change(*b);
    if (--b->busy == 0 && b->destroyed) delete b;
  }
}

LRESULT Handle(ThemedButton& b, HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_CREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
      HWND parent = GetParent(window);
      b.font = parent ? reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0)) : nullptr;
      b.initialised = (create->style & WS_VISIBLE) != 0;
      if (!IsWindowEnabled(window)) {
        b.props.enabled = false;
        b.input.SetEnabled(false);
      }
      StartHooks(b);
      return 0;
    }
    case WM_DESTROY:
      CloseButtonTooltip(window, b.tooltip);
      if (b.hooks) b.hooks->UnhookAll();
      break;
    case WM_SYSCOLORCHANGE:
    case kThemeChanged:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      if (!b.hooks) b.Notice(msg);  // hooked, the button has seen it already
      break;
    case WM_SHOWWINDOW:
      if (wparam && !b.initialised) {
        b.initialised = true;
        b.Layout();
      }
      break;
    case WM_SIZE:
      b.Layout();
      return 0;
    case kRelayout:
      b.Layout();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a double click presses the button again
      if (GetFocus() != window) SetFocus(window);
      SetCapture(window);
      b.Run(b.input.LeftDown());
      return 0;
    case WM_LBUTTONUP: {
      if (GetCapture() == window) ReleaseCapture();
      const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      RECT client{0, 0, b.width, b.height};
      b.Run(b.input.LeftUp(PtInRect(&client, at) != FALSE));
      return 0;
    }
    case WM_CAPTURECHANGED:
      break;
    case BM_CLICK:
      b.Run(b.input.Click());
      return 0;
    case BM_GETCHECK:
      return b.input.value() ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
      b.props.value = wparam == BST_CHECKED;
      b.Run(b.input.SetValue(b.props.value));
      return 0;
    case BM_SETSTYLE:  // the container's default-button notice
      b.is_default = (wparam & 0x0F) == BS_DEFPUSHBUTTON;
      if (lparam) b.Refresh();
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_RETURN && (lparam & (1 << 30))) return 0;  // a held Enter clicks once
      b.Run(b.input.KeyDown(static_cast<int>(wparam)));
      return 0;
    case WM_KEYUP:
      b.Run(b.input.KeyUp(static_cast<int>(wparam)));
      return 0;
    case WM_GETDLGCODE: {
      LRESULT code = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON | DLGC_WANTARROWS;
      // Enter presses the focused button itself rather than going to the window as IDOK.
      const auto* m = reinterpret_cast<const MSG*>(lparam);
      if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_SETFOCUS:
      b.Run(b.input.Focus(true));
      return 0;
    case WM_KILLFOCUS:
      b.Run(b.input.Focus(false));
      return 0;
    case WM_ENABLE:
      b.props.enabled = wparam != 0;
      if (!b.props.enabled && GetCapture() == window) ReleaseCapture();
      b.Run(b.input.SetEnabled(b.props.enabled));
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(window, msg, wparam, lparam);
      b.Layout();
      return result;
    }
    case WM_SETFONT:
      // The caption's rectangle depends on the font: measure again.
      b.font = reinterpret_cast<HFONT>(wparam);
      b.Layout();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(b.font);
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT) {
        const int cursor = ThemedPointerCursor(b.props.mouse_pointer);
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(cursor)));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(window, msg, wparam, lparam);
}

LRESULT CALLBACK ThemedButtonProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  return ControlProcedure<ThemedButton>(
      window, msg, wparam, lparam, [] { return new ThemedButton; }, Handle);
}

void RegisterThemedButtonClass() {
  RegisterControlClass(kThemedButtonClass, ThemedButtonProc, CS_DBLCLKS,
                       LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

}  // namespace

HWND CreateThemedButton(HWND parent, int id, const char* caption, int x, int y, int width, int height,
                        int style) {
  RegisterThemedButtonClass();
  HWND button = CreateWindowExA(0, kThemedButtonClass, caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y,
                                width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
  if (button && style != 0) SetThemedStyle(button, style);
  return button;
}

void SetThemedProps(HWND button, const ThemedProps& props) {
  Update(button, [&](ThemedButton& b) { b.Store(props); });
}

ThemedProps ThemedButtonProps(HWND button) {
  ThemedButton* b = ButtonOf(button);
  return b ? b->props : ThemedProps{};
}

void SetThemedStyle(HWND button, int32_t style) {
  Update(button, [&](ThemedButton& b) {
    ThemedProps next = b.props;
    next.style = style;
    b.Store(next);
  });
}

void SetThemedIcon(HWND button, HANDLE picture, bool is_icon) {
  Update(button, [&](ThemedButton& b) {
    b.picture = picture;
    b.picture_is_icon = is_icon;
    b.Layout();
  });
}

void SetThemedToolTip(HWND button, const std::string& text, const std::string& title) {
  Update(button, [&](ThemedButton& b) {
    b.tooltip_text = text;
    b.tooltip_title = title;
  });
}

void RefreshThemedButton(HWND button) {
  Update(button, [](ThemedButton& b) { b.Refresh(); });
}

void ForceThemedLook(HWND button, int state, bool focused) {
  Update(button, [&](ThemedButton& b) {
    b.forced_state = state;
    b.forced_focus = focused;
    b.Refresh();
  });
}

int ThemedButtonState(HWND button) {
  ThemedButton* b = ButtonOf(button);
  return b ? b->painted_state : 0;
}

bool ThemedButtonHovering(HWND button) {
  ThemedButton* b = ButtonOf(button);
  return b && b->input.hovering();
}

bool ThemedButtonFocused(HWND button) {
  ThemedButton* b = ButtonOf(button);
  return b && b->input.focused();
}

int ThemedButtonMargin(HWND button) {
  ThemedButton* b = ButtonOf(button);
  return b ? b->margin : 0;
}

HWND ThemedButtonTooltip(HWND button) {
  ThemedButton* b = ButtonOf(button);
  return b ? b->tooltip : nullptr;
}

RECT ThemedButtonCaptionRect(HWND button) {
  ThemedButton* b = ButtonOf(button);
  if (!b) return RECT{};
  return RECT{b->caption_rect.left, b->caption_rect.top, b->caption_rect.right, b->caption_rect.bottom};
}

INT_PTR OpenLink(HWND button, const std::string& address) {
  return reinterpret_cast<INT_PTR>(ShellExecuteA(button, "open", address.c_str(), "1", "1", SW_SHOWNORMAL));
}

std::string ThemedButtonVersion() { return kThemedVersion; }

void SaveThemedButton(HWND button, PropertyBag& bag) {
  if (ThemedButton* b = ButtonOf(button)) SaveThemedProps(b->props, bag);
}

void LoadThemedButton(HWND button, const PropertyBag& bag) {
  Update(button, [&](ThemedButton& b) { b.Store(LoadThemedProps(bag)); });
}

}  // namespace dusk
