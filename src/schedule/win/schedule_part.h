// The scheduler as the main window holds it: the schedule page, the hidden editor
// with its watcher, and the confirmation window.
#pragma once
#include <memory>
#include <string>

#include "app/win/shell_services.h"
#include "app/win/startup_seams.h"
#include "schedule/schedule_editor_rows.h"

namespace dusk {

// The rows kept in system.vvc in the folder that holds the user's settings and schedules.
std::unique_ptr<ScheduleRows> OpenScheduleFile(const std::string& dataFolder);

// As CreateSchedulePart, over the given rows.
std::unique_ptr<StartupPart> CreateSchedulePartWith(ShellServices& shell, HWND picture7,
                                                    std::unique_ptr<ScheduleRows> rows);

}  // namespace dusk
