// The main window's buttons for the other windows: the promotion page and the desktop shortcut.

#include "app/Form1.h"
#include "windows/Form4.h"

namespace quavlet {

void Form1::Command5_Click() { application().Show<windows::Form4>(); }

}  // namespace quavlet
