#pragma once

// Makes one allocation fail, as when memory has run out. A test program that compiles
// failing_allocation.cpp replaces the global operator new with one that, while a
// FailingAllocation lives, throws std::bad_alloc for the n-th allocation of at least the given
// size (counted over every thread). Not part of the support library: only the programs that
// name the source get the replacement.

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
