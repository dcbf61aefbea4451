#pragma once

// The local music list service the window tests talk to (started by the test script, found
// through QUAVLET_MUSIC_HOST like the program finds it).

#include <string>
#include <string_view>

namespace quavlet::test {

// host:port of the service.
std::wstring ServiceHost();

// The music list request for a QQ number typed as given.
std::wstring RequestFor(std::wstring_view typedNumber);

// The target of the last music list request the service received, as it recorded it.
std::wstring LastRequestTarget();

// The target the request for a typed number should reach the service with.
std::wstring ExpectedTarget(std::wstring_view typedNumber);

}  // namespace quavlet::test
