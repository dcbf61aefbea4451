#pragma once

// Makes one allocation fail, as when memory has run out: this test program replaces the
// global operator new, and while a FailingAllocation lives, the n-th allocation of at least
// the given size (counted over every thread) throws std::bad_alloc.

#include <cstddef>

namespace quavlet::test {

class FailingAllocation {
 public:
  FailingAllocation(std::size_t smallestSize, int nth);
  ~FailingAllocation();
  FailingAllocation(const FailingAllocation&) = delete;
  FailingAllocation& operator=(const FailingAllocation&) = delete;

  // Whether the allocation has been made to fail yet.
  bool Failed() const;
};

}  // namespace quavlet::test
