#pragma once
// Conversions at the boundary between the Windows-style layer and Qt: ANSI byte strings
// (Windows-1250) to and from UTF-16, colour values and rectangles. The one Windows-1250 codec
// of the program and of its bank tool.

#include "framework/base/WinTypes.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

QString FromAnsi(std::string_view ansi);
// Characters without a Windows-1250 form become '?'.
std::string ToAnsi(const QString& text);
// The text's bytes, or none when a character has no Windows-1250 form; firstBad then names the
// first such character. For data that must not hold a substitute.
std::optional<std::string> ToAnsiExact(const QString& text, char32_t* firstBad = nullptr);

inline QColor ToQColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}
inline QRect ToQRect(const CRect& rect)
{
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}
inline CRect ToCRect(const QRect& rect)
{
    return CRect(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
}
