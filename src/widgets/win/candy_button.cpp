#include "widgets/win/candy_button.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_event_log.h"
#include "widgets/candy_canvas.h"
#include "widgets/candy_input.h"
#include "widgets/candy_layout.h"
#include "widgets/candy_shape.h"
#include "widgets/win/control_window.h"
#include "widgets/win/window_subclass.h"

namespace dusk {

namespace {

struct CandyButton : PixelSurface {
  HWND window = nullptr;
  CandyProps props;
  CandyInput input;
  TrackMouseEventFn track_leave = nullptr;
  HFONT font = nullptr;
  HANDLE picture = nullptr;
  bool picture_is_icon = false;
  bool ready = false;  // nothing is drawn before creation is complete
  int drawn_state = kStateNormal;
  int shape_style = -1, shape_width = -1, shape_height = -1;  // the region last set
  std::vector<std::string> changes;  // names of the properties set since creation or load
  int busy = 0;            // handlers running; the object outlives a nested destroy
  bool destroyed = false;
  // The hook that shows the button the pointer's comings and goings (and reshapes it
  // before a paint); none where the platform cannot report the pointer leaving.
  Win32Dialogs dialogs;
  Win32EventLog event_log;
  std::unique_ptr<WindowSubclasser> hooks;

  explicit CandyButton(bool leave) : input(leave) {}
  int Radius() const { return CandyCornerRadius(props.style, width, height); }

  // The window's shape follows its style and size; it is the same for every paint, so it
  // is set again only when one of those changed.
  void UpdateShape() {
    if (shape_style == props.style && shape_width == width && shape_height == height) return;
    shape_style = props.style;
    shape_width = width;
    shape_height = height;
    if (!CandyStyleIsRounded(props.style) || width <= 0 || height <= 0) {
      SetWindowRgn(window, nullptr, TRUE);
      return;
    }
    const std::vector<PixelRun> runs = ShapeRuns(CandyOuterShape(width, height, Radius()), width, height);
    std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* rgn = reinterpret_cast<RGNDATA*>(data.data());
    rgn->rdh.dwSize = sizeof(RGNDATAHEADER);
    rgn->rdh.iType = RDH_RECTANGLES;
    rgn->rdh.nCount = static_cast<DWORD>(runs.size());
    rgn->rdh.rcBound = {0, 0, width, height};
    auto* rects = reinterpret_cast<RECT*>(rgn->Buffer);
    for (size_t i = 0; i < runs.size(); ++i) rects[i] = {runs[i].left, runs[i].y, runs[i].right, runs[i].y + 1};
    HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), rgn);
    if (region && !SetWindowRgn(window, region, TRUE)) DeleteObject(region);
  }

  Color BackColor() const {
    HWND parent = GetParent(window);
    Color back = GetSysColor(COLOR_BTNFACE);
    if (!parent || !surface) return back;
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(surface), reinterpret_cast<LPARAM>(window)));
    LOGBRUSH lb{};
    if (brush && GetObjectA(brush, sizeof(lb), &lb) == sizeof(lb) && lb.lbStyle == BS_SOLID) back = lb.lbColor;
    return back;
  }

  void Draw(int state) {
    if (props.checked) state = kStateChecked;
    if (!ready || !bits) return;
    drawn_state = state;
    Canvas canvas(width, height);
    CandyFace face;
    face.style = props.style;
    face.state = state;
    face.enabled = props.enabled;
    face.colors = {CandyTranslateColor(props.colors.up), CandyTranslateColor(props.colors.hover),
                   CandyTranslateColor(props.colors.down), CandyTranslateColor(props.colors.bright)};
    face.border_brightness = props.border_brightness;
    face.back_color = BackColor();
    PaintCandyFace(canvas, face);
    const std::vector<Color>& pixels = canvas.pixels();
    for (size_t i = 0; i < pixels.size(); ++i) {
      const Color c = pixels[i];  // red lowest; the DIB wants blue lowest
      bits[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
    GdiFlush();
    DrawIconWCaption(state);
    DrawFocusMark();
    InvalidateRect(window, nullptr, FALSE);
  }

  // Style 0 shows the focus in its own face; the others look focused as they look at
  // rest, so a keyboard user gets the system's dotted mark inside the shape.
  void DrawFocusMark() {
    if (props.style == 0 || !props.enabled || GetFocus() != window) return;
    const int inset_x = CandyStyleIsRounded(props.style) ? std::max(3, Radius() / 2) : 3;
    RECT mark{inset_x, 3, width - inset_x, height - 3};
    if (mark.right <= mark.left || mark.bottom <= mark.top) return;
    SetTextColor(surface, RGB(0, 0, 0));
    SetBkColor(surface, RGB(255, 255, 255));
    DrawFocusRect(surface, &mark);
  }

  SIZE PictureSize() const {
    SIZE size{0, 0};
    if (!picture) return size;
    if (picture_is_icon) {
      ICONINFO info{};
      if (GetIconInfo(static_cast<HICON>(picture), &info)) {
        BITMAP bm{};
        HBITMAP shape = info.hbmColor ? info.hbmColor : info.hbmMask;
        if (GetObjectA(shape, sizeof(bm), &bm)) {
          size.cx = bm.bmWidth;
          size.cy = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
        }
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
      }
    } else {
      BITMAP bm{};
      if (GetObjectA(picture, sizeof(bm), &bm)) size = {bm.bmWidth, bm.bmHeight};
    }
    return size;
  }

  std::string Caption() const {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
  }

  void DrawIconWCaption(int state) {
    const std::string caption = Caption();
    HGDIOBJ old_font = SelectObject(surface, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE text{0, 0};
    if (!caption.empty()) {
      const std::string shown = CaptionWithoutPrefix(caption);
      GetTextExtentPoint32A(surface, shown.c_str(), static_cast<int>(shown.size()), &text);
      if (shown.empty()) {
        TEXTMETRICA tm{};
        GetTextMetricsA(surface, &tm);
        text.cy = tm.tmHeight;
      }
    }
    const SIZE pic = PictureSize();
    CandyLayoutInput in;
    in.picture_width = pic.cx;
    in.picture_height = pic.cy;
    in.text_width = text.cx;
    in.text_height = text.cy;
    in.client_width = width;
    in.client_height = height;
    in.radius = Radius();
    in.alignment = props.picture_alignment;
    in.state = state;
    const CandyLayout at = LayOutCandyContent(in);
    const bool hot = state == kStateHover;
    if (picture) {
      UINT flags = picture_is_icon ? DST_ICON : DST_BITMAP;
      HBRUSH mono = nullptr;
      if (!props.enabled) {
        flags |= DSS_DISABLED;
      } else if (hot && props.icon_highlite) {
        mono = CreateSolidBrush(CandyTranslateColor(props.icon_highlite_color));
        flags |= DSS_MONO;
      }
      DrawStateA(surface, mono, nullptr, reinterpret_cast<LPARAM>(picture), 0, at.picture_x,
                 at.picture_y, pic.cx, pic.cy, flags);
      if (mono) DeleteObject(mono);
    }
    if (!caption.empty()) {
      const Color color = hot && props.caption_highlite ? props.caption_highlite_color : props.fore_color;
      SetTextColor(surface, CandyTranslateColor(color));
      SetBkMode(surface, TRANSPARENT);
      UINT flags = DST_PREFIXTEXT | (props.enabled ? DSS_NORMAL : DSS_DISABLED);
      // The caption's size is measured here with the button's font: left to DrawState,
      // Wine measures a disabled caption with another font and cuts its end off.
      RECT extent{0, 0, 0, 0};
      DrawTextA(surface, caption.c_str(), static_cast<int>(caption.size()), &extent,
                DT_CALCRECT | DT_SINGLELINE);
      DrawStateA(surface, nullptr, nullptr, reinterpret_cast<LPARAM>(caption.c_str()),
                 static_cast<WPARAM>(caption.size()), at.caption_x, at.caption_y,
                 extent.right + 1, extent.bottom + 1, flags);
    }
    SelectObject(surface, old_font);
  }

  void Notify(UINT code, const CandyStep& step) {
    CandyMouseNotify note{};
    note.header.hwndFrom = window;
    note.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(window));
    note.header.code = code;
    note.button = static_cast<short>(step.button);
    note.shift = static_cast<short>(step.shift);
    note.x = step.x;
    note.y = step.y;
    SendMessageA(GetParent(window), WM_NOTIFY, note.header.idFrom, reinterpret_cast<LPARAM>(&note));
  }

  void Command(WORD code) {
    SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), code),
                 reinterpret_cast<LPARAM>(window));
  }

  void Run(const CandySteps& steps) {
    for (const CandyStep& step : steps) {
      if (destroyed) return;  // a parent's answer to an event may destroy the button
      switch (step.kind) {
        case CandyStep::kDraw:
          Draw(step.state);
          break;
        case CandyStep::kTrackLeave: {
          TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, window, 0};
          if (track_leave) track_leave(&tme);
          break;
        }
        case CandyStep::kRaise:
          switch (step.event) {
            case CandyEvent::kClick: Command(BN_CLICKED); break;
            case CandyEvent::kDblClick: Command(BN_DOUBLECLICKED); break;
            case CandyEvent::kMouseEnter: Notify(kCandyMouseEnter, step); break;
            case CandyEvent::kMouseLeave: Notify(kCandyMouseLeave, step); break;
            case CandyEvent::kMouseMove: Notify(kCandyMouseMove, step); break;
            case CandyEvent::kMouseUp: Notify(kCandyMouseUp, step); break;
            case CandyEvent::kMouseDown: Notify(kCandyMouseDown, step); break;
          }
          break;
      }
    }
  }

  void Changed(CandyProperty property) { changes.emplace_back(CandyChangeName(property)); }

  void SetStyle(int32_t style) {
    if (style == props.style) return;
    props.style = style;
    Changed(CandyProperty::kStyle);
    UpdateShape();
    Draw(kStateNormal);
  }
};

CandyButton* ButtonOf(HWND window) { return ControlOf<CandyButton>(window); }

int ShiftOf(WPARAM wparam) {
  return ((wparam & MK_SHIFT) ? 1 : 0) | ((wparam & MK_CONTROL) ? 2 : 0) |
         ((GetKeyState(VK_MENU) & 0x8000) ? 4 : 0);
}

int KeyShift() {
  return ((GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0) | ((GetKeyState(VK_CONTROL) & 0x8000) ? 2 : 0) |
         ((GetKeyState(VK_MENU) & 0x8000) ? 4 : 0);
}

int HeldButtons(WPARAM wparam) {
  return ((wparam & MK_LBUTTON) ? 1 : 0) | ((wparam & MK_RBUTTON) ? 2 : 0) | ((wparam & MK_MBUTTON) ? 4 : 0);
}

int ButtonOfMessage(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return 2;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return 4;
    default: return 1;
  }
}

// The hooked messages: a paint first sets the window's shape again; a mouse move and the
// pointer leaving are taken after the button's own handling of them.
void HookedMessage(bool before, bool&, LRESULT&, HWND window, UINT msg, WPARAM wparam,
                   LPARAM lparam, LONG_PTR&) {
  CandyButton* b = ButtonOf(window);
  if (!b || b->destroyed) return;
  ++b->busy;
  if (before && msg == WM_PAINT) {
    b->UpdateShape();
  } else if (!before && msg == WM_MOUSEMOVE) {
    b->Run(b->input.MouseMove(HeldButtons(wparam), ShiftOf(wparam), GET_X_LPARAM(lparam),
                              GET_Y_LPARAM(lparam), b->width, b->height));
  } else if (!before && msg == WM_MOUSELEAVE) {
    b->Run(b->input.MouseLeave());
  }
  if (--b->busy == 0 && b->destroyed) delete b;
}

void StartHooks(CandyButton& b) {
  if (!b.track_leave) return;  // no leave notification: no hover at all
  b.hooks = std::make_unique<WindowSubclasser>(kCandyButtonClass, b.dialogs, b.event_log);
  if (!b.hooks->Subclass(b.window, 0, HookedMessage)) {
    b.hooks.reset();
    return;
  }
  b.hooks->AddMessage(b.window, WM_PAINT, kHookBefore);
  b.hooks->AddMessage(b.window, WM_MOUSEMOVE, kHookAfter);
  b.hooks->AddMessage(b.window, WM_MOUSELEAVE, kHookAfter);
}

LRESULT Handle(CandyButton& b, HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  const int x = GET_X_LPARAM(lparam);
  const int y = GET_Y_LPARAM(lparam);
  switch (msg) {
    case WM_CREATE: {
      HWND parent = GetParent(window);
      b.font = parent ? reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0)) : nullptr;
      b.props.enabled = IsWindowEnabled(window) != FALSE;
      b.input.SetEnabled(b.props.enabled);
      StartHooks(b);
      b.ready = true;
      return 0;
    }
    case WM_DESTROY:
      if (b.hooks) b.hooks->UnSubclassAll();
      break;
    case WM_SIZE:
      b.Resize(LOWORD(lparam), HIWORD(lparam));
      b.UpdateShape();
      b.Draw(kStateNormal);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!b.props.enabled) return 0;
      if (GetFocus() != window) SetFocus(window);
      SetCapture(window);
      b.Run(b.input.MouseDown(ButtonOfMessage(msg), ShiftOf(wparam), x, y));
      return 0;
    case WM_LBUTTONDBLCLK:
      if (!b.props.enabled) return 0;
      SetCapture(window);
      b.Run(b.input.DoubleClick(1, ShiftOf(wparam), x, y));
      return 0;
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (!b.props.enabled) return 0;
      b.Run(b.input.MouseDown(ButtonOfMessage(msg), ShiftOf(wparam), x, y));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (GetCapture() == window && !(wparam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) ReleaseCapture();
      b.Run(b.input.MouseUp(ButtonOfMessage(msg), ShiftOf(wparam), x, y, b.width, b.height));
      return 0;
    case WM_MOUSEMOVE:
      // With the hook the move is taken after this procedure, together with the entry.
      if (!b.hooks) b.Run(b.input.MouseMove(HeldButtons(wparam), ShiftOf(wparam), x, y, b.width, b.height));
      return 0;
    case WM_MOUSELEAVE:
      if (!b.hooks) b.Run(b.input.MouseLeave());
      return 0;
    case BM_CLICK:
      // A click asked for by a dialog's access key or another program: the same press and
      // release the mouse makes, so it raises the same events (none while disabled).
      SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
      SendMessageA(window, WM_LBUTTONUP, 0, 0);
      return 0;
    case WM_SETFOCUS:
      b.Run(b.input.FocusIn());
      if (b.props.style != 0 && !b.destroyed) b.Draw(b.drawn_state);  // the mark comes or goes
      return 0;
    case WM_KILLFOCUS:
      b.Run(b.input.FocusOut());
      if (b.props.style != 0 && !b.destroyed) b.Draw(b.drawn_state);
      return 0;
    case WM_KEYDOWN:
      b.Run(b.input.KeyDown(static_cast<int>(wparam), KeyShift()));
      return 0;
    case WM_KEYUP:
      b.Run(b.input.KeyUp(static_cast<int>(wparam), KeyShift()));
      return 0;
    case WM_GETDLGCODE: {
      LRESULT code = DLGC_BUTTON;
      auto* m = reinterpret_cast<MSG*>(lparam);
      if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_ENABLE:
      b.props.enabled = wparam != 0;
      b.Changed(CandyProperty::kEnabled);
      if (!b.props.enabled && GetCapture() == window) ReleaseCapture();
      b.Run(b.input.SetEnabled(b.props.enabled));
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(window, msg, wparam, lparam);
      if (b.ready) b.Changed(CandyProperty::kCaption);
      b.Draw(kStateNormal);
      return result;
    }
    case WM_SETFONT:
      b.font = reinterpret_cast<HFONT>(wparam);
      b.Changed(CandyProperty::kFont);
      b.Draw(kStateNormal);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(b.font);
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT) {
        SetCursor(LoadCursorA(nullptr, b.props.display_hand ? reinterpret_cast<LPCSTR>(IDC_HAND)
                                                            : reinterpret_cast<LPCSTR>(IDC_ARROW)));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(window, msg, wparam, lparam);
}

LRESULT CALLBACK CandyButtonProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  return ControlProcedure<CandyButton>(
      window, msg, wparam, lparam,
      [] {
        auto* b = new CandyButton(FindTrackMouseEvent() != nullptr);
        b->track_leave = FindTrackMouseEvent();
        return b;
      },
      Handle);
}

void RegisterCandyButtonClass() {
  RegisterControlClass(kCandyButtonClass, CandyButtonProc, CS_DBLCLKS,
                       nullptr);  // chosen per button in WM_SETCURSOR
}

template <typename Change>
void Update(HWND window, Change change) {
  if (CandyButton* b = ButtonOf(window)) {
    ++b->busy;
    change(*b);
    if (--b->busy == 0 && b->destroyed) delete b;
  }
}

}  // namespace

Color CandyTranslateColor(Color color) {
  if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0xFFFFFF;
}

HWND CreateCandyButton(HWND parent, int id, const char* caption, int x, int y, int width, int height) {
  RegisterCandyButtonClass();
  return CreateWindowExA(0, kCandyButtonClass, caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y,
                         width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

void SetCandyStyle(HWND button, int32_t style) {
  Update(button, [&](CandyButton& b) { b.SetStyle(style); });
}

void SetCandyColorScheme(HWND button, int32_t scheme) {
  Update(button, [&](CandyButton& b) { b.props.SetColorScheme(scheme); b.Changed(CandyProperty::kColorScheme); b.Draw(kStateNormal); });
}

void SetCandyColor(HWND button, CandyColorRole role, Color color) {
  Update(button, [&](CandyButton& b) { b.props.SetColor(role, color); b.Changed(CandyColorProperty(role)); b.Draw(kStateNormal); });
}

void SetCandyBorderBrightness(HWND button, int32_t value) {
  Update(button, [&](CandyButton& b) { b.props.SetBorderBrightness(value); b.Changed(CandyProperty::kBorderBrightness); b.Draw(kStateNormal); });
}

void SetCandyForeColor(HWND button, Color color) {
  Update(button, [&](CandyButton& b) { b.props.fore_color = color; b.Changed(CandyProperty::kForeColor); b.Draw(kStateNormal); });
}

void SetCandyPictureAlignment(HWND button, int alignment) {
  Update(button, [&](CandyButton& b) {
    if (b.props.picture_alignment == alignment) return;
    b.props.picture_alignment = alignment;
    b.Changed(CandyProperty::kPictureAlignment);
    b.Draw(kStateNormal);
  });
}

void SetCandyChecked(HWND button, bool checked) {
  Update(button, [&](CandyButton& b) {
    b.props.checked = checked;
    b.Changed(CandyProperty::kChecked);
    b.Run(b.input.SetChecked(checked));
  });
}

void SetCandyDisplayHand(HWND button, bool hand) {
  Update(button, [&](CandyButton& b) { b.props.display_hand = hand; b.Changed(CandyProperty::kDisplayHand); });
}

void SetCandyCaptionHighLite(HWND button, bool on, Color color) {
  Update(button, [&](CandyButton& b) {
    b.props.caption_highlite = on;
    b.props.caption_highlite_color = color;
    b.Changed(CandyProperty::kCaptionHighLite);
    b.Changed(CandyProperty::kCaptionHighLiteColor);
  });
}

void SetCandyIconHighLite(HWND button, bool on, Color color) {
  Update(button, [&](CandyButton& b) {
    b.props.icon_highlite = on;
    b.props.icon_highlite_color = color;
    b.Changed(CandyProperty::kIconHighLite);
    b.Changed(CandyProperty::kIconHighLiteColor);
  });
}

void SetCandyPicture(HWND button, HANDLE picture, bool is_icon) {
  Update(button, [&](CandyButton& b) {
    b.picture = picture;
    b.picture_is_icon = is_icon;
    b.Changed(CandyProperty::kPicture);
    b.Draw(kStateNormal);
  });
}

CandyProps CandyButtonProperties(HWND button) {
  CandyButton* b = ButtonOf(button);
  return b ? b->props : CandyProps{};
}

int CandyButtonDrawnState(HWND button) {
  CandyButton* b = ButtonOf(button);
  return b ? b->drawn_state : kStateNormal;
}

bool CandyButtonHovering(HWND button) {
  CandyButton* b = ButtonOf(button);
  return b && b->input.hovering();
}

void DrawCandyButton(HWND button, int state) {
  Update(button, [&](CandyButton& b) { b.Draw(state); });
}

std::vector<std::string> CandyButtonChanges(HWND button) {
  CandyButton* b = ButtonOf(button);
  return b ? b->changes : std::vector<std::string>{};
}

void SaveCandyButton(HWND button, PropertyBag& bag) {
  if (CandyButton* b = ButtonOf(button)) SaveCandyProps(b->props, bag);
}

void LoadCandyButton(HWND button, const PropertyBag& bag) {
  Update(button, [&](CandyButton& b) {
    const CandyProps loaded = LoadCandyProps(bag);
    const bool enabled = loaded.enabled;
    b.props = loaded;
    b.props.enabled = IsWindowEnabled(button) != FALSE;
    b.input.SetChecked(loaded.checked);
    b.UpdateShape();
    if (enabled != b.props.enabled) {
      EnableWindow(button, enabled);  // WM_ENABLE draws
    } else {
      b.Draw(kStateNormal);
    }
    b.changes.clear();
  });
}

}  // namespace dusk
