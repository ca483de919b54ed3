#include "power/shell_menu_registration.h"

#include <algorithm>
#include <cstdio>

namespace dusk {
namespace {

// Files, folders, the background of an open folder, and drives.
constexpr const char* kOfferedFor[] = {"*", "Directory", "Directory\\Background", "Drive"};
constexpr const char* kClasses = "Software\\Classes\\";

// The keys between "Software\Classes" and `key`, nearest first.
std::vector<std::string> AncestorsBelowClasses(const std::string& key) {
  std::vector<std::string> keys;
  const std::size_t floor = std::string(kClasses).size();
  for (std::size_t end = key.rfind('\\'); end != std::string::npos && end >= floor;
       end = key.rfind('\\', end - 1))
    keys.push_back(key.substr(0, end));
  return keys;
}

void AddView(ShellMenuRegistration& plan, RegistryView view, const std::string& dllPath) {
  const std::string classKey = std::string(kClasses) + "CLSID\\" + ClassIdText(kShellMenuClass);
  const std::string serverKey = classKey + "\\InprocServer32";
  plan.values.push_back({view, classKey, "", kShellMenuRootText});
  plan.values.push_back({view, serverKey, "", dllPath});
  // The file manager calls the extension on its own window threads.
  plan.values.push_back({view, serverKey, "ThreadingModel", "Apartment"});
  plan.keys.push_back({view, serverKey, false});
  plan.keys.push_back({view, classKey, false});
  std::vector<std::string> above = AncestorsBelowClasses(classKey);
  for (const char* place : kOfferedFor) {
    const std::string handlerKey =
        std::string(kClasses) + place + "\\shellex\\ContextMenuHandlers\\" + kShellMenuRootText;
    plan.values.push_back({view, handlerKey, "", ClassIdText(kShellMenuClass)});
    plan.keys.push_back({view, handlerKey, false});
    for (std::string& key : AncestorsBelowClasses(handlerKey))
      if (std::find(above.begin(), above.end(), key) == above.end())
        above.push_back(std::move(key));
  }
  // Deepest first, so that "Directory\Background" goes before "Directory".
  std::stable_sort(above.begin(), above.end(), [](const std::string& a, const std::string& b) {
    return std::count(a.begin(), a.end(), '\\') > std::count(b.begin(), b.end(), '\\');
  });
  for (std::string& key : above) plan.keys.push_back({view, std::move(key), true});
}

std::string InFolder(std::string folder, const char* file) {
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder + file;
}

}  // namespace

std::string ClassIdText(const ClassIdentity& id) {
  char text[39];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(id.data1), id.data2, id.data3, id.data4[0], id.data4[1],
                id.data4[2], id.data4[3], id.data4[4], id.data4[5], id.data4[6], id.data4[7]);
  return text;
}

ShellMenuRegistration PlanShellMenuRegistration(const std::string& programFolder,
                                                bool windowsIs64Bit) {
  ShellMenuRegistration plan;
  AddView(plan, RegistryView::Bits32, InFolder(programFolder, kShellMenuDll32));
  if (windowsIs64Bit) AddView(plan, RegistryView::Bits64, InFolder(programFolder, kShellMenuDll64));
  return plan;
}

}  // namespace dusk
