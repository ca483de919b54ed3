// The main window's links to pages of the maker's web site.
#pragma once
#include <string>

namespace dusk {

struct WebLink {
  int id;               // control id on the main window
  const char* caption;
  const char* tooltip;  // empty: none
  const char* page;     // path and query under the site's address; empty: home page
};

bool IsWebLink(int id);
// The link with that id; an unknown id gives the home page link.
const WebLink& WebLinkById(int id);
std::string WebLinkAddress(const WebLink& link);

}  // namespace dusk
