#include "player/UrlDownload.h"

#include <objbase.h>
#include <urlmon.h>

#include <mutex>
#include <system_error>
#include <thread>

#include "runtime/Barrier.h"
#include "runtime/DelayLoad.h"

namespace quavlet::player {

// What the downloading thread and the owner share. The mutex orders "finished" against
// "abandoned", so exactly one side removes an abandoned file.
struct UrlDownload::Shared {
  std::wstring url;
  std::wstring localPath;
  Notification notification;
  std::mutex mutex;
  bool finished = false;
  bool abandoned = false;
};

namespace {

// Lives on the downloading thread's stack for the one synchronous URLDownloadToFileW call.
// It also hears the server's answer: an error page is no song, whatever the transfer says.
class ProgressReporter final : public IBindStatusCallback, public IHttpNegotiate {
 public:
  explicit ProgressReporter(UrlDownload::Shared& shared) : shared_(shared) {}

  // Called by the download, on this thread.
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
    return runtime::Barrier([&] { return ReportProgress(progress, progressMax, statusCode); }, E_ABORT);
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

  HRESULT ReportProgress(ULONG progress, ULONG progressMax, ULONG statusCode) {
    const bool transferring = statusCode == BINDSTATUS_BEGINDOWNLOADDATA ||
                              statusCode == BINDSTATUS_DOWNLOADINGDATA || statusCode == BINDSTATUS_ENDDOWNLOADDATA;
    const int percent = progressMax ? static_cast<int>(100ULL * progress / progressMax) : -1;
    // Posted under the lock: the owner abandons the download under it before its window goes,
    // so nothing reaches a window that has gone, or another that has its handle value by now.
    std::lock_guard lock(shared_.mutex);
    if (shared_.abandoned) return E_ABORT;
    if (transferring && percent != lastPercent_) {
      lastPercent_ = percent;
      const auto& target = shared_.notification;
      target.post(target.window, target.progressMessage, target.ticket, percent);
    }
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

// The end of a download: its file goes to the owner with the message, or, when there is no
// owner any more (or no window to tell), is removed at once.
void Finish(UrlDownload::Shared& shared, HRESULT result) {
  std::lock_guard lock(shared.mutex);
  shared.finished = true;
  const auto& target = shared.notification;
  if (shared.abandoned || !target.post(target.window, target.doneMessage, target.ticket, static_cast<LPARAM>(result))) {
    DeleteFileW(shared.localPath.c_str());
  }
}

void Download(UrlDownload::Shared& shared) {
  const HRESULT apartment = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  ProgressReporter reporter(shared);
  // urlmon loads at the first download; without it the song cannot be fetched.
  const HRESULT result =
      runtime::DelayLoadable(L"urlmon.dll", {"URLDownloadToFileW"})
          ? reporter.Outcome(URLDownloadToFileW(nullptr, shared.url.c_str(), shared.localPath.c_str(), 0, &reporter))
          : HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
  // Settled before the apartment is left, which may take a while: a program ending meanwhile
  // ends this thread too, and an abandoned file must be gone by then.
  Finish(shared, result);
  if (SUCCEEDED(apartment)) CoUninitialize();
}

// The thread's procedure: a download that fails in an unforeseen way still ends, as a failed one.
void RunDownload(const std::shared_ptr<UrlDownload::Shared>& shared) {
  runtime::Barrier([&] { Download(*shared); },
                   [&] { runtime::Barrier([&] { Finish(*shared, E_UNEXPECTED); }); });
}

}  // namespace

UrlDownload::UrlDownload(const std::wstring& url, const std::wstring& localPath, Notification notification)
    : shared_(std::make_shared<Shared>()) {
  shared_->url = url;
  shared_->localPath = localPath;
  shared_->notification = notification;
  if (!shared_->notification.post) shared_->notification.post = PostMessageW;
  // The thread keeps the shared state alive on its own; nobody waits for it.
  try {
    std::thread(RunDownload, shared_).detach();
  } catch (const std::system_error&) {
    // No thread to be had: the download fails at once, as one the network refused.
    Finish(*shared_, E_OUTOFMEMORY);
  }
}

UrlDownload::~UrlDownload() {
  std::lock_guard lock(shared_->mutex);
  shared_->abandoned = true;
  // Removed now if it can be: a file the transfer has written whole may wait for the thread to
  // settle it, and a program ending meanwhile ends the thread first. One still being written is
  // removed by the thread when it has done.
  DeleteFileW(shared_->localPath.c_str());
}

const std::wstring& UrlDownload::localPath() const { return shared_->localPath; }

}  // namespace quavlet::player
