#include "widgets/subclass_table.h"

#include <cstdio>

namespace dusk {

std::optional<std::string> MessageTable::Add(int32_t message) {
  if (message == kAllMessages) {
    count = kAllMessages;
    return std::nullopt;
  }
  if (count >= kMsgEntries) return MessageTableOverflowText();
  uint32_t wanted = static_cast<uint32_t>(message);
  for (int i = 0; i < count; ++i) {
    if (entries[i] == 0) {
      entries[i] = wanted;
      return std::nullopt;
    }
    if (entries[i] == wanted) return std::nullopt;
  }
  // A table taking every message becomes a one-entry table here.
  int next = count < 0 ? 0 : count;
  entries[next] = wanted;
  count = next + 1;
  return std::nullopt;
}

std::optional<std::string> MessageTable::Remove(int32_t message) {
  if (message == kAllMessages) {
    count = 0;
    return std::nullopt;
  }
  for (int i = 0; i < count; ++i) {
    if (entries[i] == static_cast<uint32_t>(message)) {
      entries[i] = 0;
      return std::nullopt;
    }
  }
  return MessageNotFoundText(message);
}

bool MessageTable::Lists(uint32_t message) const {
  if (count == kAllMessages) return true;
  for (int i = 0; i < count && i < kMsgEntries; ++i)
    if (entries[i] == message && message != 0) return true;
  return false;
}

void MessageList::Add(int32_t message) {
  if (message == kAllMessages) {
    count = kAllMessages;
    return;
  }
  uint32_t wanted = static_cast<uint32_t>(message);
  int used = count < 0 ? 0 : count;
  if (static_cast<int>(entries.size()) < used) entries.resize(used);
  for (int i = 0; i < used; ++i) {
    if (entries[i] == 0) {
      entries[i] = wanted;
      return;
    }
    if (entries[i] == wanted) return;
  }
  entries.resize(used + 1);
  entries[used] = wanted;
  count = used + 1;
}

bool MessageList::Lists(uint32_t message) const {
  if (count == kAllMessages) return true;
  for (int i = 0; i < count && i < static_cast<int>(entries.size()); ++i)
    if (entries[i] == message && message != 0) return true;
  return false;
}

std::string MessageNotFoundText(int32_t message) {
  char hex[16];
  std::snprintf(hex, sizeof(hex), "%X", static_cast<unsigned>(message));
  return std::string("Message &H") + hex + " not found in table";
}

std::string MessageTableOverflowText() {
  return "Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
         "ALL_MESSAGES instead of specific message values";
}

}  // namespace dusk
