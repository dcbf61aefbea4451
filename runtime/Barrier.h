#pragma once

// Where the system calls the program (a window or hook procedure, an enumeration callback, a
// thread procedure, a COM method), no C++ exception may leave: the system's own frames cannot be
// unwound through (fatal on 64-bit Windows; std::terminate in the 32-bit build, whose unwinding
// knows nothing of them). Each such entry runs its work through Barrier, which stops any
// exception there and gives the entry's own way of failing instead: a message passed on to the
// previous or default procedure, a paint skipped, an enumeration going on, a COM error.
//
// A try block costs nothing while nothing is thrown (table-driven unwinding on both builds), so
// the hot entries (the skin's window procedure, every 15 ms during a fade) keep their speed.
// Plain C++ but for the debugger output, so its logic is tested natively too.

#include <exception>
#include <type_traits>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quavlet::runtime {

namespace barrier_detail {

// An exception stopped at a barrier is told to a debugger, if one listens; nothing else hears.
inline void TellDebugger(const char* what) noexcept {
#ifdef _WIN32
  OutputDebugStringA("Quavlet: a failure was stopped where the system had called the program: ");
  OutputDebugStringA(what ? what : "(not a standard exception)");
  OutputDebugStringA("\n");
#else
  (void)what;
#endif
}

}  // namespace barrier_detail

// Runs work() and returns its result; if it throws, the exception stops here and the result is
// fallback: a value, or a callable that gives one (called only then, and it must not throw).
template <typename Work, typename Fallback>
auto Barrier(Work&& work, Fallback&& fallback) noexcept -> std::invoke_result_t<Work&> {
  try {
    return work();
  } catch (const std::exception& failure) {
    barrier_detail::TellDebugger(failure.what());
  } catch (...) {
    barrier_detail::TellDebugger(nullptr);
  }
  if constexpr (std::is_invocable_v<Fallback&>) {
    return fallback();
  } else {
    return static_cast<std::invoke_result_t<Work&>>(std::forward<Fallback>(fallback));
  }
}

// Work without a result: a failure leaves what it did undone.
template <typename Work>
void Barrier(Work&& work) noexcept {
  static_assert(std::is_void_v<std::invoke_result_t<Work&>>, "give a fallback for work with a result");
  try {
    work();
  } catch (const std::exception& failure) {
    barrier_detail::TellDebugger(failure.what());
  } catch (...) {
    barrier_detail::TellDebugger(nullptr);
  }
}

}  // namespace quavlet::runtime
