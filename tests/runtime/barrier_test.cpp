// The barrier at the places the system calls the program: work that fails gives the entry's own
// fallback, and work that does not is passed through untouched.

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "runtime/Barrier.h"

namespace quavlet::runtime {
namespace {

TEST(Barrier, WorkThatSucceedsGivesItsOwnResultAndTheFallbackIsNeverCalled) {
  int fallbacks = 0;
  EXPECT_EQ(Barrier([] { return 42L; }, [&] { return ++fallbacks, -1L; }), 42L);
  EXPECT_EQ(Barrier([] { return std::string("done"); }, std::string("failed")), "done");
  EXPECT_EQ(fallbacks, 0);
}

TEST(Barrier, AnyExceptionStopsThereAndTheFallbackStandsForTheResult) {
  int fallbacks = 0;
  auto fallback = [&] { return ++fallbacks, -1L; };
  EXPECT_EQ(Barrier([]() -> long { throw std::runtime_error("failed"); }, fallback), -1L);
  EXPECT_EQ(Barrier([]() -> long { throw std::bad_alloc(); }, fallback), -1L);
  EXPECT_EQ(Barrier([]() -> long { throw 7; }, fallback), -1L) << "not only standard exceptions";
  EXPECT_EQ(fallbacks, 3);
  EXPECT_EQ(Barrier([]() -> int { throw std::runtime_error("failed"); }, 0), 0) << "a plain value as fallback";
}

TEST(Barrier, WorkWithoutAResultIsLeftUndoneFromWhereItFailed) {
  std::string done;
  Barrier([&] {
    done += "a";
    throw std::runtime_error("failed");
  });
  Barrier([&] { done += "b"; });
  EXPECT_EQ(done, "ab");
}

}  // namespace
}  // namespace quavlet::runtime
