// The password protection without windows: when the gate asks, the prompt's answers for
// each pending command, the page's save, the change of the password, and the "Pass"
// keys as they land in config.ini.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "password/password_protection.h"
#include "password/password_settings.h"
#include "platform/host/ini_file_profile.h"
#include "platform/host/recording_dialogs.h"

namespace dusk {
namespace {

namespace fs = std::filesystem;

const char* const kShortWrong = "Incorect password ";
const char* const kLongWrong =
    "Incorrect password.Password protection is enabled.You must enter correct password to "
    "continue ";

struct Windows : PasswordWindows {
  std::vector<std::string> log;
  PasswordPage shown;
  void ShowPage(const PasswordPage& page) override { shown = page; }
  void OpenPrompt(PendingCommand c) override { log.push_back(std::string("open ") + PendingCommandWord(c)); }
  void RetryPrompt() override { log.push_back("retry"); }
  void HidePrompt() override { log.push_back("hide prompt"); }
  void ClosePrompt() override { log.push_back("close prompt"); }
  void ShowChangeWindow() override { log.push_back("show change"); }
  void HideChangeWindow() override { log.push_back("hide change"); }
  void FocusChangeField(ChangeField f) override { log.push_back(f == ChangeField::Old ? "focus old" : "focus new"); }
};

class PasswordTest : public ::testing::Test {
 protected:
  PasswordTest() { fs::create_directories(folder_); }
  ~PasswordTest() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // A settings file with the two keys as the shipped one writes them, then start-up.
  void Start(const std::string& enabled, const std::string& password) {
    std::ofstream(file_) << "[Pass]\r\nPass_Enabled=" << enabled << "\r\nVal=" << password << "\r\n";
    protection.Load();
  }
  std::string FileText() {
    std::ifstream in(file_);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  }
  std::string Key(const char* key) { return profile.GetString("Pass", key, "<none>", 255, file_); }
  // Asks through the gate; counts how often the guarded command ran.
  void Request(PendingCommand command) {
    protection.Guard(command, [this] { ++ran; });
  }
  std::string LastMessage() const {
    if (dialogs.shown().empty()) return "<none>";
    const ShownMessage& m = dialogs.shown().back();
    const char* icon = m.icon == MsgIcon::Critical ? "critical" : m.icon == MsgIcon::Information ? "information" : "other";
    return m.title + "|" + icon + "|" + m.text;
  }
  std::string LastLog() const { return windows.log.empty() ? "<none>" : windows.log.back(); }

  static fs::path NewFolder() {
    static int counter = 0;
    return fs::temp_directory_path() /
           ("dusklatch-password-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  }

  fs::path folder_ = NewFolder();
  std::string file_ = (folder_ / "config.ini").string();
  IniFileProfile profile;
  RecordingDialogs dialogs;
  Windows windows;
  PasswordProtection protection{profile, file_, dialogs, windows};
  int ran = 0;
};

TEST_F(PasswordTest, StartUpReadsTheBoxAndThePassword) {
  Start("1", "quazel");
  EXPECT_TRUE(windows.shown.check24);
  EXPECT_EQ(windows.shown.text11, "quazel");
  EXPECT_EQ(windows.shown.text12, "quazel");
  EXPECT_TRUE(protection.ProtectionBoxTicked());

  Start("0", "quazel");
  EXPECT_FALSE(protection.page().check24);
  Start("2", "quazel");  // only 1 ticks the box
  EXPECT_FALSE(protection.page().check24);
  fs::remove(file_);
  protection.Load();  // no settings file: nothing guarded, no password
  EXPECT_FALSE(protection.page().check24);
  EXPECT_EQ(protection.page().text11, "");
}

// Every pending command: the wrong password says so and leaves the prompt waiting, the
// right one runs the command once and closes the prompt.
TEST_F(PasswordTest, PromptAnswersEachPendingCommand) {
  struct Row {
    PendingCommand command;
    const char* wrongMessage;
  };
  const Row rows[] = {{PendingCommand::MainForm, kShortWrong}, {PendingCommand::Exit, kShortWrong},
                      {PendingCommand::Add, kLongWrong},       {PendingCommand::Delete, kLongWrong},
                      {PendingCommand::DeleteAll, kLongWrong}, {PendingCommand::FrmRestart, kLongWrong}};
  Start("1", "Secret7");
  for (const Row& row : rows) {
    SCOPED_TRACE(PendingCommandWord(row.command));
    ran = 0;
    Request(row.command);
    EXPECT_EQ(LastLog(), std::string("open ") + PendingCommandWord(row.command));
    EXPECT_EQ(protection.pending(), row.command);
    for (const char* wrong : {"secret7", "Secret7 ", " Secret7", "Secret", ""}) {
      protection.PromptOk(wrong);
      EXPECT_EQ(LastMessage(), std::string("Dusklatch|critical|") + row.wrongMessage);
      EXPECT_EQ(LastLog(), "retry");
    }
    EXPECT_EQ(ran, 0);
    EXPECT_EQ(protection.pending(), row.command);  // no limit on attempts
    protection.PromptOk("Secret7");
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(LastLog(), "close prompt");
    EXPECT_FALSE(protection.pending());
  }
}

TEST_F(PasswordTest, ScheduleButtonsGoByTheFileExitAndCancelByThePage) {
  Start("0", "Secret7");
  protection.SetProtectionBox(true);  // ticked, not saved
  Request(PendingCommand::Add);
  EXPECT_EQ(ran, 1);                     // the file says off: no question
  EXPECT_FALSE(windows.shown.check24);   // and the box shows the file's value again
  protection.SetProtectionBox(true);
  Request(PendingCommand::Exit);
  Request(PendingCommand::FrmRestart);
  EXPECT_EQ(ran, 1);  // the page's box counts for these two
  EXPECT_EQ(LastLog(), "open frmrestart");
  protection.PromptCancel();

  Start("1", "Secret7");
  protection.SetProtectionBox(false);  // cleared, not saved
  ran = 0;
  Request(PendingCommand::Exit);
  Request(PendingCommand::FrmRestart);
  EXPECT_EQ(ran, 2);
  for (PendingCommand c : {PendingCommand::Add, PendingCommand::Delete, PendingCommand::DeleteAll}) {
    protection.SetProtectionBox(false);
    Request(c);
    EXPECT_TRUE(windows.shown.check24);  // ticked again by the request
    EXPECT_EQ(LastLog(), std::string("open ") + PendingCommandWord(c));
  }
  EXPECT_EQ(ran, 2);

  Start("1", "");  // protection on but no password: Exit and Cancel go ahead
  ran = 0;
  Request(PendingCommand::Exit);
  Request(PendingCommand::FrmRestart);
  EXPECT_EQ(ran, 2);
}

TEST_F(PasswordTest, ALaterRequestTakesThePromptsPlace) {
  Start("1", "Secret7");
  int first = 0;
  protection.Guard(PendingCommand::FrmRestart, [&] { ++first; });
  Request(PendingCommand::Exit);
  EXPECT_EQ(protection.pending(), PendingCommand::Exit);
  protection.PromptOk("Secret7");
  EXPECT_EQ(first, 0);
  EXPECT_EQ(ran, 1);
}

// Exit answered No returns from the command: the prompt closes and nothing else
// happens; a command that asks again keeps the prompt open for the new request.
TEST_F(PasswordTest, CommandThatAsksAgainKeepsThePrompt) {
  Start("1", "Secret7");
  protection.Guard(PendingCommand::Exit, [] {});  // the question answered No
  windows.log.clear();
  protection.PromptOk("Secret7");
  EXPECT_EQ(windows.log, (std::vector<std::string>{"close prompt"}));

  protection.Guard(PendingCommand::Delete, [this] { Request(PendingCommand::DeleteAll); });
  protection.PromptOk("Secret7");
  EXPECT_EQ(LastLog(), "open deleteall");
  EXPECT_EQ(protection.pending(), PendingCommand::DeleteAll);
  protection.PromptOk("Secret7");
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(LastLog(), "close prompt");
}

TEST_F(PasswordTest, SaveSettingsAsksEvenWithTheBoxClearAndWritesBothKeys) {
  Start("1", "Secret7");
  protection.SetProtectionBox(false);
  protection.SaveSettings();
  EXPECT_EQ(LastLog(), "open mainform");
  EXPECT_EQ(Key("Pass_enabled"), "1");  // nothing written before the password
  protection.PromptOk("Secret7");
  EXPECT_EQ(LastMessage(), "ACCEPTED|information|Password Settings Saved");
  EXPECT_EQ(Key("Pass_enabled"), "0");
  EXPECT_EQ(Key("val"), "Secret7");
  EXPECT_NE(FileText().find("Pass_Enabled=0"), std::string::npos);
  EXPECT_EQ(LastLog(), "close prompt");
}

TEST_F(PasswordTest, CancelOfTheSaveRestoresThePageFromTheFile) {
  Start("1", "Secret7");
  protection.SetProtectionBox(false);
  protection.SaveSettings();
  protection.PromptCancel();
  EXPECT_EQ(LastLog(), "hide prompt");
  EXPECT_TRUE(windows.shown.check24);
  EXPECT_FALSE(protection.pending());

  // Cancel of another command leaves the page as it is.
  protection.SetProtectionBox(false);
  protection.Guard(PendingCommand::Add, [] {});  // ticks it from the file again
  protection.SetProtectionBox(false);
  protection.PromptCancel();
  EXPECT_FALSE(windows.shown.check24);
}

// The save's refusals come in order: blank, mismatch, length; a refused save writes
// nothing and the prompt still closes.
TEST_F(PasswordTest, SaveRoutineRefusesInItsOrder) {
  Start("1", "");
  protection.SavePassword();
  EXPECT_EQ(LastMessage(), "BLANK ENTRY|critical|Required fileds cannot be left blank");

  Start("0", "abcde");  // a 5-character password opens the prompt but cannot be saved
  protection.SetProtectionBox(true);
  protection.SaveSettings();
  protection.PromptOk("abcde");
  EXPECT_EQ(LastMessage(), "Length less then 6|critical|The Password length must be atleast 6");
  EXPECT_EQ(Key("Pass_enabled"), "0");
  EXPECT_EQ(LastLog(), "close prompt");

  // The file changed behind the program's back: Cancel reads the password again into
  // the shown field only, and the save then finds the two fields differ.
  Start("0", "abcdef");
  profile.WriteString("Pass", "Val", "other", file_);
  protection.SaveSettings();
  protection.PromptCancel();
  EXPECT_EQ(protection.page().text11, "other");
  protection.SaveSettings();
  protection.PromptOk("other");
  EXPECT_EQ(LastMessage(),
            "Password Mismatch|critical|The passwords donot match.Please retype passwords");
  EXPECT_EQ(Key("val"), "other");

  Start("0", "abcdef");
  protection.SetProtectionBox(true);
  protection.SavePassword();
  EXPECT_EQ(LastMessage(), "ACCEPTED|information|Password Settings Saved");
  EXPECT_EQ(Key("Pass_enabled"), "1");
}

TEST_F(PasswordTest, ChangeChecksTheOldPasswordThenTheRepeatedNewOne) {
  Start("1", "Secret7");
  protection.ChangePassword();
  EXPECT_EQ(LastLog(), "show change");

  protection.ChangeOk("secret7", "abc", "abc");
  EXPECT_EQ(LastMessage(), "Dusklatch|critical|OLD password entered is incorrect");
  EXPECT_EQ(LastLog(), "focus old");
  const std::string notSame =
      "Dusklatch|critical|New password and Retyped password are not same please enter password again";
  protection.ChangeOk("Secret7", "abc", "abd");
  EXPECT_EQ(LastMessage(), notSame);
  EXPECT_EQ(LastLog(), "focus new");
  protection.ChangeOk("Secret7", "", "");
  EXPECT_EQ(LastMessage(), notSame);
  protection.ChangeOk("Secret7", "", "x");
  EXPECT_EQ(LastMessage(), notSame);
  EXPECT_EQ(Key("val"), "Secret7");

  // Any length will do here, and only the password is written.
  profile.WriteString("Pass", "Pass_Enabled", "0", file_);
  protection.ChangeOk("Secret7", "z", "z");
  EXPECT_EQ(LastMessage(), "ACCEPTED|information|Password Changed");
  EXPECT_EQ(LastLog(), "hide change");
  EXPECT_EQ(Key("val"), "z");
  EXPECT_EQ(Key("Pass_enabled"), "0");
  EXPECT_EQ(windows.shown.text11, "z");
  EXPECT_EQ(windows.shown.text12, "z");

  protection.ChangeCancel();
  EXPECT_EQ(LastLog(), "hide change");
  protection.SetProtectionBox(false);
  protection.ChangePassword();
  EXPECT_EQ(LastMessage(), "Dusklatch|critical|PASSWORD protection is Disabled");
}

// After a change only the new password works, wherever it is asked for: at a prompt
// that was only hidden, at a new prompt, and as the old password of the next change.
TEST_F(PasswordTest, OnlyTheNewPasswordWorksAfterAChange) {
  Start("1", "first1");
  Request(PendingCommand::Exit);
  protection.PromptCancel();  // hidden, not destroyed
  protection.ChangeOk("first1", "second2", "second2");
  protection.ChangeOk("first1", "third3", "third3");
  EXPECT_EQ(LastMessage(), "Dusklatch|critical|OLD password entered is incorrect");
  protection.ChangeOk("second2", "third3", "third3");
  EXPECT_EQ(LastMessage(), "ACCEPTED|information|Password Changed");

  for (PendingCommand c : {PendingCommand::Exit, PendingCommand::Add}) {
    Request(c);
    protection.PromptOk("first1");
    protection.PromptOk("second2");
    EXPECT_EQ(LastLog(), "retry");
    protection.PromptOk("third3");
    EXPECT_EQ(LastLog(), "close prompt");
  }
  EXPECT_EQ(ran, 2);
  protection.SaveSettings();
  protection.PromptOk("third3");
  EXPECT_EQ(LastMessage(), "ACCEPTED|information|Password Settings Saved");
}

// The password reads back as it was given, blanks and quotes included; an ordinary one
// is stored as plain text, as every settings file holds it.
TEST_F(PasswordTest, PasswordReadsBackWhole) {
  for (const std::string password : {"plain pass", " lead", "trail ", "\"quoted\"", "'single'", "\"", "a\"b\""}) {
    SCOPED_TRACE(password);
    WriteStoredPassword(profile, file_, password);
    EXPECT_EQ(ReadStoredPassword(profile, file_), password);
  }
  WriteStoredPassword(profile, file_, "plain pass");
  EXPECT_NE(FileText().find("Val=plain pass\r\n"), std::string::npos);
  EXPECT_EQ(StoredPasswordText(" x"), "\" x\"");
}

}  // namespace
}  // namespace dusk
