// The main window's playback: play a row, play/pause, the status poll.

#include "app/Form1.h"

namespace quavlet {

void Form1::ListView1_DblClick() {}

void Form1::Command2_Click() {}

void Form1::Timer1_Timer() {}

void Form1::WP1_OpenStateChange(std::int32_t NewState) { (void)NewState; }

}  // namespace quavlet
