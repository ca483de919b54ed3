// The program's title as users see it: message boxes and the event log's source.
#pragma once

namespace dusk {

inline constexpr const char* kAppTitle = "Dusklatch";

}  // namespace dusk
