// Shows the About window, which the program itself never opens, and runs until it is closed.

#include <windows.h>

#include "runtime/Application.h"
#include "windows/Form2.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  quavlet::runtime::Application application(instance);
  application.Show<quavlet::windows::Form2>();
  return application.Run();
}
