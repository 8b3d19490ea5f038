#include "tools/navik-bank/BankFile.h"

#include "framework/base/CFileException.h"
#include "storage/TreeNode.h"

namespace {

QString Reason(TreeLoadStatus status)
{
    switch (status) {
    case TreeLoadStatus::Loaded:
        break;
    case TreeLoadStatus::NotGzip:
        return QStringLiteral("není to soubor gzip");
    case TreeLoadStatus::WrongMagic:
        return QStringLiteral("chybný podpis, není to soubor stromu");
    case TreeLoadStatus::DataEndsEarly:
        return QStringLiteral("data končí předčasně");
    case TreeLoadStatus::ChecksumMismatch:
        return QStringLiteral("nesouhlasí kontrolní součet");
    case TreeLoadStatus::MalformedPayload:
        return QStringLiteral("poškozený obsah");
    }
    return {};
}

} // namespace

bool BankFile::Load(const QString& path, TreeNode& root, QString& error)
{
    try {
        const TreeLoadStatus status = root.LoadFileWithStatus(path.toStdString());
        if (status != TreeLoadStatus::Loaded) {
            error = QStringLiteral("%1: nejde přečíst: %2").arg(path, Reason(status));
            return false;
        }
    } catch (const CFileException& exception) {
        error = QStringLiteral("nejde otevřít %1").arg(QString::fromStdString(exception.what()));
        return false;
    }
    return true;
}
