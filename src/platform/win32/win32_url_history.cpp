#include "platform/win32/win32_url_history.h"

#include <windows.h>

#include <objbase.h>
#include <shlguid.h>
#include <urlhist.h>

#include "platform/win32/wide_text.h"

namespace dusk {

Win32UrlHistoryStore::Win32UrlHistoryStore() {
  // S_FALSE (already started on this thread) is balanced by CoUninitialize as well.
  comStarted_ = SUCCEEDED(CoInitialize(nullptr));
  void* store = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_CUrlHistory, nullptr, CLSCTX_INPROC_SERVER, IID_IUrlHistoryStg2,
                                 &store)))
    store_ = static_cast<IUrlHistoryStg2*>(store);
}

Win32UrlHistoryStore::~Win32UrlHistoryStore() {
  if (store_) store_->Release();
  if (comStarted_) CoUninitialize();
}

bool Win32UrlHistoryStore::Enumerate(const std::string& filter, std::uint32_t flags,
                                     std::vector<UrlHistoryEntry>& entries) {
  if (!store_) return false;
  IEnumSTATURL* walk = nullptr;
  if (FAILED(store_->EnumUrls(&walk)) || !walk) return false;
  const std::wstring prefix = WideFromUtf8(filter);
  bool ok = SUCCEEDED(walk->SetFilter(prefix.empty() ? nullptr : prefix.c_str(), flags));
  while (ok) {
    STATURL record{};
    record.cbSize = sizeof(record);
    ULONG fetched = 0;
    const HRESULT hr = walk->Next(1, &record, &fetched);
    if (FAILED(hr)) ok = false;
    if (hr != S_OK || fetched == 0) break;
    entries.push_back({Utf8FromWide(record.pwcsUrl), Utf8FromWide(record.pwcsTitle)});
    CoTaskMemFree(record.pwcsTitle);
    CoTaskMemFree(record.pwcsUrl);
  }
  walk->Release();
  return ok;
}

bool Win32UrlHistoryStore::DeleteUrl(const std::string& url, std::uint32_t flags) {
  return store_ && SUCCEEDED(store_->DeleteUrl(WideFromUtf8(url).c_str(), flags));
}

bool Win32UrlHistoryStore::ClearHistory() { return store_ && SUCCEEDED(store_->ClearHistory()); }

}  // namespace dusk
