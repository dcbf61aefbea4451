#include "player/UrlDownload.h"

#include <objbase.h>
#include <urlmon.h>

#include <mutex>
#include <thread>

#include "runtime/DelayLoad.h"

namespace quavlet {

// What the downloading thread and the owner share. The mutex orders "finished" against
// "abandoned", so exactly one side removes an abandoned file.
struct UrlDownload::Shared {
  std::wstring url;
  std::wstring localPath;
  Notification notification;
  std::mutex mutex;
  bool finished = false;
  bool abandoned = false;

  bool IsAbandoned() {
    std::lock_guard lock(mutex);
    return abandoned;
  }
};

namespace {

// Lives on the downloading thread's stack for the one synchronous URLDownloadToFileW call.
// It also hears the server's answer: an error page is no song, whatever the transfer says.
class ProgressReporter final : public IBindStatusCallback, public IHttpNegotiate {
 public:
  explicit ProgressReporter(UrlDownload::Shared& shared) : shared_(shared) {}

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IBindStatusCallback) {
      *object = static_cast<IBindStatusCallback*>(this);
    } else if (iid == IID_IHttpNegotiate) {
      *object = static_cast<IHttpNegotiate*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }

  STDMETHODIMP OnStartBinding(DWORD, IBinding*) override { return S_OK; }
  STDMETHODIMP GetPriority(LONG*) override { return E_NOTIMPL; }
  STDMETHODIMP OnLowResource(DWORD) override { return S_OK; }
  STDMETHODIMP OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode, LPCWSTR) override {
    if (shared_.IsAbandoned()) return E_ABORT;
    if (statusCode == BINDSTATUS_BEGINDOWNLOADDATA || statusCode == BINDSTATUS_DOWNLOADINGDATA ||
        statusCode == BINDSTATUS_ENDDOWNLOADDATA) {
      const int percent = progressMax ? static_cast<int>(100ULL * progress / progressMax) : -1;
      if (percent != lastPercent_) {
        lastPercent_ = percent;
        const auto& target = shared_.notification;
        PostMessageW(target.window, target.progressMessage, target.ticket, percent);
      }
    }
    return S_OK;
  }
  STDMETHODIMP OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
  STDMETHODIMP GetBindInfo(DWORD* flags, BINDINFO*) override {
    // Always the server's current copy: a song address may be reused for other content.
    if (flags) *flags |= BINDF_GETNEWESTVERSION;
    return S_OK;
  }
  STDMETHODIMP OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return S_OK; }
  STDMETHODIMP OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

  STDMETHODIMP BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additionalHeaders) override {
    if (additionalHeaders) *additionalHeaders = nullptr;
    return S_OK;
  }
  STDMETHODIMP OnResponse(DWORD responseCode, LPCWSTR, LPCWSTR, LPWSTR* additionalHeaders) override {
    if (additionalHeaders) *additionalHeaders = nullptr;
    httpStatus_ = responseCode;
    return S_OK;
  }

  // The transfer's result, turned into a failure when the server answered with an error.
  HRESULT Outcome(HRESULT transfer) const {
    if (FAILED(transfer) || httpStatus_ < 400) return transfer;
    return httpStatus_ == 404 || httpStatus_ == 410 ? INET_E_RESOURCE_NOT_FOUND : INET_E_DOWNLOAD_FAILURE;
  }

 private:
  UrlDownload::Shared& shared_;
  int lastPercent_ = -2;
  DWORD httpStatus_ = 0;
};

void Download(std::shared_ptr<UrlDownload::Shared> shared) {
  const HRESULT apartment = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  ProgressReporter reporter(*shared);
  // urlmon loads at the first download; without it the song cannot be fetched.
  const HRESULT result =
      runtime::DelayLoadable(L"urlmon.dll", {"URLDownloadToFileW"})
          ? reporter.Outcome(URLDownloadToFileW(nullptr, shared->url.c_str(), shared->localPath.c_str(), 0, &reporter))
          : HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
  if (SUCCEEDED(apartment)) CoUninitialize();

  std::lock_guard lock(shared->mutex);
  shared->finished = true;
  const auto& target = shared->notification;
  if (shared->abandoned ||
      !PostMessageW(target.window, target.doneMessage, target.ticket, static_cast<LPARAM>(result))) {
    DeleteFileW(shared->localPath.c_str());
  }
}

}  // namespace

UrlDownload::UrlDownload(const std::wstring& url, const std::wstring& localPath, Notification notification)
    : shared_(std::make_shared<Shared>()) {
  shared_->url = url;
  shared_->localPath = localPath;
  shared_->notification = notification;
  // The thread keeps the shared state alive on its own; nobody waits for it.
  std::thread(Download, shared_).detach();
}

UrlDownload::~UrlDownload() {
  std::lock_guard lock(shared_->mutex);
  shared_->abandoned = true;
  // Once finished, the thread has handed the file over; until then it removes it itself.
  if (shared_->finished) DeleteFileW(shared_->localPath.c_str());
}

const std::wstring& UrlDownload::localPath() const { return shared_->localPath; }

}  // namespace quavlet
