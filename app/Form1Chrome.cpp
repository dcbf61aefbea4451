// The main window's own chrome: drag handles, minimise, close, hover highlights.

#include <string>

#include "app/Form1.h"
#include "windows/Site.h"
#include "runtime/WindowMove.h"

namespace quavlet {
namespace {

constexpr UINT kExitQuestionStyle = MB_OKCANCEL | MB_ICONQUESTION;  // 0x21

std::wstring ExitQuestion() {
  return L"您确定要退出吗？欢迎访问" + std::wstring(windows::kMakerName) + std::wstring(windows::kSiteHost) +
         L"世界上最强大的生活查询工具";
}

}  // namespace

// Of the two handles only the bottom row of Label3 can be reached: the title picture covers
// the logo and the rest of the label. Any mouse button moves the window.
void Form1::Image2_MouseDown(int, int, float, float) { runtime::StartWindowMove(hWnd()); }

void Form1::Label3_MouseDown(int, int, float, float) { runtime::StartWindowMove(hWnd()); }

void Form1::MI_MouseDown(int, int, float, float) { SetWindowState(runtime::WindowState::Minimized); }

void Form1::CL_MouseDown(int, int, float, float) {
  if (MsgBox(ExitQuestion(), kExitQuestionStyle, L"提示") == IDOK) Unload();
}

void Form1::Command3_Click() { Unload(); }

// A zone label hides itself so that the highlighted picture in its place takes the pointer.
void Form1::Label5_MouseMove(int, int, float, float) {
  MI.SetVisible(true);
  Label5.SetVisible(false);
}

void Form1::Label6_MouseMove(int, int, float, float) {
  CL.SetVisible(true);
  Label6.SetVisible(false);
}

// Only a move over the face or the drag row puts both places back to normal.
void Form1::Image1_MouseMove(int, int, float, float) {
  CL.SetVisible(false);
  MI.SetVisible(false);
  Label5.SetVisible(true);
  Label6.SetVisible(true);
}

void Form1::Label3_MouseMove(int, int, float, float) { Image1_MouseMove(0, 0, 0, 0); }

}  // namespace quavlet
