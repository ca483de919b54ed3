#include "cleaner/privacy_cleaning.h"

#include <string>

#include "platform/program_title.h"

namespace dusk {
namespace {

constexpr const char* kCloseBrowserFirst = "If Internet Explorer is open then close it first and click ok";

// Sets a flag for as long as it lives, whatever leaves the scope.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

// The working window around a long step; hidden again however the step ends.
class WorkingScope {
 public:
  explicit WorkingScope(CleaningHost& host) : host_(host) { host_.ShowWorkingWindow(); }
  ~WorkingScope() { host_.HideWorkingWindow(); }
  WorkingScope(const WorkingScope&) = delete;
  WorkingScope& operator=(const WorkingScope&) = delete;

 private:
  CleaningHost& host_;
};

}  // namespace

void PrivacyCleaning::RunCleanupTasks() {
  if (stepRunning_) return;
  {
    FlagScope running(stepRunning_);
    RunCleanupTaskTable(page_.boxes(), steps_);
  }
  if (!queue_.empty() && !commandActive_) host_.RunQueuedLater();
}

void PrivacyCleaning::Run(CleaningCommand command) {
  queue_.push_back(command);
  RunQueuedCommands();
}

void PrivacyCleaning::RunQueuedCommands() {
  if (commandActive_ || stepRunning_) return;  // taken up when the one under way ends
  FlagScope active(commandActive_);
  while (!queue_.empty()) {
    const CleaningCommand next = queue_.front();
    queue_.pop_front();
    Carry(next);
  }
}

void PrivacyCleaning::Tell(const char* text) {
  host_.Messages().Show(text, kAppTitle, MsgButtons::Ok, MsgIcon::Information);
}

void PrivacyCleaning::StartThenTell(const char* file, const char* done, const char* failed) {
  bool started = false;
  {
    FlagScope running(stepRunning_);
    started = steps_.StartBatchFile(file);
  }
  if (started)
    Tell(done);
  else
    host_.Messages().Show(failed, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
}

void PrivacyCleaning::Carry(CleaningCommand command) {
  switch (command) {
    case CleaningCommand::DeleteAll:
      if (host_.Messages().Show("All of the data including cookie,IE history,IE Typed Urls,cookies,Recent "
                                "documents will be deleted !!! Are you sure ??",
                                kAppTitle, MsgButtons::YesNo, MsgIcon::Exclamation) != MsgResult::Yes)
        return;
      {
        FlagScope running(stepRunning_);
        WorkingScope working(host_);
        CleanAll(steps_);
      }
      return Tell("All of the items have been deleted");
    case CleaningCommand::ClearTemp: {
      {
        FlagScope running(stepRunning_);
        WorkingScope working(host_);
        steps_.KillTemp();
      }
      return Tell("All temporary files have been deleted");
    }
    case CleaningCommand::EmptyRecycleBin: {
      {
        FlagScope running(stepRunning_);
        WorkingScope working(host_);
        steps_.EmptyRec(kEmptyRecycleBinFlags);
      }
      return Tell("Recycle bin has been emptied");
    }
    case CleaningCommand::EraseRecentDocs: {
      {
        FlagScope running(stepRunning_);
        steps_.ClearRecentDocuments();
      }
      return Tell("All recent files have been deleted");
    }
    case CleaningCommand::ClearTypedUrls: {
      Tell(kCloseBrowserFirst);
      {
        FlagScope running(stepRunning_);
        steps_.StartBatchFile("kie.bat");
        steps_.ClearIEHistory();
      }
      return Tell("IE typed urls History has been deleted");
    }
    case CleaningCommand::ClearUrlHistory:
      Tell(kCloseBrowserFirst);
      return StartThenTell("sys.bat", "IE History has been deleted",
                           "sys.bat could not be started, so the IE History has not been deleted");
    case CleaningCommand::ClearMediaPlayer: {
      {
        FlagScope running(stepRunning_);
        steps_.ClearMediaPlayerList();
      }
      return Tell("Windows media player history has been cleared");
    }
    case CleaningCommand::ClearCookies:
      return StartThenTell("system.bat", "All cookies have been deleted",
                           "system.bat could not be started, so the cookies have not been deleted");
    case CleaningCommand::ClearPaintHistory: {
      {
        FlagScope running(stepRunning_);
        steps_.ClearPaintList();
      }
      return Tell("Paintbrush history has been deleted");
    }
  }
}

}  // namespace dusk
