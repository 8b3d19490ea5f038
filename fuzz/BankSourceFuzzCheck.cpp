#include "BankSourceFuzzCheck.h"

#include "FuzzSupport.h"
#include "model/QuestionBank.h"
#include "storage/TreeNode.h"
#include "tools/navik-bank/BankChecker.h"
#include "tools/navik-bank/BankCompiler.h"
#include "tools/navik-bank/BankWriter.h"
#include "tools/navik-bank/JsonBankReader.h"
#include "tools/navik-bank/JsonBankWriter.h"
#include "tools/navik-bank/PictureFile.h"
#include "tools/navik-bank/TreeBankReader.h"

namespace {

bool SameQuestions(const std::vector<BankQuestion>& a, const std::vector<BankQuestion>& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].m_texts != b[i].m_texts || a[i].m_nAnswer != b[i].m_nAnswer ||
            a[i].m_strPicture != b[i].m_strPicture) {
            return false;
        }
    }
    return true;
}

bool Showable(const BankQuestion& question)
{
    for (const std::string& text : question.m_texts) {
        if (text.empty() || text.size() > static_cast<std::size_t>(BankCompiler::kMaxTextBytes) ||
            text.find('\0') != std::string::npos) {
            return false;
        }
    }
    return question.m_nAnswer >= 0 && question.m_nAnswer <= 2 &&
           question.m_strPicture.size() <= static_cast<std::size_t>(BankCompiler::kMaxTextBytes);
}

// The questions as the program reads them from the file the tool writes.
bool LoadsAsCompiled(const TreeNode& root, const std::vector<BankQuestion>& compiled)
{
    const std::string path = ScratchPath("compiled.dat");
    FuzzCheck(root.SaveFile(path), "a compiled bank can be written");
    QuestionBank bank;
    LoadQuestionDatabase(path, bank);
    if (bank.GetSize() != static_cast<int>(compiled.size())) {
        return false;
    }
    for (int i = 0; i < bank.GetSize(); ++i) {
        const Question& loaded = bank[i];
        const BankQuestion& source = compiled[static_cast<std::size_t>(i)];
        if (loaded.m_strText != source.m_texts || loaded.m_nAnswer != source.m_nAnswer ||
            (loaded.m_nPicture != 0) != !source.m_strPicture.empty() ||
            loaded.m_strPicture != source.m_strPicture) {
            return false;
        }
    }
    return true;
}

} // namespace

void CompileSourceAndCheck(const std::optional<std::vector<SourceQuestion>>& read, const QStringList& errors)
{
    FuzzCheck(read.has_value() == errors.isEmpty(), "a source is refused exactly when there is a reason");
    if (!read) {
        return;
    }
    QStringList compileErrors;
    const std::optional<std::vector<BankQuestion>> compiled =
        BankCompiler::Compile(*read, QString(), compileErrors);
    FuzzCheck(compiled.has_value() == compileErrors.isEmpty(),
              "a bank is refused exactly when there is a reason");
    if (!compiled) {
        return;
    }
    FuzzCheck(!compiled->empty() && compiled->size() <= static_cast<std::size_t>(BankCompiler::kMaxQuestions),
              "a compiled bank holds 1 to 1000 questions");
    for (const BankQuestion& question : *compiled) {
        FuzzCheck(Showable(question), "every compiled question can be shown and answered");
        FuzzCheck(question.m_strPicture.empty() ||
                      PictureFile::IsPlainName(QString::fromLatin1(question.m_strPicture)),
                  "a picture name stays inside the picture folder");
    }

    TreeNode root;
    BankWriter::Fill(root, *compiled);
    FuzzCheck(BankChecker::Check(root, QString()).isEmpty(), "a compiled bank passes the tool's check");
    FuzzCheck(LoadsAsCompiled(root, *compiled), "the program loads a compiled bank as compiled");

    QStringList exportErrors;
    const QByteArray exported = JsonBankWriter::Write(TreeBankReader::Read(root));
    const std::optional<std::vector<SourceQuestion>> reread = JsonBankReader::Read(exported, exportErrors);
    FuzzCheck(reread.has_value(), "an exported bank reads back");
    const std::optional<std::vector<BankQuestion>> rebuilt =
        BankCompiler::Compile(*reread, QString(), exportErrors);
    FuzzCheck(rebuilt && SameQuestions(*compiled, *rebuilt),
              "an exported bank builds into the same questions");
}
