// The object the file manager creates for each right click: it adds the program's
// submenu while the program runs and passes a chosen item on to it.
#pragma once
#include <windows.h>

#include <shlobj.h>

#include "extension_module.h"

namespace dusk::shellext {

class ShellMenuObject final : public IShellExtInit, public IContextMenu, public HeapObject {
 public:
  // A new object holding one reference; null when memory is short.
  static ShellMenuObject* Create();

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IShellExtInit
  STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* selection, HKEY progId) override;

  // IContextMenu
  STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                UINT flags) override;
  STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override;
  STDMETHODIMP GetCommandString(UINT_PTR offset, UINT type, UINT* reserved, CHAR* name,
                                UINT size) override;

 private:
  ShellMenuObject();
  ~ShellMenuObject();

  LONG references_ = 1;
};

}  // namespace dusk::shellext
