// The DLL's entry points: the class factory the system asks for, and whether the DLL
// may be unloaded.
#include <windows.h>

#include <unknwn.h>

#include "extension_module.h"
#include "menu_picture.h"
#include "power/shell_menu_items.h"
#include "shell_menu_object.h"

namespace dusk::shellext {
namespace {

HINSTANCE instance = nullptr;
LONG volatile holds = 0;

constexpr CLSID kClassId = {
    kShellMenuClass.data1,
    kShellMenuClass.data2,
    kShellMenuClass.data3,
    {kShellMenuClass.data4[0], kShellMenuClass.data4[1], kShellMenuClass.data4[2],
     kShellMenuClass.data4[3], kShellMenuClass.data4[4], kShellMenuClass.data4[5],
     kShellMenuClass.data4[6], kShellMenuClass.data4[7]}};

class Factory final : public IClassFactory, public HeapObject {
 public:
  Factory() { HoldModule(); }
  ~Factory() { ReleaseModule(); }

  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
  }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    ShellMenuObject* object = ShellMenuObject::Create();
    if (!object) return E_OUTOFMEMORY;
    const HRESULT result = object->QueryInterface(iid, out);
    object->Release();  // the caller's reference, if any, keeps it
    return result;
  }
  STDMETHODIMP LockServer(BOOL lock) override {
    if (lock)
      HoldModule();
    else
      ReleaseModule();
    return S_OK;
  }

 private:
  LONG references_ = 1;
};

}  // namespace

HINSTANCE ModuleInstance() { return instance; }
void HoldModule() { InterlockedIncrement(&holds); }
void ReleaseModule() { InterlockedDecrement(&holds); }

}  // namespace dusk::shellext

using namespace dusk::shellext;

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    instance = module;
    DisableThreadLibraryCalls(module);
  } else if (reason == DLL_PROCESS_DETACH && !reserved) {
    // Unloaded while the process goes on; at process end the system frees everything.
    FreeMenuPicture();
  }
  return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID cls, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(cls, kClassId)) return CLASS_E_CLASSNOTAVAILABLE;
  Factory* factory = new (std::nothrow) Factory();
  if (!factory) return E_OUTOFMEMORY;
  const HRESULT result = factory->QueryInterface(iid, out);
  factory->Release();
  return result;
}

extern "C" HRESULT WINAPI DllCanUnloadNow() { return holds == 0 ? S_OK : S_FALSE; }
