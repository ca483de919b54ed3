// The schedule rows of the editor, the list and the watcher, kept in the schedule file.
#pragma once
#include <string>
#include <vector>

#include "schedule/schedule_editor_rows.h"
#include "schedule/schedule_store.h"

namespace dusk {

class ScheduleStoreRows : public ScheduleRows {
 public:
  // `path`: the database file, UTF-8.
  explicit ScheduleStoreRows(std::string path) : path_(std::move(path)) {}
  bool Open(std::string& error) override { return store_.OpenScheduleStore(path_, error); }
  bool IsOpen() const override { return store_.IsOpen(); }
  // Walks the cursor from the first row to past the last.
  std::vector<ScheduleRow> All() override;
  bool Append(const ScheduleRow& row, std::string& error) override {
    return store_.AppendSchedule(row, error);
  }
  bool DeleteAt(int position, std::string& error) override {
    return store_.DeleteScheduleAt(position, error);
  }
  bool DeleteAll(std::string& error) override { return store_.DeleteAllSchedules(error); }

 private:
  std::string path_;
  ScheduleStore store_;
};

}  // namespace dusk
