// The schedule file: table1 of system.vvc, a SQLite database with five text columns
// (Action, Date, Time, Type, Icon) and one row per schedule, kept in the order the rows
// were added. Rows have no key of their own: they are addressed by their 1-based
// position, so the order must never change between reads.
//
// All reading goes through one cursor, which holds the rows as they were at opening
// (rows written by someone else appear at the next opening) plus the rows appended
// through it since.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "schedule/schedule_editor_rows.h"

struct sqlite3;

namespace dusk {

inline constexpr const char* kScheduleFileName = "system.vvc";
// Positions are counted in signed 16-bit numbers: a longer table cannot be walked by
// position, and deleting in it reports an overflow.
inline constexpr int kMaxSchedulePosition = 32767;

// The file's path in the program's folder (Windows path form).
std::string ScheduleFilePath(const std::string& programFolder);

class ScheduleStore {
 public:
  ScheduleStore() = default;
  ~ScheduleStore();
  ScheduleStore(const ScheduleStore&) = delete;
  ScheduleStore& operator=(const ScheduleStore&) = delete;

  // Lets go of the current file and cursor, then opens the database at `path` (UTF-8)
  // and reads table1 into a fresh cursor standing on the first row. A missing file, or
  // one that holds nothing (0 bytes), is given an empty table1; a file that is no
  // database or has no usable table1 is left exactly as it is and the error tells why.
  bool OpenScheduleStore(const std::string& path, std::string& error);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }

  // The cursor. Before-first holds only for an empty cursor, which is also after-last.
  bool BeforeFirst() const { return rows_.empty(); }
  bool AfterLast() const { return at_ >= rows_.size(); }
  void MoveFirst() { at_ = 0; }
  void MoveNext() {
    if (at_ < rows_.size()) ++at_;
  }
  void MoveLast() { at_ = rows_.empty() ? 0 : rows_.size() - 1; }
  // Column 0 to 4 of the current row; empty text after the last row.
  const std::string& Field(int column) const;
  ScheduleRow Current() const;

  // Adds a row at the end of the table in one write: either the whole row is in the
  // file afterwards or none of it. The cursor gains the row and stands on the first.
  bool AppendSchedule(const ScheduleRow& row, std::string& error);
  // Deletes the row at a 1-based position of the cursor; a position with no row
  // deletes nothing. Fails with "Overflow" past the 16-bit count.
  bool DeleteScheduleAt(int position, std::string& error);
  // Empties table1. The cursor is emptied too, so that no deleted row can be read.
  bool DeleteAllSchedules(std::string& error);

 private:
  struct Entry {
    std::int64_t rowid;
    ScheduleRow row;
  };
  bool ReadRows(std::string& error);
  bool DeleteCurrent(std::string& error);
  bool NotOpen(std::string& error) const;

  sqlite3* db_ = nullptr;
  std::vector<Entry> rows_;
  std::size_t at_ = 0;
};

}  // namespace dusk
