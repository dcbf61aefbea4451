#pragma once

// The shaped window set-up shared by the colour-keyed forms: the background becomes pure blue
// (0x00FF0000) and the window a layered window with that colour as its key, so every pixel
// drawn in exactly that colour is a hole that lets the pointer through.

namespace quavlet::runtime {

class Form;

void MakeColourKeyed(Form& form);

}  // namespace quavlet::runtime
