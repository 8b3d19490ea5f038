#pragma once
// Pixel helpers shared by the tests that draw: colour comparison with a tolerance, the bounds
// of the ink, and a tiny GIF picture to load.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

// Each of red, green and blue within tolerance of the expected value.
bool Near(QRgb actual, QRgb expected, int tolerance);
// The rows and columns holding pixels that match.
QRect InkBounds(const QImage& image, bool (*ink)(QColor));
// How many pixels of area (clipped to the image) counts accepts, given each one's place and colour.
int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QPoint, QRgb)>& counts);
// Writes a 3 x 2 GIF to path: red, green, blue over white, black, red.
bool WriteTestGif(const QString& path);
