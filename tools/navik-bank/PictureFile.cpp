#include "tools/navik-bank/PictureFile.h"

#include <QFile>
#include <QFileInfo>

#include "model/PictureName.h"
#include "tools/navik-bank/Windows1250Encoder.h"

QString PictureFile::Problem(const QString& directory, const std::string& storedName)
{
    const QString path =
        directory + u'/' +
        Windows1250Encoder::Decode(PictureName::PathInFolder(storedName).value_or(storedName)) +
        QStringLiteral(".gif");
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
