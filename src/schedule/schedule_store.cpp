#include "schedule/schedule_store.h"

#include <sqlite3.h>

#include <filesystem>

namespace dusk {
namespace {

constexpr const char* kCreateTable =
    "CREATE TABLE table1 (Action TEXT, Date TEXT, Time TEXT, Type TEXT, Icon TEXT)";
// Stored order is the order of addition: rowids only grow as rows are appended.
constexpr const char* kSelectRows =
    "SELECT rowid, Action, Date, Time, Type, Icon FROM table1 ORDER BY rowid";
constexpr const char* kInsertRow =
    "INSERT INTO table1 (Action, Date, Time, Type, Icon) VALUES (?, ?, ?, ?, ?)";
constexpr const char* kDeleteRow = "DELETE FROM table1 WHERE rowid = ?";
constexpr const char* kDeleteAll = "DELETE FROM table1";
constexpr const char* kCountObjects = "SELECT count(*) FROM sqlite_master";
// Another program (a backup, an inspection) may hold the file for a moment.
constexpr int kBusyWaitMs = 2000;

// One prepared statement, finalised on every way out.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) { rc_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  bool ok() const { return rc_ == SQLITE_OK; }
  sqlite3_stmt* get() const { return stmt_; }

 private:
  sqlite3_stmt* stmt_ = nullptr;
  int rc_;
};

std::string Text(sqlite3_stmt* stmt, int column) {
  const unsigned char* text = sqlite3_column_text(stmt, column);
  return text ? reinterpret_cast<const char*>(text) : std::string();
}

bool Failed(sqlite3* db, std::string& error) {
  error = sqlite3_errmsg(db);
  return false;
}

// How many tables, views and indexes the database holds; -1 when it is no database.
int CountObjects(sqlite3* db) {
  Statement count(db, kCountObjects);
  if (!count.ok() || sqlite3_step(count.get()) != SQLITE_ROW) return -1;
  return sqlite3_column_int(count.get(), 0);
}

bool FileExists(const std::string& utf8Path) {
  std::error_code ignored;
  return std::filesystem::exists(
      std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end())), ignored);
}

}  // namespace

std::string ScheduleFilePath(const std::string& programFolder) {
  std::string path = programFolder;
  if (path.empty() || path.back() != '\\') path.push_back('\\');
  return path + kScheduleFileName;
}

ScheduleStore::~ScheduleStore() { Close(); }

void ScheduleStore::Close() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
  rows_.clear();
  at_ = 0;
}

bool ScheduleStore::OpenScheduleStore(const std::string& path, std::string& error) {
  Close();
  const bool existed = FileExists(path);
  sqlite3* db = nullptr;
  // Without CREATE an existing file is opened as it is and nothing new is made.
  const int flags = SQLITE_OPEN_READWRITE | (existed ? 0 : SQLITE_OPEN_CREATE);
  int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  if (rc != SQLITE_OK) {
    error = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close_v2(db);
    return false;
  }
  sqlite3_busy_timeout(db, kBusyWaitMs);
  // A file that holds nothing at all (a first start that died before it made the
  // table leaves 0 bytes) gets its table. A database with anything else in it is
  // someone else's: it is read as it is, and fails below when it has no table1.
  const bool empty = !existed || CountObjects(db) == 0;
  if (empty && sqlite3_exec(db, kCreateTable, nullptr, nullptr, nullptr) != SQLITE_OK) {
    Failed(db, error);
    sqlite3_close_v2(db);
    return false;
  }
  db_ = db;
  if (!ReadRows(error)) {
    Close();
    return false;
  }
  return true;
}

bool ScheduleStore::ReadRows(std::string& error) {
  Statement select(db_, kSelectRows);
  if (!select.ok()) return Failed(db_, error);
  std::vector<Entry> rows;
  int rc;
  while ((rc = sqlite3_step(select.get())) == SQLITE_ROW) {
    sqlite3_stmt* s = select.get();
    rows.push_back({sqlite3_column_int64(s, 0),
                    {Text(s, 1), Text(s, 2), Text(s, 3), Text(s, 4), Text(s, 5)}});
  }
  if (rc != SQLITE_DONE) return Failed(db_, error);
  rows_ = std::move(rows);
  at_ = 0;
  return true;
}

const std::string& ScheduleStore::Field(int column) const {
  static const std::string kNone;
  if (AfterLast()) return kNone;
  const ScheduleRow& r = rows_[at_].row;
  switch (column) {
    case 0: return r.action;
    case 1: return r.date;
    case 2: return r.time;
    case 3: return r.type;
    case 4: return r.icon;
    default: return kNone;
  }
}

ScheduleRow ScheduleStore::Current() const {
  return AfterLast() ? ScheduleRow{} : rows_[at_].row;
}

bool ScheduleStore::NotOpen(std::string& error) const {
  error = "The schedule file is not open.";
  return false;
}

bool ScheduleStore::AppendSchedule(const ScheduleRow& row, std::string& error) {
  if (!db_) return NotOpen(error);
  Statement insert(db_, kInsertRow);
  if (!insert.ok()) return Failed(db_, error);
  const std::string* values[] = {&row.action, &row.date, &row.time, &row.type, &row.icon};
  for (int i = 0; i < 5; ++i)
    sqlite3_bind_text(insert.get(), i + 1, values[i]->c_str(), static_cast<int>(values[i]->size()),
                      SQLITE_TRANSIENT);
  // One statement is one transaction: the journal takes back a row cut short.
  if (sqlite3_step(insert.get()) != SQLITE_DONE) return Failed(db_, error);
  rows_.push_back({sqlite3_last_insert_rowid(db_), row});
  MoveFirst();
  return true;
}

bool ScheduleStore::DeleteCurrent(std::string& error) {
  Statement remove(db_, kDeleteRow);
  if (!remove.ok()) return Failed(db_, error);
  sqlite3_bind_int64(remove.get(), 1, rows_[at_].rowid);
  if (sqlite3_step(remove.get()) != SQLITE_DONE) return Failed(db_, error);
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(at_));
  MoveFirst();
  return true;
}

bool ScheduleStore::DeleteScheduleAt(int position, std::string& error) {
  if (!db_) return NotOpen(error);
  if (position > kMaxSchedulePosition || position < -kMaxSchedulePosition - 1) {
    error = "Overflow";
    return false;
  }
  MoveFirst();
  if (position == 1) return rows_.empty() ? true : DeleteCurrent(error);
  // Any other position needs the row count, which must fit the 16-bit counter.
  if (rows_.size() > static_cast<std::size_t>(kMaxSchedulePosition)) {
    error = "Overflow";
    return false;
  }
  if (position < 1 || static_cast<std::size_t>(position) > rows_.size()) return true;
  if (static_cast<std::size_t>(position) == rows_.size())
    MoveLast();
  else
    at_ = static_cast<std::size_t>(position - 1);
  return DeleteCurrent(error);
}

bool ScheduleStore::DeleteAllSchedules(std::string& error) {
  if (!db_) return NotOpen(error);
  if (sqlite3_exec(db_, kDeleteAll, nullptr, nullptr, nullptr) != SQLITE_OK)
    return Failed(db_, error);
  rows_.clear();
  at_ = 0;
  return true;
}

}  // namespace dusk
