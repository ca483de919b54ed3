// The cleaner as the rest of the program uses it: the task table before a power action
// and the tray's cleaning commands with their questions, messages and working window.
//
// Long walks let window messages run, so a timer tick or a tray command can arrive in
// the middle of a run. Nothing runs inside a run: a tray command asked for meanwhile
// waits in a queue and runs, with its messages, once the command or run in progress has
// ended; the task table reports Busy() while any cleaning step runs, and its callers
// try again on their next tick.
#pragma once
#include <deque>

#include "cleaner/cleaner_page.h"
#include "cleaner/cleaning_commands.h"
#include "cleaner/cleanup_runner.h"
#include "cleaner/cleanup_tasks.h"
#include "platform/dialogs.h"

namespace dusk {

class CleaningHost {
 public:
  virtual ~CleaningHost() = default;
  virtual Dialogs& Messages() = 0;
  // Form4, shown without blocking the other windows while a long command runs.
  virtual void ShowWorkingWindow() = 0;
  virtual void HideWorkingWindow() = 0;
  // Commands were queued during a task-table run and no command is under way to take
  // them: RunQueuedCommands is to be called once the current event has returned (after
  // the caller's power request).
  virtual void RunQueuedLater() = 0;
};

class PrivacyCleaning : public CleanupRunner, public CleaningCommands {
 public:
  // `page` is read when the task table runs: ticks not yet saved count too.
  PrivacyCleaning(CleanerSteps& steps, const CleanerPage& page, CleaningHost& host)
      : steps_(steps), page_(page), host_(host) {}

  void RunCleanupTasks() override;
  bool Busy() const override { return stepRunning_; }

  void Run(CleaningCommand command) override;
  void RunQueuedCommands();
  std::size_t queuedCommands() const { return queue_.size(); }

 private:
  void Carry(CleaningCommand command);
  void Tell(const char* text);
  // The batch file is the whole of the command: when it cannot start, nothing was
  // deleted and the user is told so instead of the usual message.
  void StartThenTell(const char* file, const char* done, const char* failed);

  CleanerSteps& steps_;
  const CleanerPage& page_;
  CleaningHost& host_;
  std::deque<CleaningCommand> queue_;
  bool stepRunning_ = false;    // a cleaning step is on the stack
  bool commandActive_ = false;  // a tray command (its questions and messages included)
};

}  // namespace dusk
