// The items of the countdown's action list, in the order they are added.
#pragma once
#include <string>
#include <vector>

namespace dusk {

struct ActionItem {
  std::string key;
  std::string text;        // what the list shows and the countdown compares
  std::string pictureKey;  // the picture shown beside it
};

// Five items always; "Lock Computer" only where locking is offered (Windows 2000 and XP).
std::vector<ActionItem> CountdownActionItems(const std::string& osName);

}  // namespace dusk
