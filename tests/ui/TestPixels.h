#pragma once
// Pixel helpers shared by the look's tests: colour comparison with a tolerance and a tiny
// GIF picture to load.

#include <QColor>
#include <QString>

// Each of red, green and blue within tolerance of the expected value.
bool Near(QRgb actual, QRgb expected, int tolerance);
// Writes a 3 x 2 GIF to path: red, green, blue over white, black, red.
bool WriteTestGif(const QString& path);
