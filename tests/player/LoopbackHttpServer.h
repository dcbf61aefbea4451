#pragma once

// A one-page web server on 127.0.0.1 for tests: answers every GET with the same body (or
// with 404), one connection at a time, on a thread of its own until destroyed.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace quavlet::test {

class LoopbackHttpServer {
 public:
  // status 200 serves `body`; anything else answers with that status and no body.
  explicit LoopbackHttpServer(std::string body, int status = 200);
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  // "http://127.0.0.1:<port>" followed by the path given.
  std::wstring Address(const std::wstring& path) const;
  int requests() const { return requests_; }
  // Replies sent in full.
  int replies() const { return replies_; }

  // Keeps every reply back until ReleaseReplies (at most 30 s), so that a test sees what
  // happens while the network has not answered yet.
  void HoldReplies();
  void ReleaseReplies();

 private:
  void Serve();
  void Answer(uintptr_t connection);

  std::string body_;
  int status_;
  uintptr_t listener_;  // a SOCKET, kept out of this header so it can follow <windows.h>
  unsigned short port_ = 0;
  std::atomic<int> requests_{0};
  std::atomic<int> replies_{0};
  std::mutex holdLock_;
  std::condition_variable holdEnded_;
  bool holding_ = false;
  std::thread thread_;
};

// A port on 127.0.0.1 where nobody listens (it was free a moment ago).
unsigned short UnusedLoopbackPort();

}  // namespace quavlet::test
