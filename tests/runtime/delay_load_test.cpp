// The check made before the first call into a delay-loaded system DLL: a DLL or a function that
// is not there is reported, never called.

#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/DelayLoad.h"

namespace quavlet::test {
namespace {

using runtime::DelayLoadable;

TEST(DelayLoad, ADllWithEveryFunctionNamedIsLoadedAndStaysLoaded) {
  EXPECT_TRUE(DelayLoadable(L"winmm.dll", {"waveOutGetNumDevs"}));
  EXPECT_NE(GetModuleHandleW(L"winmm.dll"), nullptr);
  EXPECT_TRUE(DelayLoadable(L"WININET.DLL", {"InternetOpenW", "InternetReadFile"}));
}

TEST(DelayLoad, AMissingDllOrFunctionIsReported) {
  EXPECT_FALSE(DelayLoadable(L"quavlet-no-such-system.dll", {}));
  EXPECT_FALSE(DelayLoadable(L"winmm.dll", {"waveOutGetNumDevs", "QuavletNoSuchFunction"}));
}

TEST(DelayLoad, TestsCanMakeOneDllMissing) {
  runtime::SetDelayLoadMissingForTests(L"Shell32.dll");
  const bool shell = DelayLoadable(L"shell32.dll", {"SHGetKnownFolderPath"});
  const bool other = DelayLoadable(L"winmm.dll", {"waveOutGetNumDevs"});
  runtime::SetDelayLoadMissingForTests(L"");
  EXPECT_FALSE(shell);
  EXPECT_TRUE(other);
  EXPECT_TRUE(DelayLoadable(L"shell32.dll", {"SHGetKnownFolderPath"}));
}

}  // namespace
}  // namespace quavlet::test
