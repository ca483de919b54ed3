#include <gtest/gtest.h>

#include "widgets/subclass_table.h"

namespace dusk {
namespace {

TEST(MessageTableRules, AddingKeepsOneEntryAndReusesFreedOnes) {
  MessageTable table;
  EXPECT_FALSE(table.Add(0x200));
  EXPECT_FALSE(table.Add(0x200));
  EXPECT_EQ(table.count, 1);
  EXPECT_FALSE(table.Add(0x2A3));
  EXPECT_FALSE(table.Remove(0x200));
  EXPECT_EQ(table.count, 2);  // the freed entry stays counted
  EXPECT_FALSE(table.Lists(0x200));
  EXPECT_FALSE(table.Add(0x0F));
  EXPECT_EQ(table.count, 2);  // and is taken again
  EXPECT_TRUE(table.Lists(0x0F));
  EXPECT_TRUE(table.Lists(0x2A3));
  EXPECT_FALSE(table.Lists(0));
}

TEST(MessageTableRules, The33rdMessageOverflowsButAllMessagesIsAccepted) {
  MessageTable table;
  for (int i = 1; i <= 32; ++i) EXPECT_FALSE(table.Add(0x100 + i));
  auto refused = table.Add(0x400);
  ASSERT_TRUE(refused);
  EXPECT_EQ(*refused,
            "Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
            "ALL_MESSAGES instead of specific message values");
  EXPECT_FALSE(table.Add(kAllMessages));
  EXPECT_EQ(table.count, kAllMessages);
  EXPECT_TRUE(table.Lists(0x400));
  // A specific message turns a table of everything into a one-entry table.
  EXPECT_FALSE(table.Add(0x10));
  EXPECT_EQ(table.count, 1);
  EXPECT_FALSE(table.Lists(0x400));
}

TEST(MessageTableRules, RemovingUnknownMessageNamesItInHex) {
  MessageTable table;
  table.Add(0x2A3);
  auto refused = table.Remove(0x2A1);
  ASSERT_TRUE(refused);
  EXPECT_EQ(*refused, "Message &H2A1 not found in table");
  EXPECT_FALSE(table.Remove(kAllMessages));
  EXPECT_EQ(table.count, 0);
  EXPECT_FALSE(table.Lists(0x2A3));
}

TEST(MessageListRules, GrowsWithoutLimit) {
  MessageList list;
  for (int i = 1; i <= 40; ++i) list.Add(i);
  list.Add(5);
  EXPECT_EQ(list.count, 40);
  EXPECT_TRUE(list.Lists(40));
  list.Add(kAllMessages);
  EXPECT_TRUE(list.Lists(999));
}

TEST(SubclassErrorTexts, LogLineBoxTextAndTitle) {
  SubclassError error{"CandyButton", "sc_Subclass", "Window handle is already subclassed"};
  EXPECT_EQ(error.LogText(), "CandyButton.sc_Subclass: Window handle is already subclassed");
  EXPECT_EQ(error.BoxText(), "Window handle is already subclassed.");
  EXPECT_EQ(error.BoxTitle(), "Error in CandyButton.sc_Subclass");
}

}  // namespace
}  // namespace dusk
