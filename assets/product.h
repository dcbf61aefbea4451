#pragma once

// The program's name, version and maker, for the version resource and for the windows that
// show them. Plain string literals in UTF-8 (the resource compiler reads this file too, as
// UTF-8); in C++ they join a wide literal beside them: L"版本号：V" QUAVLET_VERSION_TEXT.

#define QUAVLET_PRODUCT_NAME "Quavlet"
#define QUAVLET_VERSION_TEXT "2.01"
// The version text as the four numbers of the version resource: 2.01 is 2.1.0.0.
#define QUAVLET_VERSION_NUMBERS 2, 1, 0, 0
#define QUAVLET_MAKER_NAME "Orvane网络工作室"
#define QUAVLET_COPYRIGHT "© 2010 Orvane网络工作室"
#define QUAVLET_FILE_NAME "quavlet.exe"
