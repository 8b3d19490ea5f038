#include "StaticTextPainter.h"

#include "WinFontMetrics.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QStringList>

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

class LineLayout
{
public:
    explicit LineLayout(const QFont& font)
        : m_metrics(font), m_tabWidth(std::max(1, 8 * m_metrics.averageCharWidth()))
    {
    }

    std::vector<Run> Runs(const QString& line) const
    {
        std::vector<Run> runs;
        int x = 0;
        const QStringList parts = line.split(u'\t');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                x = (x / m_tabWidth + 1) * m_tabWidth;
            runs.push_back({parts[i], x});
            x += m_metrics.horizontalAdvance(parts[i]);
        }
        return runs;
    }

    int Width(const QString& line) const
    {
        const std::vector<Run> runs = Runs(line);
        return runs.back().x + m_metrics.horizontalAdvance(runs.back().text);
    }

    // Breaks a paragraph into lines at spaces; the spaces at a break are dropped.
    QStringList Wrap(const QString& paragraph, int width) const
    {
        QStringList lines;
        QString rest = paragraph;
        while (Width(rest) > width) {
            qsizetype breakAt = -1;
            for (qsizetype i = 1; i < rest.size(); ++i) {
                if (rest[i] != u' ')
                    continue;
                if (Width(rest.left(i)) > width)
                    break;
                breakAt = i;
            }
            if (breakAt < 0) {
                // The first word alone is too wide: it stays whole.
                breakAt = rest.indexOf(u' ', 1);
                if (breakAt < 0)
                    break;
            }
            lines << rest.left(breakAt);
            while (breakAt < rest.size() && rest[breakAt] == u' ')
                ++breakAt;
            rest = rest.mid(breakAt);
        }
        if (!rest.isEmpty() || lines.isEmpty())
            lines << rest;
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
    QStringList lines;
    for (QString paragraph : WithoutMnemonics(text).split(u'\n')) {
        if (paragraph.endsWith(u'\r'))
            paragraph.chop(1);
        lines << (style.wordWrap ? layout.Wrap(paragraph, rect.width()) : QStringList{paragraph});
    }

    const int lineHeight = CellHeight(style.font);
    const int baseline = layout.Metrics().ascent() + (lineHeight - layout.Metrics().height()) / 2;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(style.font);
    int y = rect.top();
    for (const QString& line : lines) {
        if (y >= rect.bottom() + 1)
            break;
        const int width = layout.Width(line);
        const int x = style.centred ? rect.left() + (rect.width() - width) / 2 : rect.left();
        if (style.background)
            painter.fillRect(QRect(x, y, width, lineHeight), *style.background);
        for (const Run& run : layout.Runs(line)) {
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
