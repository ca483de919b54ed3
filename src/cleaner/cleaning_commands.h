// The cleaning commands the tray menu offers under "Clear Privacy data", in menu order.
#pragma once

namespace dusk {

enum class CleaningCommand {
  DeleteAll,          // delall
  ClearTemp,          // cleartemp
  EmptyRecycleBin,    // recbin
  EraseRecentDocs,    // doclist
  ClearTypedUrls,     // IEurl
  ClearUrlHistory,    // IEhistory
  ClearMediaPlayer,   // wmphist
  ClearCookies,       // cookies
  ClearPaintHistory,  // pbhist
};

class CleaningCommands {
 public:
  virtual ~CleaningCommands() = default;
  virtual void Run(CleaningCommand command) = 0;
};

}  // namespace dusk
