// The extension DLL as a whole: its instance, and the count of objects and locks that
// decides whether the system may unload it.
#pragma once
#include <windows.h>

#include <cstddef>
#include <new>

namespace dusk::shellext {

// The DLL's objects live on the process heap, so that nothing of the C++ runtime's
// allocation (and its exceptions) is linked into the file manager.
struct HeapObject {
  static void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return HeapAlloc(GetProcessHeap(), 0, size);
  }
  static void operator delete(void* object) noexcept { HeapFree(GetProcessHeap(), 0, object); }
};

HINSTANCE ModuleInstance();

// Every live object and every IClassFactory::LockServer(TRUE) holds the DLL loaded.
void HoldModule();
void ReleaseModule();

}  // namespace dusk::shellext
