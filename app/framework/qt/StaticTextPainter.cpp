#include "StaticTextPainter.h"

#include "WinFontMetrics.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QStringList>

#include <map>
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

// A piece of a line between tabs and where it starts.
struct Run
{
    QString text;
    int x;
};

// A line cut at its tabs, and its width: where the end of its last run lies.
struct MeasuredLine
{
    QString text;
    std::vector<Run> runs;
    int width = 0;
};

// Text shaping is the cost of painting a static, so each line is measured once, and a
// break is found with a few measurements instead of one per word.
class LineLayout
{
public:
    explicit LineLayout(const QFont& font)
        : m_metrics(font), m_tabWidth(std::max(1, 8 * m_metrics.averageCharWidth()))
    {
    }

    MeasuredLine Measure(const QString& line) const
    {
        MeasuredLine measured;
        measured.text = line;
        int x = 0;
        const QStringList parts = line.split(u'\t');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                x = (x / m_tabWidth + 1) * m_tabWidth;
            measured.runs.push_back({parts[i], x});
            x += m_metrics.horizontalAdvance(parts[i]);
        }
        measured.width = x;
        return measured;
    }

    // Breaks a paragraph into lines at spaces; the spaces at a break are dropped. A line
    // ends at the last space before which the text still fits. Widths grow with every
    // further word, so the first space at which the text no longer fits is found by
    // bisection; the outcome is the same as trying the spaces one by one.
    std::vector<MeasuredLine> Wrap(const QString& paragraph, int width) const
    {
        std::vector<MeasuredLine> lines;
        QString rest = paragraph;
        MeasuredLine whole = Measure(rest);
        while (whole.width > width) {
            std::vector<qsizetype> spaces;
            for (qsizetype i = 1; i < rest.size(); ++i) {
                if (rest[i] == u' ')
                    spaces.push_back(i);
            }
            std::map<qsizetype, MeasuredLine> probed;
            std::size_t low = 0;
            std::size_t high = spaces.size();
            while (low < high) {
                const std::size_t middle = low + (high - low) / 2;
                MeasuredLine& head = probed[spaces[middle]] = Measure(rest.left(spaces[middle]));
                if (head.width > width)
                    high = middle;
                else
                    low = middle + 1;
            }
            qsizetype breakAt = low > 0 ? spaces[low - 1] : -1;
            if (breakAt < 0) {
                // The first word alone is too wide: it stays whole.
                if (spaces.empty())
                    break;
                breakAt = spaces.front();
            }
            const auto head = probed.find(breakAt);
            lines.push_back(head != probed.end() ? std::move(head->second) : Measure(rest.left(breakAt)));
            while (breakAt < rest.size() && rest[breakAt] == u' ')
                ++breakAt;
            rest = rest.mid(breakAt);
            whole = Measure(rest);
        }
        if (!rest.isEmpty() || lines.empty())
            lines.push_back(std::move(whole));
        return lines;
    }

    const QFontMetrics& Metrics() const { return m_metrics; }

private:
    QFontMetrics m_metrics;
    int m_tabWidth;
};

} // namespace

void DrawStaticText(QPainter& painter, const QRect& rect, const QString& text, const StaticTextStyle& style)
{
    const LineLayout layout(style.font);
    std::vector<MeasuredLine> lines;
    for (QString paragraph : WithoutMnemonics(text).split(u'\n')) {
        if (paragraph.endsWith(u'\r'))
            paragraph.chop(1);
        if (style.wordWrap) {
            for (MeasuredLine& line : layout.Wrap(paragraph, rect.width()))
                lines.push_back(std::move(line));
        } else {
            lines.push_back(layout.Measure(paragraph));
        }
    }

    const int lineHeight = CellHeight(style.font);
    const int baseline = layout.Metrics().ascent() + (lineHeight - layout.Metrics().height()) / 2;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(style.font);
    int y = rect.top();
    for (const MeasuredLine& line : lines) {
        if (y >= rect.bottom() + 1)
            break;
        const int width = line.width;
        const int x = style.centred ? rect.left() + (rect.width() - width) / 2 : rect.left();
        if (style.background)
            painter.fillRect(QRect(x, y, width, lineHeight), *style.background);
        for (const Run& run : line.runs) {
            if (style.disabled) {
                painter.setPen(Qt::white);
                painter.drawText(x + run.x + 1, y + baseline + 1, run.text);
                painter.setPen(QColor(128, 128, 128));
            } else {
                painter.setPen(style.color);
            }
            painter.drawText(x + run.x, y + baseline, run.text);
        }
        y += lineHeight;
    }
    painter.restore();
}
