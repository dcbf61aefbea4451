#pragma once

// Positions and sizes of forms and controls are kept in twips; 15 twips are one pixel at 96 dpi.
namespace quavlet::runtime {

inline constexpr int kTwipsPerInch = 1440;

// Twips to pixels at the given dots per inch, rounded to the nearest pixel (halves away from 0).
int TwipsToPixels(double twips, int dotsPerInch = 96);

// Pixels to twips at the given dots per inch.
double PixelsToTwips(int pixels, int dotsPerInch = 96);

// A place in twips: Left, Top, Width, Height, as forms and controls are designed.
struct Place {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

// A place in whole pixels.
struct PixelBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelBox&) const = default;
};

// The pixels a place covers. Each edge is rounded to the nearest pixel on its own and the size
// is the distance between the rounded edges, so places that touch in twips touch in pixels:
// 8415, 10, 570, 255 twips (561, 0.67, 38, 17 px) covers 561, 1, 38, 17.
PixelBox PlaceToPixels(const Place& place, int dotsPerInch = 96);

}  // namespace quavlet::runtime
