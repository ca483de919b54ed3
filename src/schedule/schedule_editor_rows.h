// The schedule rows as the editor, the list and the watcher see them: five texts per
// row, addressed by their 1-based position in stored order.
#pragma once
#include <string>
#include <vector>

namespace dusk {

struct ScheduleRow {
  std::string action;  // "Shutdown", "Restart", "Log Off", "Suspend", "Hibernate", "Lock Computer"
  std::string date;    // d-m-yyyy, "DAILY" or a weekday name
  std::string time;    // hh:mm:AM or hh:mm:PM
  std::string type;    // "One Time", "Daily", "Day Basis"
  std::string icon;    // the list icon's key: the action text
};

class ScheduleRows {
 public:
  virtual ~ScheduleRows() = default;
  // (Re)opens the table; false with the failure's description when it cannot.
  virtual bool Open(std::string& error) = 0;
  virtual bool IsOpen() const = 0;
  // Every row in stored order.
  virtual std::vector<ScheduleRow> All() = 0;
  // Adds a row at the end; nothing is left half-written on failure.
  virtual bool Append(const ScheduleRow& row, std::string& error) = 0;
  // Deletes the row at a 1-based position; a position beyond the rows deletes nothing.
  virtual bool DeleteAt(int position, std::string& error) = 0;
  virtual bool DeleteAll(std::string& error) = 0;
};

// Rows held in memory only: for tests, and for a program without a schedule file.
class MemoryScheduleRows : public ScheduleRows {
 public:
  bool Open(std::string&) override {
    open_ = true;
    return true;
  }
  bool IsOpen() const override { return open_; }
  std::vector<ScheduleRow> All() override { return rows_; }
  bool Append(const ScheduleRow& row, std::string&) override {
    rows_.push_back(row);
    return true;
  }
  bool DeleteAt(int position, std::string&) override {
    if (position >= 1 && position <= static_cast<int>(rows_.size()))
      rows_.erase(rows_.begin() + (position - 1));
    return true;
  }
  bool DeleteAll(std::string&) override {
    rows_.clear();
    return true;
  }

 private:
  bool open_ = false;
  std::vector<ScheduleRow> rows_;
};

}  // namespace dusk
