#include "app/page_navigation.h"

namespace dusk {

EntryReaction PressEntry(const NavigationEntry&, MouseButton button) {
  EntryReaction reaction;
  if (button == MouseButton::Left) reaction.picture = SkinPicture::EntryPressed;
  return reaction;
}

EntryReaction ReleaseEntry(const NavigationEntry& entry, MouseButton button) {
  EntryReaction reaction;
  if (button == MouseButton::Left) reaction.picture = SkinPicture::EntryReleased;
  reaction.page = entry.page;
  return reaction;
}

std::optional<SkinPicture> PressWindowButton(bool isClose, MouseButton button) {
  if (button != MouseButton::Left) return std::nullopt;
  return isClose ? SkinPicture::ClosePressed : SkinPicture::MinimizePressed;
}

std::optional<SkinPicture> ReleaseWindowButton(bool isClose, MouseButton button) {
  if (button != MouseButton::Left) return std::nullopt;
  return isClose ? SkinPicture::CloseReleased : SkinPicture::MinimizeReleased;
}

}  // namespace dusk
