#include "app/win/tray_menu.h"

#include <deque>

#include "app/tray_menu_commands.h"
#include "app/win/shell_services.h"
#include "app/win/tray_menu_entry.h"
#include "app/win/tray_menu_painter.h"
#include "app/win/window_class.h"

namespace dusk {
namespace {

// The tray menu's commands carried out by the shell.
class ShellTrayHost : public TrayCommandHost {
 public:
  // `form` is Form2's handle as the tray menu keeps it.
  ShellTrayHost(ShellServices& shell, const HWND& form) : shell_(shell), form_(form) {}
  PowerApi& Power() override { return shell_.Power(); }
  Dialogs& Messages() override { return shell_.Messages(); }
  std::string HibernationFilePath() const override { return shell_.HibernationFilePath(); }
  // Modal and owned by Form2: the call returns once the about window is closed.
  void OpenAbout() override { shell_.ShowAboutModal(form_); }
  void OpenMainPage() override { OpenOn(Page::Main); }
  void OpenSchedulePage() override { OpenOn(Page::Schedule); }
  void RunCleaning(CleaningCommand command) override { shell_.Cleaning().Run(command); }
  void EndProgram() override { shell_.EndProgram(ExitOrigin::TrayMenu); }

 private:
  void OpenOn(Page page) {
    shell_.ShowPage(page);
    shell_.ShowMainWindow();
  }
  ShellServices& shell_;
  const HWND& form_;
};

}  // namespace

class TrayMenu::Impl {
 public:
  explicit Impl(ShellServices& shell) : shell_(shell), host_(shell, hwnd_) {}
  ~Impl() {
    if (menu_) DestroyMenu(menu_);  // also destroys the sub-menu
    if (hwnd_) DestroyWindow(hwnd_);
  }

  // Form2 belongs to the main window, which owns the pop-up.
  HWND Ensure(HWND owner) {
    if (hwnd_) return hwnd_;
    if (!owner) owner = shell_.MainWindow();
    RegisterWindowClass("Form2", WindowTrampoline<Impl>);
    CreateWindowExA(WS_EX_TOOLWINDOW, "Form2", "Form2", WS_POPUP, 0, 0, 0, 0, owner, nullptr,
                    GetModuleHandleA(nullptr), this);
    if (hwnd_ && !menu_) Build();
    return hwnd_;
  }

  // Greys the power commands the running system refuses; asked afresh each time.
  void UpdateAvailability() {
    const OsVersionInfo os = GetOsVersionInfo(shell_.Power());
    for (TrayMenuEntry& entry : entries_) {
      if (!entry.item) continue;
      entry.enabled = TrayCommandAvailable(entry.item->command, os);
      if (entry.item->command != TrayCommand::ClearPrivacyData)
        EnableMenuItem(menu_, IdOf(entry), MF_BYCOMMAND | (entry.enabled ? MF_ENABLED : MF_GRAYED));
    }
  }

  void Choose(UINT id) {
    for (const TrayMenuEntry& entry : entries_)
      if (entry.item && IdOf(entry) == id && entry.enabled) return RunTrayCommand(host_, *entry.item);
  }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (measure->CtlType != ODT_MENU) break;
        painter_.Measure(hwnd_, *measure);
        return TRUE;
      }
      case WM_DRAWITEM: {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (draw->CtlType != ODT_MENU) break;
        painter_.Draw(*draw);
        return TRUE;
      }
      case WM_MENUCHAR:
        return MenuChar(static_cast<char>(LOWORD(wp)), reinterpret_cast<HMENU>(lp));
      default:
        break;
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
  }

  HWND hwnd_ = nullptr;
  HMENU menu_ = nullptr;

 private:
  void Build() {
    menu_ = CreatePopupMenu();
    HMENU cleaning = CreatePopupMenu();
    Fill(cleaning, TrayMenuCleaningItems(), kTrayFirstCleaningId, nullptr);
    Fill(menu_, TrayMenuTopItems(), kTrayFirstTopId, cleaning);
  }

  void Fill(HMENU menu, const std::vector<TrayMenuItem>& items, UINT firstId, HMENU submenu) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      const TrayMenuItem& item = items[i];
      if (item.separatorBefore && i > 0) {
        entries_.push_back(TrayMenuEntry{});
        AppendMenuA(menu, MF_OWNERDRAW | MF_SEPARATOR, 0, reinterpret_cast<LPCSTR>(&entries_.back()));
      }
      const CaptionParts parts = SplitCaption(item.caption);
      TrayMenuEntry entry;
      entry.item = &item;
      entry.text = parts.text;
      entry.picture = TrayPictureIndex(parts.pictureKey).value_or(-1);
      entry.hasSubmenu = item.command == TrayCommand::ClearPrivacyData;
      entry.id = firstId + static_cast<UINT>(i);
      entries_.push_back(entry);
      const LPCSTR data = reinterpret_cast<LPCSTR>(&entries_.back());
      if (entry.hasSubmenu)
        AppendMenuA(menu, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), data);
      else
        AppendMenuA(menu, MF_OWNERDRAW, entry.id, data);
    }
  }

  static UINT IdOf(const TrayMenuEntry& entry) { return entry.id; }

  // Owner-drawn items have no mnemonics: a letter goes to the items whose text starts
  // with it, choosing the only one at once, or stepping through several.
  LRESULT MenuChar(char key, HMENU menu) {
    std::vector<MenuKeyItem> items;
    int current = -1;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
      const TrayMenuEntry* entry = TrayEntryAt(menu, i);
      items.push_back({entry && entry->item ? entry->text : std::string(), entry && entry->enabled});
      if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) current = i;
    }
    const MenuKeyChoice choice = ChooseByKey(items, key, current);
    if (choice.position < 0) return MAKELRESULT(0, MNC_IGNORE);
    return MAKELRESULT(choice.position, choice.execute ? MNC_EXECUTE : MNC_SELECT);
  }

  ShellServices& shell_;
  ShellTrayHost host_;
  TrayMenuPainter painter_;
  std::deque<TrayMenuEntry> entries_;  // stable addresses: the menus point at them
};

TrayMenu::TrayMenu(ShellServices& shell) : impl_(std::make_unique<Impl>(shell)) {}
TrayMenu::~TrayMenu() = default;

void TrayMenu::PopUp(HWND owner, POINT at) {
  HWND form = impl_->Ensure(owner);
  if (!form || !impl_->menu_) return;
  impl_->UpdateAvailability();
  const UINT chosen = TrackPopupMenu(impl_->menu_, TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, form, nullptr);
  // Lets the menu close properly when the next click lands outside it.
  PostMessageA(form, WM_NULL, 0, 0);
  if (chosen) impl_->Choose(chosen);
}

void TrayMenu::Close() {
  if (impl_->hwnd_) DestroyWindow(impl_->hwnd_);
}

HWND TrayMenu::Window() { return impl_->Ensure(nullptr); }

HMENU TrayMenu::Menu() {
  impl_->Ensure(nullptr);
  return impl_->menu_;
}

void TrayMenu::Choose(UINT id) {
  impl_->Ensure(nullptr);
  impl_->UpdateAvailability();
  impl_->Choose(id);
}

}  // namespace dusk
