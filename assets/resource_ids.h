#pragma once

// Resource identifiers of the pictures and icons embedded by quavlet.rc. Kept free of anything
// but #define so that the resource compiler reads it too.

// Icons
#define IDI_QUAVLET 1  // the program's 48 x 48 icon, 24 bits per pixel
#define IDI_ABOUT 2    // the About window's 32 x 32 icon, 256 colours

// Main window pictures (magenta pixels are transparent)
#define IDB_FORM1_FACE 101    // Image1: 600 x 325, the window's face
#define IDB_FORM1_TITLE 102   // Image5: 227 x 24, name and slogan
#define IDB_FORM1_LOGO 103    // Image2: 47 x 47, the logo
#define IDB_CLOSE_HOT 104     // CL: 38 x 17, highlighted close button
#define IDB_MINIMIZE_HOT 105  // MI: 26 x 17, highlighted minimise button

// Overlay picture (magenta pixels are transparent)
#define IDB_FORM3_NOTICE 106  // Image3 of Form3: 200 x 100, the song can't be played
