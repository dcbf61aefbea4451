#pragma once

// Positions and sizes of forms and controls are kept in twips; 15 twips are one pixel at 96 dpi.
namespace quavlet {

inline constexpr int kTwipsPerInch = 1440;

// Twips to pixels at the given dots per inch, rounded to the nearest pixel.
int TwipsToPixels(double twips, int dotsPerInch = 96);

// Pixels to twips at the given dots per inch.
double PixelsToTwips(int pixels, int dotsPerInch = 96);

}  // namespace quavlet
