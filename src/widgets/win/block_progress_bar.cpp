#include "widgets/win/block_progress_bar.h"

#include "widgets/win/control_window.h"

namespace dusk {

namespace {

// The control's drawing surface persists between paints, so a paint only copies it.
struct BlockProgressBar : PixelSurface {
  HWND window = nullptr;
  BlockProgressProps props;
  BlockSweep sweep;
  bool enabled = false;
  bool changed = false;
  int busy = 0;            // handlers running; the object outlives a nested destroy
  bool destroyed = false;

  void Resize(int w, int h) {
    PixelSurface::Resize(w, h);
    ClearSurface();
  }

  void ClearSurface() {
    if (!surface) return;
    RECT all{0, 0, width, height};
    FillRect(surface, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }

  void Show() { InvalidateRect(window, nullptr, FALSE); }

  void Draw() {
    if (!surface) return;
    ClearSurface();
    uint32_t head_color = sweep.HeadColor(props);
    uint32_t tail_color = sweep.TailColor(props);
    TRIVERTEX vertices[2]{};
    vertices[0].x = sweep.head;
    vertices[0].y = 0;
    vertices[0].Red = GradientChannel(head_color, 0);
    vertices[0].Green = GradientChannel(head_color, 1);
    vertices[0].Blue = GradientChannel(head_color, 2);
    vertices[1].x = sweep.tail;
    vertices[1].y = height;
    vertices[1].Red = GradientChannel(tail_color, 0);
    vertices[1].Green = GradientChannel(tail_color, 1);
    vertices[1].Blue = GradientChannel(tail_color, 2);
    GRADIENT_RECT rect{0, 1};
    GradientFill(surface, vertices, 2, &rect, 1,
                 props.vertical_colors ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
    if (props.blocks) {
      HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
      for (int x : BlockSeparatorPositions(sweep.head)) {
        RECT bar{x, 0, x + kUpbBlockWidth, height};
        FillRect(surface, &bar, white);
      }
    }
    RECT frame{0, 0, width, height};
    if (props.borders != 0) DrawEdge(surface, &frame, static_cast<UINT>(props.borders), BF_RECT);
    Show();
  }

  void Tick() {
    if (sweep.Step(width, props.fore_speed)) Draw();
  }

  void SetEnabled(bool on) {
    enabled = on;
    if (on) {
      SetTimer(window, kBlockProgressTimerId, static_cast<UINT>(props.delay), nullptr);
    } else {
      KillTimer(window, kBlockProgressTimerId);
      ClearSurface();
      Show();
    }
  }

  void SetDelay(int value) {
    props.delay = ClampUpbDelay(value);
    if (enabled) SetTimer(window, kBlockProgressTimerId, static_cast<UINT>(props.delay), nullptr);
    changed = true;
  }

};

BlockProgressBar* BarOf(HWND window) { return ControlOf<BlockProgressBar>(window); }

LRESULT Handle(BlockProgressBar& bar, HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_SIZE:
      bar.Resize(LOWORD(lparam), HIWORD(lparam));
      return 0;
    case WM_TIMER:
      if (wparam == kBlockProgressTimerId) bar.Tick();
      return 0;
    case WM_DESTROY:
      KillTimer(window, kBlockProgressTimerId);
      return 0;
    default:
      return DefWindowProcA(window, msg, wparam, lparam);
  }
}

LRESULT CALLBACK BlockProgressProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  return ControlProcedure<BlockProgressBar>(
      window, msg, wparam, lparam, [] { return new BlockProgressBar; }, Handle);
}

void RegisterBlockProgressClass() {
  RegisterControlClass(kBlockProgressClass, BlockProgressProc, 0,
                       LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

template <typename Change>
void Update(HWND window, Change change) {
  if (BlockProgressBar* bar = BarOf(window)) change(*bar);
}

}  // namespace

HWND CreateBlockProgressBar(HWND parent, int id, int x, int y, int width, int height) {
  RegisterBlockProgressClass();
  return CreateWindowExA(0, kBlockProgressClass, "", WS_CHILD | WS_VISIBLE, x, y, width, height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

void SetBlockProgressEnabled(HWND bar, bool enabled) {
  Update(bar, [&](BlockProgressBar& b) { b.SetEnabled(enabled); });
}

bool BlockProgressEnabled(HWND bar) {
  BlockProgressBar* b = BarOf(bar);
  return b && b->enabled;
}

void SetBlockProgressForeColor(HWND bar, uint32_t color) {
  Update(bar, [&](BlockProgressBar& b) { b.props.fore_color = color; b.changed = true; });
}

void SetBlockProgressFollowColor(HWND bar, uint32_t color) {
  Update(bar, [&](BlockProgressBar& b) { b.props.follow_color = color; b.changed = true; });
}

void SetBlockProgressVerticalColors(HWND bar, bool vertical) {
  Update(bar, [&](BlockProgressBar& b) { b.props.vertical_colors = vertical; b.changed = true; });
}

void SetBlockProgressBlocks(HWND bar, bool blocks) {
  Update(bar, [&](BlockProgressBar& b) { b.props.blocks = blocks; b.changed = true; });
}

void SetBlockProgressBorders(HWND bar, int32_t edge) {
  Update(bar, [&](BlockProgressBar& b) { b.props.borders = edge; b.changed = true; });
}

void SetBlockProgressForeSpeed(HWND bar, int speed) {
  Update(bar, [&](BlockProgressBar& b) { b.props.fore_speed = ClampUpbSpeed(speed); b.changed = true; });
}

void SetBlockProgressDelay(HWND bar, int delay_ms) {
  Update(bar, [&](BlockProgressBar& b) { b.SetDelay(delay_ms); });
}

void ResetBlockProgress(HWND bar) {
  Update(bar, [](BlockProgressBar& b) {
    b.sweep.Reset();
    b.ClearSurface();
    b.Show();
  });
}

BlockProgressProps BlockProgressProperties(HWND bar) {
  BlockProgressBar* b = BarOf(bar);
  return b ? b->props : BlockProgressProps{};
}

BlockSweep BlockProgressSweep(HWND bar) {
  BlockProgressBar* b = BarOf(bar);
  return b ? b->sweep : BlockSweep{};
}

bool BlockProgressPropertiesChanged(HWND bar) {
  BlockProgressBar* b = BarOf(bar);
  return b && b->changed;
}

void SaveBlockProgressBar(HWND bar, PropertyBag& bag) {
  if (BlockProgressBar* b = BarOf(bar)) SaveBlockProgress(b->props, bag);
}

void LoadBlockProgressBar(HWND bar, const PropertyBag& bag) {
  Update(bar, [&](BlockProgressBar& b) {
    BlockProgressProps loaded = LoadBlockProgress(bag);
    b.props = loaded;
    b.SetDelay(loaded.delay);
    b.changed = false;
  });
}

void StepBlockProgress(HWND bar) {
  Update(bar, [](BlockProgressBar& b) { b.Tick(); });
}

}  // namespace dusk
