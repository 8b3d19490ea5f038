#include "tools/navik-bank/PictureFile.h"

#include <QFile>
#include <QFileInfo>

bool PictureFile::IsPlainName(const QString& name)
{
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QStringLiteral(".."));
}

QString PictureFile::Problem(const QString& directory, const QString& name)
{
    const QString path = directory + u'/' + name + QStringLiteral(".gif");
    if (!QFileInfo(path).isFile()) {
        return QStringLiteral("%1 does not exist").arg(path);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
    }
    const QByteArray signature = file.read(6);
    if (signature != "GIF87a" && signature != "GIF89a") {
        return QStringLiteral("%1 is not a GIF file").arg(path);
    }
    return {};
}
