#pragma once

// The system DLLs the program loads at a user's action instead of at its start (delay-imported).
// A delay-imported function whose DLL or export is missing raises a structured exception at its
// first call, which would end the program: callers ask here first and treat "no" as a failed
// operation.

#include <initializer_list>
#include <string_view>

namespace quavlet::runtime {

// Whether the DLL (L"wininet.dll") loads and exports each of the functions (the ones the caller
// delay-imports from it). Loads the DLL, from the system folder where the system allows that
// choice; it stays loaded, as the first call would load it anyway.
bool DelayLoadable(std::wstring_view dll, std::initializer_list<const char*> functions);

// Tests: DelayLoadable reports this DLL missing from now on; an empty name ends that.
void SetDelayLoadMissingForTests(std::wstring_view dll);

}  // namespace quavlet::runtime
