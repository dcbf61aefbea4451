// Quavlet starts with its main window and ends when its last open window has closed.

#include <windows.h>
#include <ole2.h>

#include "app/Form1.h"
#include "runtime/Application.h"

namespace {

// The user-interface thread is a single-threaded apartment with OLE, for the embedded controls.
class OleApartment {
 public:
  OleApartment() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleApartment() {
    if (initialized_) OleUninitialize();
  }
  OleApartment(const OleApartment&) = delete;
  OleApartment& operator=(const OleApartment&) = delete;

 private:
  bool initialized_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  OleApartment apartment;
  quavlet::runtime::Application application(instance);
  application.Show<quavlet::Form1>();
  return application.Run();
}
