// Point sizes and LOGFONT heights at a device's vertical resolution.
#pragma once

// The height for a point size: negative, a character height in pixels,
// rounded to the nearest pixel.
int HeightFromPoints(int points, int pixelsPerInch);
// The point size of a character height in pixels.
int PointsFromCharHeight(int pixels, int pixelsPerInch);
