// The main window's music list: the query, the song list view and the copy of an address.

#include "app/Form1.h"

namespace quavlet {

void Form1::Command1_Click() {}

void Form1::QQ_KeyPress(int& KeyAscii) { (void)KeyAscii; }

void Form1::sing() {}

void Form1::song() {}

void Form1::fillList() {}

void Form1::Combo1_Click() {}

void Form1::Combo1_Change() {}

void Form1::ListView1_Click() {}

void Form1::GuRL_DblClick() {}

}  // namespace quavlet
