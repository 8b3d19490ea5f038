#pragma once
// Pixel helpers shared by the tests that draw: colour comparison with a tolerance, the bounds
// and the count of the pixels a test picks, and a tiny GIF picture to load.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

// Each of red, green and blue within tolerance of the expected value.
bool Near(QRgb actual, QRgb expected, int tolerance);
// Whether a pixel, given its place and colour, is one a test looks for.
using PixelTest = std::function<bool(QPoint, QRgb)>;
// The rows and columns holding pixels that ink picks.
QRect InkBounds(const QImage& image, const PixelTest& ink);
// How many pixels of area (clipped to the image) counts accepts, given each one's place and colour.
int CountPixels(const QImage& image, const QRect& area, const PixelTest& counts);
// Writes a 3 x 2 GIF to path: red, green, blue over white, black, red.
bool WriteTestGif(const QString& path);
