#include "tools/navik-bank/BankFile.h"

#include "storage/CFileException.h"
#include "storage/TreeNode.h"

namespace {

QString Reason(TreeLoadStatus status)
{
    switch (status) {
    case TreeLoadStatus::Loaded:
        break;
    case TreeLoadStatus::NotGzip:
        return QStringLiteral("not a gzip file");
    case TreeLoadStatus::WrongMagic:
        return QStringLiteral("wrong magic, not a tree file");
    case TreeLoadStatus::DataEndsEarly:
        return QStringLiteral("data ends early");
    case TreeLoadStatus::ChecksumMismatch:
        return QStringLiteral("checksum mismatch");
    case TreeLoadStatus::MalformedPayload:
        return QStringLiteral("malformed payload");
    }
    return {};
}

} // namespace

bool BankFile::Load(const QString& path, TreeNode& root, QString& error)
{
    try {
        const TreeLoadStatus status = root.LoadFileWithStatus(path.toStdString());
        if (status != TreeLoadStatus::Loaded) {
            error = QStringLiteral("%1: cannot read: %2").arg(path, Reason(status));
            return false;
        }
    } catch (const CFileException& exception) {
        error = QStringLiteral("cannot open %1").arg(QString::fromStdString(exception.what()));
        return false;
    }
    return true;
}
