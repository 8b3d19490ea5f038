#include "tools/navik-bank/OutputFile.h"

#include <QFileInfo>
#include <filesystem>

#include "framework/base/CFileException.h"
#include "model/QuestionSchema.h"
#include "storage/TreeNode.h"

namespace {

bool SameFile(const QString& a, const QString& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a.toStdString(), b.toStdString(), error) && !error;
}

bool IsBank(const QString& path)
{
    TreeNode root;
    try {
        return root.LoadFileWithStatus(path.toStdString()) == TreeLoadStatus::Loaded &&
               root.FindValue(QuestionSchema::kCount, 0) >= 0;
    } catch (const CFileException&) {
        return false;
    }
}

} // namespace

QString OutputFile::Refusal(const QString& output, const QStringList& inputs, Replaces replaces, bool force)
{
    for (const QString& input : inputs) {
        if (SameFile(output, input)) {
            return QStringLiteral("výstup %1 je týž soubor jako vstup %2; zvolte jiný výstup")
                .arg(output, input);
        }
    }
    const QFileInfo existing(output);
    if (!existing.exists() && !existing.isSymLink()) {
        return {};
    }
    if (existing.isDir()) {
        return QStringLiteral("výstup %1 je složka").arg(output);
    }
    if (force || (replaces == Replaces::OnlyBanks && IsBank(output))) {
        return {};
    }
    return replaces == Replaces::OnlyBanks
               ? QStringLiteral("%1 už existuje a není to databáze otázek; přepíšu ho jen s --force")
                     .arg(output)
               : QStringLiteral("%1 už existuje; přepíšu ho jen s --force").arg(output);
}
