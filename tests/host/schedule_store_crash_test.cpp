// A program killed in the middle of adding a schedule leaves no half row behind.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "schedule/schedule_store.h"

namespace dusk {
namespace {

namespace fs = std::filesystem;

// Long values spread one row over several pages, so a cut can fall inside a row.
ScheduleRow NumberedRow(int n) {
  const std::string tag = std::to_string(n);
  return {"A" + tag + std::string(1500, 'a'), "D" + tag + std::string(1500, 'd'),
          "T" + tag + std::string(1500, 't'), "Y" + tag + std::string(1500, 'y'),
          "I" + tag + std::string(1500, 'i')};
}

TEST(ScheduleStoreCrash, KillingTheWriterMidAppendLeavesOnlyWholeRows) {
  const fs::path folder = fs::temp_directory_path() / ("dusklatch-crash-" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string path = (folder / kScheduleFileName).string();
  std::string error;
  {
    ScheduleStore make;
    ASSERT_TRUE(make.OpenScheduleStore(path, error)) << error;
  }

  int next = 0;
  for (int round = 0; round < 4; ++round) {
    // The writer says when its first row is in, so that every round kills it in the
    // middle of appending, however slow the machine, and never before it began.
    int first_row[2];
    ASSERT_EQ(pipe(first_row), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(first_row[0]);
      ScheduleStore store;
      std::string e;
      if (!store.OpenScheduleStore(path, e)) _exit(2);
      for (int n = next;; ++n) {
        if (!store.AppendSchedule(NumberedRow(n), e)) _exit(3);
        if (n == next && write(first_row[1], "1", 1) != 1) _exit(4);
      }
    }
    close(first_row[1]);
    pollfd written{first_row[0], POLLIN, 0};
    const bool appended = poll(&written, 1, 20000) == 1;
    close(first_row[0]);
    if (!appended) {
      kill(child, SIGKILL);
      waitpid(child, nullptr, 0);
    }
    ASSERT_TRUE(appended) << "round " << round << ": no first row within 20 s";
    std::this_thread::sleep_for(std::chrono::milliseconds(10 + 35 * round));
    ASSERT_EQ(kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;

    ScheduleStore store;
    ASSERT_TRUE(store.OpenScheduleStore(path, error)) << error;
    int seen = 0;
    for (store.MoveFirst(); !store.AfterLast(); store.MoveNext(), ++seen) {
      const ScheduleRow expected = NumberedRow(seen);
      ASSERT_EQ(store.Field(0), expected.action) << "row " << seen;
      ASSERT_EQ(store.Field(1), expected.date) << "row " << seen;
      ASSERT_EQ(store.Field(2), expected.time) << "row " << seen;
      ASSERT_EQ(store.Field(3), expected.type) << "row " << seen;
      ASSERT_EQ(store.Field(4), expected.icon) << "row " << seen;
    }
    EXPECT_GT(seen, next) << "round " << round << " appended nothing";
    next = seen;
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace dusk
