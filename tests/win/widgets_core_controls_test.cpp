// The block progress bar and rounded windows, created for real and driven by messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "widgets/win/block_progress_bar.h"
#include "widgets/win/rounded_region.h"

namespace dusk {
namespace {

HWND MakeHost(int w, int h, DWORD style = WS_POPUP) {
  return CreateWindowExA(0, "STATIC", "", style, 0, 0, w, h, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// The control's current picture, read through WM_PRINTCLIENT into a 32-bit DIB.
struct Picture {
  int width, height;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
  uint32_t At(int x, int y) const { return pixels[y * width + x] & 0xFFFFFF; }
};

Picture Capture(HWND control) {
  RECT rc;
  GetClientRect(control, &rc);
  Picture pic{rc.right, rc.bottom, {}};
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = pic.width;
  bi.bmiHeader.biHeight = -pic.height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, dib);
  SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  auto* p = static_cast<uint32_t*>(bits);
  pic.pixels.assign(p, p + pic.width * pic.height);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(dib);
  ReleaseDC(nullptr, screen);
  return pic;
}

TEST(BlockProgressBarWindow, NewControlIsStoppedWithPlacementDefaults) {
  HWND host = MakeHost(500, 40);
  HWND bar = CreateBlockProgressBar(host, 7, 0, 0, 481, 25);
  ASSERT_NE(bar, nullptr);
  char cls[16]{};
  GetClassNameA(bar, cls, sizeof(cls));
  EXPECT_STREQ(cls, "UPB");
  EXPECT_EQ(GetDlgCtrlID(bar), 7);
  EXPECT_FALSE(BlockProgressEnabled(bar));
  BlockProgressProps props = BlockProgressProperties(bar);
  EXPECT_EQ(props.delay, 16);
  EXPECT_EQ(props.fore_speed, 8);
  EXPECT_EQ(props.borders, 6);
  EXPECT_FALSE(BlockProgressPropertiesChanged(bar));
  SetBlockProgressForeSpeed(bar, 100);
  SetBlockProgressDelay(bar, 500);
  EXPECT_EQ(BlockProgressProperties(bar).fore_speed, 60);
  EXPECT_EQ(BlockProgressProperties(bar).delay, 60);
  EXPECT_TRUE(BlockProgressPropertiesChanged(bar));
  DestroyWindow(host);
}

TEST(BlockProgressBarWindow, TimerStepsTheSweepWhileEnabledAndPausingKeepsIt) {
  HWND host = MakeHost(500, 40);
  HWND bar = CreateBlockProgressBar(host, 1, 0, 0, 481, 25);
  SetBlockProgressDelay(bar, 10);
  SetBlockProgressEnabled(bar, true);
  DWORD until = GetTickCount() + 400;
  MSG msg;
  while (GetTickCount() < until) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(5);
  }
  BlockSweep moved = BlockProgressSweep(bar);
  EXPECT_GT(moved.head, 0);
  SetBlockProgressEnabled(bar, false);
  const BlockSweep paused = BlockProgressSweep(bar);
  // Paused, the timer moves nothing however long the messages flow.
  until = GetTickCount() + 150;
  while (GetTickCount() < until) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(5);
  }
  const BlockSweep kept = BlockProgressSweep(bar);
  EXPECT_EQ(kept.head, paused.head);
  EXPECT_EQ(kept.tail, paused.tail);
  EXPECT_EQ(kept.direction, paused.direction);
  // Disabling clears the picture but keeps both ends and the direction.
  Picture cleared = Capture(bar);
  EXPECT_EQ(cleared.At(2, 12), 0xFFFFFFu);
  // Resuming continues from where it stopped: one step on from the paused sweep.
  BlockSweep next = paused;
  int steps = 1;
  while (!next.Step(481, BlockProgressProperties(bar).fore_speed)) ++steps;  // a turn moves no end
  for (int i = 0; i < steps; ++i) StepBlockProgress(bar);
  EXPECT_EQ(BlockProgressSweep(bar).head, next.head);
  EXPECT_EQ(BlockProgressSweep(bar).tail, next.tail);
  EXPECT_NE(BlockProgressSweep(bar).head + BlockProgressSweep(bar).tail, paused.head + paused.tail);
  ResetBlockProgress(bar);
  EXPECT_EQ(BlockProgressSweep(bar).head, 0);
  EXPECT_EQ(BlockProgressSweep(bar).tail, 0);
  DestroyWindow(host);
}

// With DUSK_WIDGET_SHOTS set to a folder, the picture is kept there as a PPM file.
void KeepPicture(const Picture& pic, const char* name) {
  const char* folder = std::getenv("DUSK_WIDGET_SHOTS");
  if (!folder) return;
  std::string path = std::string(folder) + "\\" + name + ".ppm";
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return;
  std::fprintf(out, "P6 %d %d 255\n", pic.width, pic.height);
  for (uint32_t px : pic.pixels) {
    unsigned char rgb[3] = {static_cast<unsigned char>(px >> 16), static_cast<unsigned char>(px >> 8),
                            static_cast<unsigned char>(px)};
    std::fwrite(rgb, 1, 3, out);
  }
  std::fclose(out);
}

TEST(BlockProgressBarWindow, PaintsGradientBlocksAndFrame) {
  HWND host = MakeHost(500, 40);
  HWND bar = CreateBlockProgressBar(host, 1, 0, 0, 481, 25);
  SetBlockProgressForeColor(bar, kUpbOrange);
  SetBlockProgressFollowColor(bar, kUpbPaleOrange);
  for (int i = 0; i < 20; ++i) StepBlockProgress(bar);  // head at 160
  Picture pic = Capture(bar);
  KeepPicture(pic, "upb");
  // Just behind the head the bar is nearly the fore colour (0x00RRGGBB in the DIB).
  uint32_t near_head = pic.At(155, 12);
  EXPECT_GE((near_head >> 16) & 0xFF, 0xF0u);
  EXPECT_LE(near_head & 0xFF, 0x20u);
  // Near the tail it is the pale colour: lots of blue.
  EXPECT_GE(pic.At(5, 12) & 0xFF, 0xA0u);
  // White separators at x = 10, 11 inside the bar; nothing beyond the head.
  EXPECT_EQ(pic.At(150, 12), 0xFFFFFFu);
  EXPECT_EQ(pic.At(300, 12), 0xFFFFFFu);
  // The etched frame darkens the top-left pixel.
  EXPECT_NE(pic.At(0, 0), 0xFFFFFFu);

  SetBlockProgressBlocks(bar, false);
  StepBlockProgress(bar);
  EXPECT_NE(Capture(bar).At(150, 12), 0xFFFFFFu);
  DestroyWindow(host);
}

TEST(BlockProgressBarWindow, OneFrameTakesWellUnderTheStepInterval) {
  HWND host = MakeHost(500, 40);
  HWND bar = CreateBlockProgressBar(host, 1, 0, 0, 481, 25);
  constexpr int kFrames = 500;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kFrames; ++i) StepBlockProgress(bar);
  auto us = std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::steady_clock::now() - start).count();
  std::printf("[ MEASURE  ] one 481x25 frame: %.1f us\n", static_cast<double>(us) / kFrames);
  EXPECT_LT(us / kFrames, 16000);
  DestroyWindow(host);
}

TEST(RoundedWindow, RegionIsTheWindowSizeWithRoundedCorners) {
  HWND window = MakeHost(725, 587);
  SmoothCorners(window, 50 + 1);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  RECT box;
  GetRgnBox(region, &box);
  // GDI's rounded rectangles leave out the last column and row.
  EXPECT_NEAR(box.right - box.left, 725, 1);
  EXPECT_NEAR(box.bottom - box.top, 587, 1);
  EXPECT_TRUE(PtInRegion(region, 362, 293));
  EXPECT_FALSE(PtInRegion(region, 1, 1));      // the extreme corner is cut away
  EXPECT_FALSE(PtInRegion(region, 723, 585));
  EXPECT_TRUE(PtInRegion(region, 30, 1));

  // A second call replaces the region.
  SetWindowPos(window, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  SmoothCorners(window, 51);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  GetRgnBox(region, &box);
  EXPECT_NEAR(box.right - box.left, 300, 1);
  DeleteObject(region);
  DestroyWindow(window);
}

}  // namespace
}  // namespace dusk
