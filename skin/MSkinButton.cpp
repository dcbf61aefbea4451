#include "skin/MSkinButton.h"

#include "skin/SkinAtlas.h"
#include "skin/SkinEngine.h"
#include "skin/SkinGdi.h"

namespace quavlet::skin {

namespace {

// Frees a library on scope exit, if the scope loaded it.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(HMODULE module) : module_(module) {}
  ~LoadedLibrary() {
    if (module_) FreeLibrary(module_);
  }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

 private:
  HMODULE module_;
};

void StartEngine() {
  SkinEngineState& engine = Engine();
  engine.EngineStarted = true;
  engine.HasTrackMouseEvent = IsFunctionExported("TrackMouseEvent", L"User32");
  BuildSkinAtlas();
}

}  // namespace

SkinEngineState& Engine() {
  static SkinEngineState state;
  return state;
}

void StopEngine() {
  SkinEngineState& engine = Engine();
  engine.SkinnedWindowCount = 0;
  ReleaseSkinAtlas();
  engine.EngineStarted = false;
}

bool IsFunctionExported(const char* procName, const wchar_t* moduleName) {
  HMODULE module = GetModuleHandleW(moduleName);
  HMODULE loadedHere = nullptr;
  if (!module) {
    module = loadedHere = LoadLibraryW(moduleName);
    if (!module) return false;
  }
  // A module that was loaded before the question stays loaded.
  const LoadedLibrary unload(loadedHere);
  return GetProcAddress(module, procName) != nullptr;
}

std::int32_t AttachSkin(HWND window) {
  // The atlas and every button face of the window are composed against one display DC.
  const DrawingDcShare display;
  // The engine starts before the handle is looked at: even a null handle starts it.
  if (!Engine().EngineStarted) StartEngine();
  return SkinWindow(window);
}

std::int32_t DetachSkin(HWND window) { return UnskinWindow(window); }

}  // namespace quavlet::skin
