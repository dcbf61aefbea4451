#include "runtime/DelayLoad.h"

#include <windows.h>

#include <mutex>
#include <string>

namespace quavlet::runtime {
namespace {

std::mutex missingForTestsMutex;
std::wstring missingForTests;

bool SameName(std::wstring_view left, std::wstring_view right) {
  return CompareStringOrdinal(left.data(), static_cast<int>(left.size()), right.data(), static_cast<int>(right.size()),
                              TRUE) == CSTR_EQUAL;
}

HMODULE LoadSystemDll(const std::wstring& dll) {
  if (HMODULE loaded = GetModuleHandleW(dll.c_str())) return loaded;
  if (HMODULE module = LoadLibraryExW(dll.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
  // Systems without the search flags refuse it as an invalid parameter.
  if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  return LoadLibraryW(dll.c_str());
}

}  // namespace

bool DelayLoadable(std::wstring_view dll, std::initializer_list<const char*> functions) {
  {
    std::lock_guard lock(missingForTestsMutex);
    if (!missingForTests.empty() && SameName(missingForTests, dll)) return false;
  }
  const HMODULE module = LoadSystemDll(std::wstring(dll));
  if (!module) return false;
  for (const char* function : functions) {
    if (!GetProcAddress(module, function)) return false;
  }
  return true;
}

void SetDelayLoadMissingForTests(std::wstring_view dll) {
  std::lock_guard lock(missingForTestsMutex);
  missingForTests = dll;
}

}  // namespace quavlet::runtime
