#include "menu_picture.h"

#include "extension_module.h"
#include "power/shell_menu_items.h"

namespace dusk::shellext {
namespace {

HBITMAP volatile loaded = nullptr;

HBITMAP LoadFromProgramFolder() {
  wchar_t path[MAX_PATH + 32] = {};
  const DWORD n = GetModuleFileNameW(ModuleInstance(), path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  DWORD slash = n;
  while (slash > 0 && path[slash - 1] != L'\\') --slash;
  for (const char* c = kShellMenuPictureFile; *c; ++c) path[slash++] = static_cast<wchar_t>(*c);
  path[slash] = L'\0';
  return static_cast<HBITMAP>(
      LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

}  // namespace

HBITMAP MenuPicture() {
  if (HBITMAP picture = loaded) return picture;
  HBITMAP fresh = LoadFromProgramFolder();
  if (!fresh) return nullptr;
  // The file manager may build menus on several threads at once: one picture wins.
  void* before =
      InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&loaded), fresh, nullptr);
  if (before) {
    DeleteObject(fresh);
    return static_cast<HBITMAP>(before);
  }
  return fresh;
}

void FreeMenuPicture() {
  if (HBITMAP picture = loaded) DeleteObject(picture);
  loaded = nullptr;
}

}  // namespace dusk::shellext
