#include "app/web_links.h"

#include <array>

#include "app/app_identity.h"

namespace dusk {
namespace {

constexpr const char* kHelpPage = "index.php?option=com_content&view=article&id=46&Itemid=30";

// Ids as in the main window's control table.
const std::array<WebLink, 9> kLinks{{
    {401, "Help", "Click here to get help", kHelpPage},
    {402, "Help", "", kHelpPage},
    {403, "Visit Forum", "Visit Tavrenko forum.", "index.php?option=com_fireboard&Itemid=2"},
    {404, "Register to forum", "Click here to register for free.", "index.php?option=com_user&task=register"},
    {405, "Get  free  Softwares !!! Click here", "", "index.php?option=com_content&view=article&id=45&Itemid=27"},
    {406, kAppNameAndVersion, "", ""},
    {407, "By", "", ""},
    {408, kMakerWebAddress, "", ""},
    {409, "", "", ""},
}};

}  // namespace

bool IsWebLink(int id) {
  for (const WebLink& link : kLinks)
    if (link.id == id) return true;
  return false;
}

const WebLink& WebLinkById(int id) {
  for (const WebLink& link : kLinks)
    if (link.id == id) return link;
  return kLinks.back();
}

std::string WebLinkAddress(const WebLink& link) { return std::string(kMakerWebAddress) + link.page; }

}  // namespace dusk
