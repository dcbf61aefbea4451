#include <winsock2.h>
#include <ws2tcpip.h>

#include "tests/player/LoopbackHttpServer.h"

#include <chrono>

namespace quavlet::test {

namespace {

SOCKET ListenOnLoopback(unsigned short& port) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  int length = sizeof(address);
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  listen(listener, 4);
  return listener;
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(std::string body, int status) : body_(std::move(body)), status_(status) {
  listener_ = ListenOnLoopback(port_);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  ReleaseReplies();
  closesocket(listener_);  // wakes accept
  thread_.join();
  WSACleanup();
}

void LoopbackHttpServer::HoldReplies() {
  std::lock_guard<std::mutex> lock(holdLock_);
  holding_ = true;
}

void LoopbackHttpServer::ReleaseReplies() {
  {
    std::lock_guard<std::mutex> lock(holdLock_);
    holding_ = false;
  }
  holdEnded_.notify_all();
}

std::wstring LoopbackHttpServer::Address(const std::wstring& path) const {
  return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
}

void LoopbackHttpServer::Serve() {
  for (;;) {
    SOCKET connection = accept(listener_, nullptr, nullptr);
    if (connection == INVALID_SOCKET) return;
    Answer(connection);
    closesocket(connection);
  }
}

void LoopbackHttpServer::Answer(uintptr_t connection) {
  std::string request;
  char buffer[2048];
  while (request.find("\r\n\r\n") == std::string::npos) {
    const int received = recv(connection, buffer, sizeof(buffer), 0);
    if (received <= 0) return;
    request.append(buffer, received);
  }
  ++requests_;
  {
    std::unique_lock<std::mutex> lock(holdLock_);
    holdEnded_.wait_for(lock, std::chrono::seconds(30), [this] { return !holding_; });
  }
  const std::string body = status_ == 200 ? body_ : std::string();
  std::string reply = "HTTP/1.0 " + std::to_string(status_) + (status_ == 200 ? " OK" : " Not Found") +
                      "\r\nContent-Type: audio/wav\r\nContent-Length: " + std::to_string(body.size()) +
                      "\r\nConnection: close\r\n\r\n" + body;
  size_t sent = 0;
  while (sent < reply.size()) {
    const int count = send(connection, reply.data() + sent, static_cast<int>(reply.size() - sent), 0);
    if (count <= 0) return;
    sent += count;
  }
  ++replies_;
  shutdown(connection, SD_SEND);
}

unsigned short UnusedLoopbackPort() {
  unsigned short port = 0;
  SOCKET probe = ListenOnLoopback(port);
  closesocket(probe);
  WSACleanup();
  return port;
}

}  // namespace quavlet::test
