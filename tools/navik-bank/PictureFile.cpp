#include "tools/navik-bank/PictureFile.h"

#include <QFile>
#include <QFileInfo>

#include "model/PictureName.h"
#include "tools/navik-bank/Windows1250Encoder.h"

namespace {

const QString kConvert = QStringLiteral("převeďte ho do GIF");

} // namespace

QString PictureFile::Problem(const QString& directory, const std::string& storedName)
{
    const QString stem =
        directory + u'/' +
        Windows1250Encoder::Decode(PictureName::PathInFolder(storedName).value_or(storedName));
    const QString path = stem + QStringLiteral(".gif");
    if (!QFileInfo(path).isFile()) {
        const QString png = stem + QStringLiteral(".png");
        return QFileInfo(png).isFile()
                   ? QStringLiteral("%1 neexistuje; je tu %2 – %3").arg(path, png, kConvert)
                   : QStringLiteral("%1 neexistuje").arg(path);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("%1 nejde přečíst: %2").arg(path, file.errorString());
    }
    const QByteArray signature = file.read(8);
    if (signature.startsWith("GIF87a") || signature.startsWith("GIF89a")) {
        return {};
    }
    return signature == "\x89PNG\r\n\x1a\n"
               ? QStringLiteral("%1 je obrázek PNG, ne GIF; %2").arg(path, kConvert)
               : QStringLiteral("%1 není soubor GIF").arg(path);
}
