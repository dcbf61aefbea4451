#include "tests/support/failing_allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> armed{false};
std::atomic<std::size_t> smallest{0};
std::atomic<int> countdown{0};
std::atomic<bool> failed{false};

}  // namespace

void* operator new(std::size_t size) {
  if (armed && size >= smallest && countdown.fetch_sub(1) == 1) {
    armed = false;
    failed = true;
    throw std::bad_alloc();
  }
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace quavlet::test {

FailingAllocation::FailingAllocation(std::size_t smallestSize, int nth) {
  smallest = smallestSize;
  countdown = nth;
  failed = false;
  armed = true;
}

FailingAllocation::~FailingAllocation() { armed = false; }

bool FailingAllocation::Failed() const { return failed; }

}  // namespace quavlet::test
