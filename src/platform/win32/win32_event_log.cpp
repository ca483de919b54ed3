#include "platform/win32/win32_event_log.h"

#include <windows.h>

#include "platform/program_title.h"

namespace dusk {

void Win32EventLog::WriteError(const std::string& text) {
  HANDLE source = RegisterEventSourceA(nullptr, kAppTitle);
  if (!source) return;  // no event log: the message box still tells the user
  const char* strings[] = {text.c_str()};
  ReportEventA(source, EVENTLOG_ERROR_TYPE, 0, 1, nullptr, 1, 0, strings, nullptr);
  DeregisterEventSource(source);
}

}  // namespace dusk
