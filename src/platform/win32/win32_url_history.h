// The URL history store on the platform's CUrlHistory object (IUrlHistoryStg2).
// A store that cannot be created, or that answers E_NOTIMPL, refuses every request.
#pragma once
#include "platform/url_history.h"

struct IUrlHistoryStg2;

namespace dusk {

class Win32UrlHistoryStore : public UrlHistoryStore {
 public:
  Win32UrlHistoryStore();
  ~Win32UrlHistoryStore() override;
  Win32UrlHistoryStore(const Win32UrlHistoryStore&) = delete;
  Win32UrlHistoryStore& operator=(const Win32UrlHistoryStore&) = delete;

  bool created() const { return store_ != nullptr; }
  bool Enumerate(const std::string& filter, std::uint32_t flags,
                 std::vector<UrlHistoryEntry>& entries) override;
  bool DeleteUrl(const std::string& url, std::uint32_t flags) override;
  bool ClearHistory() override;

 private:
  IUrlHistoryStg2* store_ = nullptr;
  bool comStarted_ = false;
};

}  // namespace dusk
