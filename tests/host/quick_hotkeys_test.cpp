// The hotkeys: the letter fields, Save's checks and keys, the start-up letters, the
// registrations given back, and what a pressed hotkey does with the box on and off.
#include <gtest/gtest.h>

#include <map>

#include "platform/host/recording_dialogs.h"
#include "platform/host/recording_power.h"
#include "quick/hotkey_settings.h"
#include "quick/hotkeys.h"
#include "quick_profile.h"

namespace dusk {
namespace {

TEST(HotkeyLetterFields, OnlyLettersAndThoseUpperCased) {
  EXPECT_TRUE(AcceptsHotkeyChar('s'));
  EXPECT_TRUE(AcceptsHotkeyChar('Z'));
  for (char c : {'1', ' ', '\b', '@', '[', '`', '{', '\x16'})
    EXPECT_FALSE(AcceptsHotkeyChar(c)) << int(c);
  EXPECT_EQ(LetterFieldText("s"), "S");
  EXPECT_EQ(LetterFieldText("q"), "Q");
  EXPECT_EQ(LetterFieldText("1"), "");  // pasted: what cannot be typed is dropped too
  EXPECT_EQ(LetterFieldText(" x9"), "X");
  EXPECT_EQ(LetterFieldText("\xe9"), "");  // no letters beyond A to Z
}

struct HotkeySave : ::testing::Test {
  OrderedMemoryProfile profile;
  RecordingDialogs dialogs;
  HotkeySettings settings{true, {"S", "R", "L", "X", "H", "C"}};
  bool Save() { return SaveHotkeySettings(settings, profile, "config.ini", dialogs); }
};

TEST_F(HotkeySave, WritesTheBoxThenTheSixLettersAndSaysSoWithoutIcon) {
  settings.enabled = false;
  settings.letters[0] = "Q";
  ASSERT_TRUE(Save());
  EXPECT_EQ(profile.writes,
            (std::vector<std::string>{"HOTKEY/Hotkey_enabled=0", "HOTKEY/Shutdown=Q",
                                      "HOTKEY/Restart=R", "HOTKEY/LogOff=L", "HOTKEY/StandBy=X",
                                      "HOTKEY/Hibernate=H", "HOTKEY/Lock=C"}));
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "Hotkey settings have been saved !!");
  EXPECT_EQ(dialogs.shown()[0].title, "Dusklatch");
  EXPECT_EQ(dialogs.shown()[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(dialogs.shown()[0].icon, MsgIcon::None);
}

TEST_F(HotkeySave, RefusesBlanksBeforeRepeatsAndWritesNothing) {
  settings.letters[5] = "";
  settings.letters[1] = "S";
  EXPECT_FALSE(Save());
  settings.letters[5] = "C";
  EXPECT_FALSE(Save());
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[0].text, "Please fill the blank fields");
  EXPECT_EQ(dialogs.shown()[1].text,
            "Two or more values are same !!! Please enter DISTINCT values for all operations.");
  for (const ShownMessage& m : dialogs.shown()) {
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
  }
  EXPECT_TRUE(profile.writes.empty());
}

TEST(HotkeyLetterChecks, EveryOneOfTheFifteenPairsIsCompared) {
  for (int i = 0; i < kHotkeyCount; ++i)
    for (int j = i + 1; j < kHotkeyCount; ++j) {
      HotkeyLetters letters{"A", "B", "C", "D", "E", "F"};
      letters[j] = letters[i];
      EXPECT_NE(CheckHotkeyLetters(letters), "") << i << " and " << j;
    }
  EXPECT_EQ(CheckHotkeyLetters({"A", "B", "C", "D", "E", "F"}), "");
}

TEST(HotkeyStartup, LettersComeFromTheFileAndAlwaysNameAKey) {
  OrderedMemoryProfile profile;
  EXPECT_EQ(LoadHotkeySettings(profile, "config.ini").letters,
            (HotkeyLetters{"S", "R", "L", "X", "H", "C"}));  // no file: each entry's own letter
  EXPECT_FALSE(LoadHotkeySettings(profile, "config.ini").enabled);

  profile.values = {{"HOTKEY/Hotkey_enabled", "1"}, {"HOTKEY/Shutdown", "Q"},
                    {"HOTKEY/Restart", "w"},        {"HOTKEY/LogOff", ""},
                    {"HOTKEY/StandBy", "7"},        {"HOTKEY/Hibernate", "Zed"}};
  const HotkeySettings s = LoadHotkeySettings(profile, "config.ini");
  EXPECT_TRUE(s.enabled);
  // A lower-case letter would otherwise name another key (w is F8's code).
  EXPECT_EQ(s.letters, (HotkeyLetters{"Q", "W", "L", "X", "Z", "C"}));
}

// Hotkeys as the system keeps them: a combination belongs to one holder at a time.
struct FakeHotkeys : HotkeyApi {
  std::map<unsigned, std::string> held;  // virtual key -> holder
  std::vector<std::string> calls;
  bool Register(int id, unsigned modifiers, unsigned key) override {
    calls.push_back("register " + std::to_string(id) + " " + std::to_string(modifiers) + " " +
                    std::string(1, static_cast<char>(key)));
    return held.emplace(key, "us").second;
  }
  void Unregister(int id) override { calls.push_back("unregister " + std::to_string(id)); }
};

TEST(HotkeyRegistration, ATakenCombinationIsSkippedAndOnlyOursAreGivenBack) {
  FakeHotkeys api;
  api.held['L'] = "another program";
  HotkeyRegistrations registrations;
  registrations.RegisterAll(api, {"S", "R", "L", "X", "H", ""});
  EXPECT_EQ(api.calls,
            (std::vector<std::string>{"register 0 3 S", "register 1 3 R", "register 2 3 L",
                                      "register 3 3 X", "register 4 3 H"}));
  EXPECT_TRUE(registrations.registered(0));
  EXPECT_FALSE(registrations.registered(2));
  EXPECT_FALSE(registrations.registered(5));
  EXPECT_FALSE(registrations.registered(6));

  api.calls.clear();
  registrations.UnregisterAll(api);
  EXPECT_EQ(api.calls, (std::vector<std::string>{"unregister 0", "unregister 1", "unregister 3",
                                                 "unregister 4"}));
  registrations.UnregisterAll(api);  // nothing is given back twice
  EXPECT_EQ(api.calls.size(), 4u);
}

struct DispatchHost : HotkeyDispatchHost {
  bool enabled = true;
  std::vector<std::string> events;
  RecordingPower power;
  DispatchHost() {
    power.sink = [this](const std::string& line) { events.push_back(line); };
  }
  void HandleWaitingMessages() override { events.push_back("yield"); }
  bool HotkeysEnabled() override {
    events.push_back("read box");
    return enabled;
  }
  void Announce(const std::string& text, bool show) override {
    events.push_back((show ? "show: " : "label: ") + text);
  }
  PowerApi& Power() override { return power; }
};

// What the same action asked for directly records, for comparison.
std::vector<std::string> Direct(PowerAction action) {
  RecordingPower power;
  PerformPowerAction(power, action, false);
  return power.requests();
}

TEST(HotkeyDispatch, EachHotkeyAnnouncesThenActsAtOnceNeverForced) {
  for (const HotkeyEntry& e : kHotkeys) {
    DispatchHost host;
    DispatchHotkey(host, e.id);
    ASSERT_GE(host.events.size(), 3u);
    EXPECT_EQ(host.events[0], "yield") << "messages first";
    EXPECT_EQ(host.events[1], "read box");
    EXPECT_EQ(host.events[2], std::string(e.id == 0 ? "show: " : "label: ") + e.announcement);
    EXPECT_EQ(host.power.requests(), Direct(e.action)) << e.key;
  }
  DispatchHost host;
  DispatchHotkey(host, 0);
  EXPECT_EQ(host.power.requests(),
            (std::vector<std::string>{"privilege on", "ExitWindowsEx 8", "privilege off"}));
}

TEST(HotkeyDispatch, HibernatesWithoutLookingForTheHibernationFile) {
  DispatchHost host;  // the recording service has no files at all
  DispatchHotkey(host, 4);
  EXPECT_EQ(host.power.requests(), Direct(PowerAction::Hibernate));
  EXPECT_FALSE(host.power.requests().empty());
}

TEST(HotkeyDispatch, NothingWhileTheBoxIsClearOrForAnUnknownNumber) {
  DispatchHost off;
  off.enabled = false;
  DispatchHotkey(off, 0);
  EXPECT_EQ(off.events, (std::vector<std::string>{"yield", "read box"}));

  DispatchHost unknown;
  DispatchHotkey(unknown, 6);
  DispatchHotkey(unknown, -1);
  EXPECT_TRUE(unknown.power.requests().empty());
  for (const std::string& e : unknown.events) EXPECT_TRUE(e == "yield" || e == "read box") << e;
}

}  // namespace
}  // namespace dusk
