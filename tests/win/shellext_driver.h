// Drives the file manager menu's extension as a file manager does: loads the DLL and
// asks it for its class as the system's COM loader would, initialises it with a
// selection, lets it add to a real menu and reads that menu back. Shared by the
// Windows tests and the probe that runs beside the program.
#pragma once
#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "power/shell_menu_items.h"

namespace dusk::shellext_driver {

inline CLSID ExtensionClass() {
  CLSID id{kShellMenuClass.data1, kShellMenuClass.data2, kShellMenuClass.data3, {}};
  for (int i = 0; i < 8; ++i) id.Data4[i] = kShellMenuClass.data4[i];
  return id;
}

// The extension's object, created through the DLL's class factory.
class Extension {
 public:
  // Loads `dll`; `error` says what failed when the result is not usable.
  explicit Extension(const std::wstring& dll) {
    if (const char* failed = Load(dll)) error_ = failed;
  }
  ~Extension() {
    Release();
    if (module_) FreeLibrary(module_);
  }
  Extension(const Extension&) = delete;
  Extension& operator=(const Extension&) = delete;

  bool ok() const { return menu_ != nullptr; }
  const std::string& error() const { return error_; }
  IShellExtInit* init() const { return init_; }
  IContextMenu* menu() const { return menu_; }
  ULONG factoryReleasedTo() const { return factoryReleasedTo_; }

  // Lets go of both interfaces; the count the last release left (0 when balanced).
  ULONG Release() {
    ULONG left = 0;
    if (menu_) left = menu_->Release();
    if (init_) left = init_->Release();
    menu_ = nullptr;
    init_ = nullptr;
    return left;
  }
  // S_OK once nothing of the DLL is in use.
  HRESULT CanUnloadNow() const { return canUnload_ ? canUnload_() : E_FAIL; }

 private:
  const char* Load(const std::wstring& dll) {
    module_ = LoadLibraryW(dll.c_str());
    if (!module_) return "LoadLibrary failed";
    using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    auto get = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
    canUnload_ = reinterpret_cast<HRESULT(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(module_, "DllCanUnloadNow")));
    if (!get || !canUnload_) return "DllGetClassObject or DllCanUnloadNow not exported";
    IClassFactory* factory = nullptr;
    if (FAILED(get(ExtensionClass(), IID_IClassFactory, reinterpret_cast<void**>(&factory))))
      return "no class factory";
    const HRESULT made =
        factory->CreateInstance(nullptr, IID_IShellExtInit, reinterpret_cast<void**>(&init_));
    factoryReleasedTo_ = factory->Release();
    if (FAILED(made)) return "CreateInstance failed";
    if (FAILED(init_->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(&menu_))))
      return "no IContextMenu";
    return nullptr;
  }

  HMODULE module_ = nullptr;
  HRESULT(WINAPI* canUnload_)() = nullptr;
  IShellExtInit* init_ = nullptr;
  IContextMenu* menu_ = nullptr;
  ULONG factoryReleasedTo_ = 1;
  std::string error_;
};

// The data object a file manager passes for a selection of one file or folder.
inline IDataObject* SelectionOf(const std::wstring& path) {
  PIDLIST_ABSOLUTE item = nullptr;
  if (FAILED(SHParseDisplayName(path.c_str(), nullptr, &item, 0, nullptr))) return nullptr;
  IShellFolder* parent = nullptr;
  PCUITEMID_CHILD child = nullptr;
  IDataObject* data = nullptr;
  if (SUCCEEDED(
          SHBindToParent(item, IID_IShellFolder, reinterpret_cast<void**>(&parent), &child))) {
    parent->GetUIObjectOf(nullptr, 1, &child, IID_IDataObject, nullptr,
                          reinterpret_cast<void**>(&data));
    parent->Release();
  }
  CoTaskMemFree(item);
  return data;
}

// The folder that holds `path`, as the absolute item list Initialize gets.
inline PIDLIST_ABSOLUTE FolderOf(const std::wstring& path) {
  std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
  PIDLIST_ABSOLUTE item = nullptr;
  SHParseDisplayName(folder.c_str(), nullptr, &item, 0, nullptr);
  return item;
}

struct MenuEntry {
  std::wstring text;
  UINT id = 0;
  bool separator = false;
  bool picture = false;
  std::vector<MenuEntry> submenu;
};

inline std::vector<MenuEntry> ReadMenu(HMENU menu) {
  std::vector<MenuEntry> entries;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU | MIIM_BITMAP;
    info.dwTypeData = text;
    info.cch = 127;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    MenuEntry entry;
    entry.separator = (info.fType & MFT_SEPARATOR) != 0;
    entry.text = text;
    entry.id = info.wID;
    entry.picture = info.hbmpItem != nullptr;
    if (info.hSubMenu) entry.submenu = ReadMenu(info.hSubMenu);
    entries.push_back(entry);
  }
  return entries;
}

// A menu as a file manager has it before the extensions add theirs.
inline HMENU FileManagerMenu() {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"Open");
  AppendMenuW(menu, MF_STRING, 2, L"Properties");
  return menu;
}

// GetCommandString's answer for an offset, in either character set; empty on failure.
inline std::wstring CommandString(IContextMenu* menu, UINT_PTR offset, UINT type,
                                  HRESULT* result = nullptr) {
  HRESULT got;
  std::wstring text;
  if (type & GCS_UNICODE) {
    wchar_t buffer[256] = {};
    got = menu->GetCommandString(offset, type, nullptr, reinterpret_cast<CHAR*>(buffer), 256);
    if (SUCCEEDED(got)) text = buffer;
  } else {
    char buffer[256] = {};
    got = menu->GetCommandString(offset, type, nullptr, buffer, 256);
    if (SUCCEEDED(got)) text.assign(buffer, buffer + lstrlenA(buffer));
  }
  if (result) *result = got;
  return SUCCEEDED(got) ? text : std::wstring();
}

// InvokeCommand as a file manager calls it: by offset, or by verb in either set.
inline HRESULT InvokeByOffset(IContextMenu* menu, UINT offset, HWND owner = nullptr) {
  CMINVOKECOMMANDINFOEX info{};
  info.cbSize = sizeof info;
  info.hwnd = owner;
  info.lpVerb = MAKEINTRESOURCEA(offset);
  info.lpVerbW = MAKEINTRESOURCEW(offset);
  info.fMask = CMIC_MASK_UNICODE;
  info.nShow = SW_SHOWNORMAL;
  return menu->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&info));
}

inline HRESULT InvokeByVerb(IContextMenu* menu, const std::string& verb, bool unicode) {
  const std::wstring wide(verb.begin(), verb.end());
  CMINVOKECOMMANDINFOEX info{};
  info.cbSize = unicode ? sizeof info : sizeof(CMINVOKECOMMANDINFO);
  info.lpVerb = verb.c_str();
  if (unicode) {
    info.fMask = CMIC_MASK_UNICODE;
    info.lpVerbW = wide.c_str();
  }
  info.nShow = SW_SHOWNORMAL;
  return menu->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&info));
}

}  // namespace dusk::shellext_driver
