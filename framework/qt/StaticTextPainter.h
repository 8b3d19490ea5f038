#pragma once
// Drawing of a static control's text as Windows' DrawText does it for statics: '&' marks
// a mnemonic ("&&" is a literal '&'), '\n' breaks lines, '\t' advances to the next stop
// of eight average character widths, long lines break between words (a word wider than
// the control stays whole and is clipped), lines are left-aligned or centred and start
// at the top. Disabled text is drawn grey and embossed.

#include <QColor>
#include <QFont>

#include <optional>

class QPainter;
class QRect;
class QString;

struct StaticTextStyle
{
    QFont font;
    QColor color;
    // Filled behind each line's text (an opaque background mode); none for transparent.
    std::optional<QColor> background;
    bool centred = false;
    bool wordWrap = true;
    bool disabled = false;
};

void DrawStaticText(QPainter& painter, const QRect& rect, const QString& text, const StaticTextStyle& style);
