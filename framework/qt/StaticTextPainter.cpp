#include "framework/qt/StaticTextPainter.h"

#include "framework/qt/WinFontMetrics.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QRect>
#include <QTextLayout>
#include <QTextOption>

#include <memory>
#include <vector>

namespace {

QString WithoutMnemonics(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&')
                out += text[++i];
            continue;
        }
        out += text[i];
    }
    return out;
}

// Text shaping is the cost of painting a static, so a piece of text is shaped once, cut at
// its tabs; each tab advances to the next stop counted from the piece's first character. The
// width of any head of the piece is then read off the shaped glyphs, and the head is drawn
// from them.
class ShapedText
{
public:
    ShapedText(const QString& text, const QFont& font, int tabWidth)
    {
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        qsizetype start = 0;
        int x = 0;
        for (;;) {
            const qsizetype tab = text.indexOf(u'\t', start);
            const qsizetype end = tab < 0 ? text.size() : tab;
            auto& part = m_parts.emplace_back(std::make_unique<Part>(text.mid(start, end - start), font));
            part->start = start;
            part->x = x;
            part->layout.setTextOption(option);
            part->layout.setCacheEnabled(true);
            part->layout.beginLayout();
            part->line = part->layout.createLine();
            part->line.setNumColumns(int(end - start));
            part->layout.endLayout();
            if (tab < 0)
                break;
            x += qRound(part->line.cursorToX(int(end - start)));
            x = (x / tabWidth + 1) * tabWidth;
            start = tab + 1;
        }
    }

    // Width in whole pixels of the first length characters.
    int Width(qsizetype length) const
    {
        const Part& part = PartAt(length);
        return part.x + qRound(part.line.cursorToX(int(length - part.start)));
    }

    // Draws the first length characters with their baseline's left end at origin.
    void Draw(QPainter& painter, QPointF origin, qsizetype length) const
    {
        for (const auto& part : m_parts) {
            if (part->start > length)
                break;
            const QPointF at(origin.x() + part->x, origin.y() - part->line.ascent());
            for (const QGlyphRun& run : part->line.glyphRuns(0, int(length - part->start)))
                painter.drawGlyphRun(at, run);
        }
    }

private:
    struct Part
    {
        Part(const QString& text, const QFont& font) : layout(text, font) {}

        QTextLayout layout;
        QTextLine line;
        qsizetype start = 0;
        int x = 0;
    };

    // The part that holds the character at position, or the last one.
    const Part& PartAt(qsizetype position) const
    {
        std::size_t i = 0;
        while (i + 1 < m_parts.size() && m_parts[i + 1]->start <= position)
            ++i;
        return *m_parts[i];
    }

    std::vector<std::unique_ptr<Part>> m_parts;
};

// One line to draw: the head of a shaped piece of text.
struct Line
{
    std::unique_ptr<const ShapedText> shaped;
    qsizetype length = 0;
    int width = 0;
};

class LineBreaker
{
public:
    explicit LineBreaker(const QFont& font)
        : m_font(font), m_tabWidth(std::max(1, 8 * QFontMetrics(font).averageCharWidth()))
    {
    }

    Line Whole(const QString& text) const
    {
        auto shaped = std::make_unique<const ShapedText>(text, m_font, m_tabWidth);
        const int width = shaped->Width(text.size());
        return {std::move(shaped), text.size(), width};
    }

    // Breaks a paragraph into lines at spaces; the spaces at a break are dropped. A line
    // ends at the last space before which the text still fits. Widths grow with every
    // further word, so the first space at which the text no longer fits is found by
    // bisection; the outcome is the same as trying the spaces one by one.
    std::vector<Line> Wrap(const QString& paragraph, int width) const
    {
        std::vector<Line> lines;
        QString rest = paragraph;
        for (;;) {
            Line line = Whole(rest);
            std::vector<qsizetype> spaces;
            if (line.width > width) {
                for (qsizetype i = 1; i < rest.size(); ++i) {
                    if (rest[i] == u' ')
                        spaces.push_back(i);
                }
            }
            if (spaces.empty()) {
                if (!rest.isEmpty() || lines.empty())
                    lines.push_back(std::move(line));
                return lines;
            }
            std::size_t low = 0;
            std::size_t high = spaces.size();
            while (low < high) {
                const std::size_t middle = low + (high - low) / 2;
                if (line.shaped->Width(spaces[middle]) > width)
                    high = middle;
                else
                    low = middle + 1;
            }
            // When the first word alone is too wide it stays whole.
            qsizetype breakAt = low > 0 ? spaces[low - 1] : spaces.front();
            line.length = breakAt;
            line.width = line.shaped->Width(breakAt);
            lines.push_back(std::move(line));
            while (breakAt < rest.size() && rest[breakAt] == u' ')
                ++breakAt;
            rest = rest.mid(breakAt);
            if (rest.isEmpty())
                return lines;
        }
    }

private:
    QFont m_font;
    int m_tabWidth;
};

} // namespace

void DrawStaticText(QPainter& painter, const QRect& rect, const QString& text, const StaticTextStyle& style)
{
    const LineBreaker breaker(style.font);
    std::vector<Line> lines;
    for (QString paragraph : WithoutMnemonics(text).split(u'\n')) {
        if (paragraph.endsWith(u'\r'))
            paragraph.chop(1);
        if (style.wordWrap) {
            for (Line& line : breaker.Wrap(paragraph, rect.width()))
                lines.push_back(std::move(line));
        } else {
            lines.push_back(breaker.Whole(paragraph));
        }
    }

    const QFontMetrics metrics(style.font);
    const int lineHeight = CellHeight(style.font);
    const int baseline = metrics.ascent() + (lineHeight - metrics.height()) / 2;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    int y = rect.top();
    for (const Line& line : lines) {
        if (y >= rect.bottom() + 1)
            break;
        const int x = style.centred ? rect.left() + (rect.width() - line.width) / 2 : rect.left();
        if (style.background)
            painter.fillRect(QRect(x, y, line.width, lineHeight), *style.background);
        if (style.disabled) {
            painter.setPen(Qt::white);
            line.shaped->Draw(painter, QPointF(x + 1, y + baseline + 1), line.length);
            painter.setPen(QColor(128, 128, 128));
        } else {
            painter.setPen(style.color);
        }
        line.shaped->Draw(painter, QPointF(x, y + baseline), line.length);
        y += lineHeight;
    }
    painter.restore();
}
