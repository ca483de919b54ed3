#include "schedule/schedule_store_rows.h"

namespace dusk {

std::vector<ScheduleRow> ScheduleStoreRows::All() {
  std::vector<ScheduleRow> rows;
  for (store_.MoveFirst(); !store_.AfterLast(); store_.MoveNext()) rows.push_back(store_.Current());
  return rows;
}

}  // namespace dusk
