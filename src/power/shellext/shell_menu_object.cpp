#include "shell_menu_object.h"

#include "extension_module.h"
#include "menu_picture.h"
#include "power/shell_menu_items.h"

namespace dusk::shellext {
namespace {

// Menu texts are ASCII: widened into `out`, which holds `size` characters with the end.
void Widen(const char* text, wchar_t* out, UINT size) {
  UINT i = 0;
  for (; text[i] && i + 1 < size; ++i)
    out[i] = static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
  out[i] = L'\0';
}

// The running program's host window. Finding it sends nothing to the program, so a
// busy or hung program never holds up the file manager.
HWND ProgramHostWindow() {
  wchar_t cls[32], title[64];
  Widen(kShellMenuHostClass, cls, 32);
  Widen(kShellMenuHostTitle, title, 64);
  return FindWindowW(cls, title);
}

bool InsertItem(HMENU menu, UINT position, MENUITEMINFOW& item) {
  item.cbSize = sizeof item;
  return InsertMenuItemW(menu, position, TRUE, &item) != FALSE;
}

bool InsertText(HMENU menu, UINT position, UINT id, const char* text, HMENU submenu = nullptr,
                HBITMAP picture = nullptr) {
  wchar_t wide[64];
  Widen(text, wide, 64);
  MENUITEMINFOW item{};
  item.fMask = MIIM_ID | MIIM_STRING | (submenu ? MIIM_SUBMENU : 0u) | (picture ? MIIM_BITMAP : 0u);
  item.wID = id;
  item.dwTypeData = wide;
  item.hSubMenu = submenu;
  item.hbmpItem = picture;
  return InsertItem(menu, position, item);
}

HRESULT ItemsAdded(UINT count) { return MAKE_HRESULT(SEVERITY_SUCCESS, 0, count); }

// The item a command names: an offset from the first identifier, or one of our verbs
// (the Unicode one when the caller gives it). -1 for anything else.
int ChosenItem(const CMINVOKECOMMANDINFO& info) {
  if (info.cbSize >= sizeof(CMINVOKECOMMANDINFOEX) && (info.fMask & CMIC_MASK_UNICODE)) {
    const auto& wide = reinterpret_cast<const CMINVOKECOMMANDINFOEX&>(info);
    if (wide.lpVerbW && !IS_INTRESOURCE(wide.lpVerbW)) return ShellMenuVerbIndex(wide.lpVerbW);
  }
  if (IS_INTRESOURCE(info.lpVerb)) {
    const UINT_PTR offset = reinterpret_cast<UINT_PTR>(info.lpVerb);
    return offset < static_cast<UINT_PTR>(kShellMenuCommandCount) ? static_cast<int>(offset) : -1;
  }
  return ShellMenuVerbIndex(info.lpVerb);
}

HRESULT CopyText(const char* text, UINT type, CHAR* name, UINT size, bool wholeOnly) {
  if (!name || size == 0) return E_INVALIDARG;
  UINT length = 0;
  while (text[length]) ++length;
  if (wholeOnly && length >= size) return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
  if (type & GCS_UNICODE) {
    Widen(text, reinterpret_cast<wchar_t*>(name), size);
  } else {
    UINT i = 0;
    for (; text[i] && i + 1 < size; ++i) name[i] = text[i];
    name[i] = '\0';
  }
  return S_OK;
}

}  // namespace

ShellMenuObject* ShellMenuObject::Create() { return new (std::nothrow) ShellMenuObject(); }

ShellMenuObject::ShellMenuObject() { HoldModule(); }
ShellMenuObject::~ShellMenuObject() { ReleaseModule(); }

STDMETHODIMP ShellMenuObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IShellExtInit)) {
    *out = static_cast<IShellExtInit*>(this);
  } else if (IsEqualIID(iid, IID_IContextMenu)) {
    *out = static_cast<IContextMenu*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) ShellMenuObject::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) ShellMenuObject::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

// The menu offers the same items whatever is selected: nothing to keep.
STDMETHODIMP ShellMenuObject::Initialize(PCIDLIST_ABSOLUTE, IDataObject*, HKEY) { return S_OK; }

STDMETHODIMP ShellMenuObject::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                               UINT flags) {
  // Only the default item was asked for, the range cannot hold our items, or no
  // program runs to carry a choice out: nothing is added.
  if ((flags & CMF_DEFAULTONLY) || !menu || !ShellMenuFitsRange(firstId, lastId) ||
      !ProgramHostWindow())
    return ItemsAdded(0);
  HMENU submenu = CreatePopupMenu();
  if (!submenu) return ItemsAdded(0);
  for (int i = 0; i < kShellMenuCommandCount; ++i) {
    if (!InsertText(submenu, static_cast<UINT>(i), firstId + static_cast<UINT>(i),
                    kShellMenuCommands[i].text)) {
      DestroyMenu(submenu);
      return ItemsAdded(0);
    }
  }
  MENUITEMINFOW line{};
  line.fMask = MIIM_FTYPE;
  line.fType = MFT_SEPARATOR;
  if (!InsertItem(menu, index, line)) {
    DestroyMenu(submenu);
    return ItemsAdded(0);
  }
  if (!InsertText(menu, index + 1, firstId + kShellMenuRootOffset, kShellMenuRootText, submenu,
                  MenuPicture())) {
    DeleteMenu(menu, index, MF_BYPOSITION);
    DestroyMenu(submenu);
    return ItemsAdded(0);
  }
  return ItemsAdded(kShellMenuIdentifiersTaken);
}

STDMETHODIMP ShellMenuObject::InvokeCommand(CMINVOKECOMMANDINFO* info) {
  if (!info || info->cbSize < sizeof(CMINVOKECOMMANDINFO)) return E_INVALIDARG;
  const int item = ChosenItem(*info);
  if (item < 0) return E_FAIL;
  // The program may have ended since the menu was shown: then nothing happens.
  HWND host = ProgramHostWindow();
  if (!host) return E_FAIL;
  DWORD program = 0;
  GetWindowThreadProcessId(host, &program);
  // The file manager has the foreground now; the program's about window may take it.
  AllowSetForegroundWindow(program);
  return PostMessageW(host, kShellMenuClickMessage, static_cast<WPARAM>(item), 0) ? S_OK : E_FAIL;
}

STDMETHODIMP ShellMenuObject::GetCommandString(UINT_PTR offset, UINT type, UINT*, CHAR* name,
                                               UINT size) {
  const bool root = offset == static_cast<UINT_PTR>(kShellMenuRootOffset);
  if (!root && offset >= static_cast<UINT_PTR>(kShellMenuCommandCount)) return E_INVALIDARG;
  switch (type & ~GCS_UNICODE) {
    case GCS_VALIDATEA:
      return root ? S_FALSE : S_OK;
    case GCS_VERBA:
      // The root item only opens the submenu: it has no verb.
      if (root) return E_INVALIDARG;
      return CopyText(kShellMenuCommands[offset].verb, type, name, size, true);
    case GCS_HELPTEXTA:
      return CopyText(root ? kShellMenuRootHelp : kShellMenuCommands[offset].help, type, name, size,
                      false);
  }
  return E_INVALIDARG;
}

}  // namespace dusk::shellext
