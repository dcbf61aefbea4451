// The main window's own chrome: drag handles, minimise, close, hover highlights.

#include "app/Form1.h"

namespace quavlet {

void Form1::Image2_MouseDown(int, int, float, float) {}

void Form1::Label3_MouseDown(int, int, float, float) {}

void Form1::MI_MouseDown(int, int, float, float) {}

void Form1::CL_MouseDown(int, int, float, float) {}

void Form1::Label5_MouseMove(int, int, float, float) {}

void Form1::Label6_MouseMove(int, int, float, float) {}

void Form1::Image1_MouseMove(int, int, float, float) {}

void Form1::Label3_MouseMove(int, int, float, float) {}

void Form1::Command3_Click() {}

}  // namespace quavlet
