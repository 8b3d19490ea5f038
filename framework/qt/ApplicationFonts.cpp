#include "framework/qt/ApplicationFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

int RegisterApplicationFonts(const QString& folder)
{
    int registered = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name)) {
        if (QFontDatabase::addApplicationFont(dir.filePath(name)) >= 0)
            ++registered;
    }
    // Substitutes are tried only when the font database has no face of the name itself.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    return registered;
}

QString ProgramFontFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/fonts");
}
