// The schedule file, identical on the host and on Windows: stored order, deletion by
// position, rows written by another connection, and files that are not ours.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "contract/settings_env.h"
#include "schedule/schedule_store.h"
#include "schedule/schedule_store_rows.h"

namespace dusk::testing {
namespace {

ScheduleRow Row(const std::string& action, const std::string& date, const std::string& time) {
  const char* type = date == "DAILY" ? "Daily" : (date.find('-') != std::string::npos ? "One Time" : "Day Basis");
  return {action, date, time, type, action};
}

std::vector<std::string> Actions(ScheduleRows& rows) {
  std::vector<std::string> out;
  for (const ScheduleRow& r : rows.All()) out.push_back(r.action + "|" + r.date + "|" + r.time);
  return out;
}

class ScheduleStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env = MakeSettingsEnv();
#ifdef _WIN32
    path = ScheduleFilePath(env->scratchFolder());
#else
    path = env->scratchFolder() + "/" + kScheduleFileName;
#endif
  }
  // Runs SQL on a connection of its own, as another program would.
  void Outside(const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message), SQLITE_OK)
        << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
  }
  void AppendAll(ScheduleRows& rows, const std::vector<ScheduleRow>& list) {
    std::string why;
    for (const ScheduleRow& r : list) ASSERT_TRUE(rows.Append(r, why)) << why;
  }
  std::unique_ptr<SettingsEnv> env;
  std::string path;
  std::string error;
};

TEST_F(ScheduleStoreTest, AMissingOrEmptyFileIsGivenAnEmptyTable) {
  for (bool leftEmpty : {false, true}) {
    SCOPED_TRACE(leftEmpty ? "0-byte file" : "no file");
    SetUp();
    if (leftEmpty) env->writeFile(path, "");  // what a first start that died leaves
    ScheduleStore store;
    ASSERT_TRUE(store.OpenScheduleStore(path, error)) << error;
    EXPECT_TRUE(store.BeforeFirst());
    EXPECT_TRUE(store.AfterLast());
    EXPECT_EQ(store.Field(0), "");
    EXPECT_FALSE(env->readFile(path).empty());
    ASSERT_TRUE(store.AppendSchedule(Row("Shutdown", "DAILY", "01:00:AM"), error)) << error;
    // Opening again finds the table it made rather than making another.
    ASSERT_TRUE(store.OpenScheduleStore(path, error)) << error;
    EXPECT_EQ(store.Field(0), "Shutdown");
  }
}

TEST_F(ScheduleStoreTest, RowsComeBackInTheOrderTheyWereAddedWithTheirExactTexts) {
  ScheduleStore store;
  ASSERT_TRUE(store.OpenScheduleStore(path, error)) << error;
  const ScheduleRow lock{"Lock Computer", "Saturday", "12:00:AM", "Day Basis", "Lock Computer"};
  ASSERT_TRUE(store.AppendSchedule(Row("Shutdown", "8-12-2026", "09:30:PM"), error)) << error;
  ASSERT_TRUE(store.AppendSchedule(lock, error)) << error;
  // After an append the cursor stands on the first row, not on the new one.
  EXPECT_FALSE(store.AfterLast());
  EXPECT_EQ(store.Field(0), "Shutdown");
  ASSERT_TRUE(store.AppendSchedule({"restart ", "daily", "9:5:am", "", ""}, error)) << error;

  for (int opening = 0; opening < 2; ++opening) {
    ASSERT_TRUE(store.OpenScheduleStore(path, error)) << error;
    std::vector<ScheduleRow> seen;
    for (store.MoveFirst(); !store.AfterLast(); store.MoveNext()) seen.push_back(store.Current());
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].date, "8-12-2026");
    EXPECT_EQ(seen[0].type, "One Time");
    EXPECT_EQ(seen[1].action, lock.action);
    EXPECT_EQ(seen[1].date, lock.date);
    EXPECT_EQ(seen[1].time, lock.time);
    EXPECT_EQ(seen[1].type, lock.type);
    EXPECT_EQ(seen[1].icon, lock.icon);
    // Texts are kept as written: case, spaces and odd forms included.
    EXPECT_EQ(seen[2].action, "restart ");
    EXPECT_EQ(seen[2].time, "9:5:am");
  }
  store.MoveFirst();
  store.MoveNext();
  const char* expected[] = {"Lock Computer", "Saturday", "12:00:AM", "Day Basis", "Lock Computer"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(store.Field(i), expected[i]) << "column " << i;
  store.MoveLast();
  EXPECT_EQ(store.Field(0), "restart ");
  store.MoveNext();
  store.MoveNext();  // moving past the end stays there
  EXPECT_TRUE(store.AfterLast());
  EXPECT_FALSE(store.BeforeFirst());
}

TEST_F(ScheduleStoreTest, DeletingByPositionRemovesExactlyThatRow) {
  ScheduleStoreRows rows(path);
  ASSERT_TRUE(rows.Open(error)) << error;
  AppendAll(rows, {Row("Shutdown", "DAILY", "01:00:AM"), Row("Restart", "DAILY", "02:00:AM"),
                   Row("Suspend", "DAILY", "03:00:AM"), Row("Hibernate", "DAILY", "04:00:AM"),
                   Row("Log Off", "DAILY", "05:00:AM")});
  ASSERT_TRUE(rows.DeleteAt(3, error)) << error;  // a middle row
  EXPECT_EQ(Actions(rows), (std::vector<std::string>{"Shutdown|DAILY|01:00:AM",
                                                     "Restart|DAILY|02:00:AM",
                                                     "Hibernate|DAILY|04:00:AM",
                                                     "Log Off|DAILY|05:00:AM"}));
  ASSERT_TRUE(rows.DeleteAt(4, error)) << error;  // the last row
  ASSERT_TRUE(rows.DeleteAt(1, error)) << error;  // the first row
  EXPECT_EQ(Actions(rows), (std::vector<std::string>{"Restart|DAILY|02:00:AM",
                                                     "Hibernate|DAILY|04:00:AM"}));
  // Positions with no row delete nothing and are no failure.
  for (int nowhere : {3, 99, 0, -1}) {
    EXPECT_TRUE(rows.DeleteAt(nowhere, error)) << nowhere << ": " << error;
    EXPECT_EQ(rows.All().size(), 2u) << nowhere;
  }
  // The deletions are in the file, not only in the cursor.
  ASSERT_TRUE(rows.Open(error)) << error;
  EXPECT_EQ(Actions(rows), (std::vector<std::string>{"Restart|DAILY|02:00:AM",
                                                     "Hibernate|DAILY|04:00:AM"}));
  ASSERT_TRUE(rows.DeleteAt(2, error)) << error;
  ASSERT_TRUE(rows.DeleteAt(1, error)) << error;
  EXPECT_TRUE(rows.DeleteAt(1, error)) << "the first of no rows: " << error;
  ASSERT_TRUE(rows.Open(error)) << error;
  EXPECT_TRUE(rows.All().empty());
}

TEST_F(ScheduleStoreTest, DeleteAllEmptiesTheFileAndTheCursor) {
  ScheduleStoreRows rows(path);
  ASSERT_TRUE(rows.Open(error)) << error;
  AppendAll(rows, {Row("Shutdown", "DAILY", "01:00:AM"), Row("Restart", "Monday", "02:00:PM")});
  ASSERT_TRUE(rows.DeleteAll(error)) << error;
  EXPECT_TRUE(rows.All().empty()) << "a deleted row must not be read again";
  ASSERT_TRUE(rows.Open(error)) << error;
  EXPECT_TRUE(rows.All().empty());
  AppendAll(rows, {Row("Suspend", "DAILY", "03:00:AM")});
  ASSERT_TRUE(rows.Open(error)) << error;
  EXPECT_EQ(Actions(rows), std::vector<std::string>{"Suspend|DAILY|03:00:AM"});
}

TEST_F(ScheduleStoreTest, RowsWrittenFromOutsideShowAtTheNextOpeningAndPositionsFollowTheView) {
  ScheduleStoreRows rows(path);
  ASSERT_TRUE(rows.Open(error)) << error;
  AppendAll(rows, {Row("Shutdown", "DAILY", "01:00:AM"), Row("Restart", "DAILY", "02:00:AM")});

  // Another connection adds a row (with one value missing) and removes the first one.
  Outside("INSERT INTO table1 (Action, Date, Time, Type) VALUES "
          "('Suspend', 'DAILY', '03:00:AM', 'Daily')");
  Outside("DELETE FROM table1 WHERE Action = 'Shutdown'");
  // This opening still shows what it read; a position means a row of that view.
  EXPECT_EQ(rows.All().size(), 2u);
  ASSERT_TRUE(rows.DeleteAt(2, error)) << error;  // Restart, as the list shows it

  ASSERT_TRUE(rows.Open(error)) << error;
  std::vector<ScheduleRow> now = rows.All();
  ASSERT_EQ(now.size(), 1u);
  EXPECT_EQ(now[0].action, "Suspend");
  EXPECT_EQ(now[0].icon, "") << "a missing value reads as empty text";

  // Two stores on one file: each sees the other's append after reopening.
  ScheduleStoreRows other(path);
  ASSERT_TRUE(other.Open(error)) << error;
  AppendAll(other, {Row("Log Off", "Friday", "11:59:PM")});
  EXPECT_EQ(rows.All().size(), 1u);
  ASSERT_TRUE(rows.Open(error)) << error;
  EXPECT_EQ(Actions(rows), (std::vector<std::string>{"Suspend|DAILY|03:00:AM",
                                                     "Log Off|Friday|11:59:PM"}));
}

TEST_F(ScheduleStoreTest, FilesThatAreNotScheduleFilesFailToOpenAndStayUntouched) {
  struct Case {
    const char* name;
    std::string setupSql;  // empty: the raw bytes below
    std::string bytes;
    const char* errorPart;
  };
  const Case cases[] = {
      {"text file", "", std::string("Action,Date,Time\r\nShutdown,DAILY,01:00:AM\r\n") +
                            std::string(3000, 'x'), "not a database"},
      {"broken header", "", std::string("SQLite format 3") + std::string(5000, '\x7f'), ""},
      {"no table1", "CREATE TABLE schedules (Action TEXT); INSERT INTO schedules VALUES ('a')",
       "", "table1"},
      {"no Icon column",
       "CREATE TABLE table1 (Action TEXT, Date TEXT, Time TEXT, Type TEXT);"
       "INSERT INTO table1 VALUES ('Shutdown','DAILY','01:00:AM','Daily')",
       "", "Icon"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();  // a fresh folder for each kind of file
    if (c.setupSql.empty())
      env->writeFile(path, c.bytes);
    else
      Outside(c.setupSql);
    const std::string before = env->readFile(path);
    ASSERT_FALSE(before.empty());

    ScheduleStoreRows rows(path);
    EXPECT_FALSE(rows.Open(error));
    EXPECT_FALSE(error.empty());
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
    EXPECT_FALSE(rows.IsOpen());
    // With nothing open every change is refused with a reason, and writes nothing.
    error.clear();
    EXPECT_FALSE(rows.Append(Row("Shutdown", "DAILY", "01:00:AM"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(rows.DeleteAt(1, error));
    EXPECT_FALSE(rows.DeleteAll(error));
    EXPECT_TRUE(rows.All().empty());
    EXPECT_EQ(env->readFile(path), before) << "the file must be left exactly as it was";
    EXPECT_EQ(env->readFile(path + "-journal"), "");
  }
}

TEST_F(ScheduleStoreTest, PositionsPastTheSixteenBitCountReportAnOverflowAndDeleteNothing) {
  {
    ScheduleStore make;
    ASSERT_TRUE(make.OpenScheduleStore(path, error)) << error;
  }
  Outside("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 32768) "
          "INSERT INTO table1 SELECT 'Shutdown', 'DAILY', printf('%05d', i), 'Daily', "
          "'Shutdown' FROM n");
  ScheduleStore store;
  ASSERT_TRUE(store.OpenScheduleStore(path, error)) << error;
  EXPECT_FALSE(store.DeleteScheduleAt(2, error));
  EXPECT_EQ(error, "Overflow");
  EXPECT_FALSE(store.DeleteScheduleAt(40000, error));
  EXPECT_EQ(error, "Overflow");
  // The first row needs no counting.
  ASSERT_TRUE(store.DeleteScheduleAt(1, error)) << error;
  ASSERT_TRUE(store.OpenScheduleStore(path, error)) << error;
  EXPECT_EQ(store.Field(2), "00002");
  // At 32767 rows every position can be counted again.
  ASSERT_TRUE(store.DeleteScheduleAt(32767, error)) << error;
  ASSERT_TRUE(store.DeleteScheduleAt(2, error)) << error;
  ASSERT_TRUE(store.OpenScheduleStore(path, error)) << error;
  std::size_t count = 0;
  for (store.MoveFirst(); !store.AfterLast(); store.MoveNext()) ++count;
  EXPECT_EQ(count, 32765u);
  store.MoveLast();
  EXPECT_EQ(store.Field(2), "32767");
}

}  // namespace
}  // namespace dusk::testing
