#include "framework/qt/WinFontMetrics.h"

#include "framework/base/WinTypes.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

struct WinMetrics
{
    int unitsPerEm = 0;
    int ascent = 0;
    int descent = 0;
};

// usWinAscent and usWinDescent of the font's OS/2 table; all zero when the font has none.
WinMetrics ReadFontTables(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray head = raw.fontTable("head");
    const QByteArray os2 = raw.fontTable("OS/2");
    constexpr int kUnitsPerEmOffset = 18;
    constexpr int kWinAscentOffset = 74;
    constexpr int kWinDescentOffset = 76;
    if (head.size() < kUnitsPerEmOffset + 2 || os2.size() < kWinDescentOffset + 2)
        return {};
    WinMetrics metrics;
    metrics.unitsPerEm = qFromBigEndian<quint16>(head.constData() + kUnitsPerEmOffset);
    metrics.ascent = qFromBigEndian<quint16>(os2.constData() + kWinAscentOffset);
    metrics.descent = qFromBigEndian<quint16>(os2.constData() + kWinDescentOffset);
    return metrics;
}

// Reading the tables copies them out of the font file, and every static asks at every
// paint for the same few fonts: the answers are kept per font.
WinMetrics ReadWinMetrics(const QFont& font)
{
    constexpr std::size_t kKept = 16;
    // Fonts compare by their requests, which is cheap; their string keys are not.
    thread_local std::vector<std::pair<QFont, WinMetrics>> known;
    for (const auto& [knownFont, metrics] : known) {
        if (knownFont == font)
            return metrics;
    }
    const WinMetrics metrics = ReadFontTables(font);
    if (known.size() == kKept)
        known.erase(known.begin());
    known.emplace_back(font, metrics);
    return metrics;
}

} // namespace

int CellHeight(const QFont& font)
{
    const WinMetrics metrics = ReadWinMetrics(font);
    const int pixelSize = QFontInfo(font).pixelSize();
    if (metrics.unitsPerEm <= 0 || pixelSize <= 0)
        return QFontMetrics(font).height();
    return MulDiv(metrics.ascent, pixelSize, metrics.unitsPerEm) +
           MulDiv(metrics.descent, pixelSize, metrics.unitsPerEm);
}

int PixelSizeForCellHeight(const QFont& font, int cellHeight)
{
    const WinMetrics metrics = ReadWinMetrics(font);
    if (metrics.unitsPerEm <= 0 || metrics.ascent + metrics.descent <= 0) {
        // Without the table, scale by Qt's own ratio of em size to line height.
        QFont probe(font);
        probe.setPixelSize(100);
        return std::max(1, int(std::lround(cellHeight * 100.0 / QFontMetricsF(probe).height())));
    }
    return std::max(1, MulDiv(cellHeight, metrics.unitsPerEm, metrics.ascent + metrics.descent));
}
