#pragma once

// For tests only: shortens the deadline FetchHttp(address) applies, so a test of a trickling
// service need not wait a minute. The program itself never calls this.

#include <chrono>

namespace quavlet::musiclist {

// A deadline of zero or less puts the built-in kReplyDeadline back.
void SetReplyDeadlineForTests(std::chrono::milliseconds deadline);

}  // namespace quavlet::musiclist
