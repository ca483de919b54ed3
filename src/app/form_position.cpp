#include "app/form_position.h"

#include <cstdlib>
#include <optional>

#include "app/app_identity.h"
#include "app/user_settings.h"

namespace dusk {
namespace {

constexpr const char* kPositionSection = "Settings";

long CentredX(const PositionedWindow& w) { return (w.ScreenWidth() - w.Width()) / 2; }
long CentredY(const PositionedWindow& w) { return (w.ScreenHeight() - w.Height()) / 2; }

// Off the left or top edge comes back to 0; at or beyond the far edge re-centres.
long Clamp(long value, long screenExtent, long centred) {
  if (value < 0) return 0;
  if (value >= screenExtent) return centred;
  return value;
}

// A whole number, optionally signed, with blanks around it; a fraction is rounded.
std::optional<long> ParseNumber(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  double value = std::strtod(begin, &end);
  if (end == begin) return std::nullopt;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return std::nullopt;
  if (value > 2147483647.0 || value < -2147483648.0) return std::nullopt;
  return static_cast<long>(value < 0 ? value - 0.5 : value + 0.5);
}

std::optional<long> StoredOr(UserSettings& store, const std::string& key, long fallback,
                             std::string& badText) {
  std::optional<std::string> stored = store.Get(kAppTitle, kPositionSection, key);
  if (!stored) return fallback;
  std::optional<long> number = ParseNumber(*stored);
  if (!number) badText = *stored;
  return number;
}

void Store(UserSettings& store, const std::string& name, long x, long y) {
  store.Save(kAppTitle, kPositionSection, PositionKeyX(name), std::to_string(x));
  store.Save(kAppTitle, kPositionSection, PositionKeyY(name), std::to_string(y));
}

}  // namespace

std::string PositionKeyX(const std::string& windowName) { return windowName + " StartUp_Xpos"; }
std::string PositionKeyY(const std::string& windowName) { return windowName + " StartUp_Ypos"; }

void LoadFormPosition(PositionServices& services, PositionedWindow& window) {
  UserSettings store(services.registry);
  const std::string name = window.WindowName();
  std::string badText;
  std::optional<long> x = StoredOr(store, PositionKeyX(name), CentredX(window), badText);
  std::optional<long> y;
  if (x) y = StoredOr(store, PositionKeyY(name), CentredY(window), badText);
  if (!x || !y) {
    window.MoveTo(CentredX(window), CentredY(window));
    Store(store, name, window.Left(), window.Top());
    services.dialogs.Show("The stored position of the window " + name + " (\"" + badText +
                              "\") is not a number. The window has been centred on the screen.",
                          kAppTitle, MsgButtons::Ok, MsgIcon::None);
    return;
  }
  window.MoveTo(Clamp(*x, window.ScreenWidth(), CentredX(window)),
                Clamp(*y, window.ScreenHeight(), CentredY(window)));
}

void SaveFormPosition(PositionServices& services, PositionedWindow& window) {
  UserSettings store(services.registry);
  Store(store, window.WindowName(), Clamp(window.Left(), window.ScreenWidth(), CentredX(window)),
        Clamp(window.Top(), window.ScreenHeight(), CentredY(window)));
}

}  // namespace dusk
