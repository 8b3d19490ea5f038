// Writes the program icon for the desktop's icon theme, as the window shows it:
//
//     navik-icons FOLDER
//
// makes FOLDER/hicolor/NxN/apps/navik.png for each size a theme looks for, drawn by the same
// code as the window's icon, and FOLDER/hicolor/scalable/apps/navik.svg from the same shapes.

#include "IconSvg.h"
#include "framework/base/Resources.h"
#include "framework/qt/Artwork.h"
#include "res/ProgramResources.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>
#include <fstream>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool WriteFile(const QString& path, const std::string& text)
{
    std::ofstream file(QFile::encodeName(path).toStdString(), std::ios::binary);
    file << text;
    return bool(file.flush());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: navik-icons FOLDER\n");
        return 2;
    }
    RegisterResources(ProgramResources());
    QGuiApplication application(argc, argv);
    const UINT icon = ApplicationIconId();
    const QDir theme(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor"));
    for (int size : kSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(folder) ||
            !IconPixmap(icon, size).save(theme.filePath(folder + "/navik.png"), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(theme.filePath(folder + "/navik.png")));
            return 1;
        }
    }
    const QString svg = theme.filePath(QStringLiteral("scalable/apps/navik.svg"));
    if (!theme.mkpath(QStringLiteral("scalable/apps")) || !WriteFile(svg, IconSvg(FindIconArt(icon), 256))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
