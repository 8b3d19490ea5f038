#include "BankSourceFuzzCheck.h"

#include "FuzzSupport.h"
#include "model/PictureName.h"
#include "model/QuestionBank.h"
#include "model/QuestionSchema.h"
#include "storage/TreeNode.h"
#include "tools/navik-bank/BankChecker.h"
#include "tools/navik-bank/BankCompiler.h"
#include "tools/navik-bank/CsvBankReader.h"
#include "tools/navik-bank/CsvBankWriter.h"
#include "tools/navik-bank/JsonBankReader.h"
#include "tools/navik-bank/JsonBankWriter.h"
#include "tools/navik-bank/SourceText.h"
#include "tools/navik-bank/TreeBankReader.h"

namespace {

bool SameQuestions(const QuestionBank& a, const QuestionBank& b)
{
    if (a.GetSize() != b.GetSize()) {
        return false;
    }
    for (int i = 0; i < a.GetSize(); ++i) {
        if (a[i].m_strText != b[i].m_strText || a[i].m_nAnswer != b[i].m_nAnswer ||
            a[i].m_nPicture != b[i].m_nPicture || a[i].m_strPicture != b[i].m_strPicture) {
            return false;
        }
    }
    return true;
}

bool Showable(const Question& question)
{
    for (const std::string& text : question.m_strText) {
        if (text.empty() || text.size() > QuestionSchema::kMaxTextBytes ||
            text.find('\0') != std::string::npos) {
            return false;
        }
    }
    return question.m_nAnswer >= 0 && question.m_nAnswer <= 2 &&
           question.m_strPicture.size() <= QuestionSchema::kMaxTextBytes;
}

// The questions as the program reads them from the file the tool writes.
bool LoadsAsCompiled(const TreeNode& root, const QuestionBank& compiled)
{
    const std::string path = ScratchPath("compiled.dat");
    FuzzCheck(root.SaveFile(path), "a compiled bank can be written");
    QuestionBank bank;
    LoadQuestionDatabase(path, bank);
    return SameQuestions(bank, compiled);
}

} // namespace

void CompileSourceAndCheck(const std::optional<std::vector<SourceQuestion>>& read, QStringList errors)
{
    FuzzCheck(read || !errors.isEmpty(), "a source is refused only with a reason");
    if (!read) {
        return;
    }
    const bool readCleanly = errors.isEmpty();
    const std::optional<QuestionBank> compiled = BankCompiler::Compile(*read, QString(), errors);
    FuzzCheck(compiled.has_value() == errors.isEmpty(), "a bank is refused exactly when there is a reason");
    FuzzCheck(!compiled || readCleanly, "a source with a wrong form builds no bank");
    if (!compiled) {
        return;
    }
    FuzzCheck(compiled->GetSize() > 0 && compiled->GetSize() <= QuestionSchema::kMaxUsableQuestions,
              "a compiled bank holds 1 to 1000 questions");
    for (int i = 0; i < compiled->GetSize(); ++i) {
        const Question& question = (*compiled)[i];
        FuzzCheck(Showable(question), "every compiled question can be shown and answered");
        FuzzCheck(question.m_nPicture == 0 || PictureName::PathInFolder(question.m_strPicture),
                  "a picture name stays inside the picture folder");
    }

    TreeNode root;
    compiled->SaveToNode(root);
    FuzzCheck(BankChecker::Check(root, QString()).isEmpty(), "a compiled bank passes the tool's check");
    FuzzCheck(LoadsAsCompiled(root, *compiled), "the program loads a compiled bank as compiled");

    const std::vector<SourceQuestion> exported = TreeBankReader::Read(root);
    QStringList exportErrors;
    const std::optional<std::vector<SourceQuestion>> reread =
        JsonBankReader::Read(QString::fromUtf8(JsonBankWriter::Write(exported)), exportErrors);
    FuzzCheck(reread.has_value(), "an exported bank reads back");
    const std::optional<QuestionBank> rebuilt = BankCompiler::Compile(*reread, QString(), exportErrors);
    FuzzCheck(rebuilt && SameQuestions(*compiled, *rebuilt),
              "an exported bank builds into the same questions");

    QStringList csvNotes;
    const QByteArray csv = CsvBankWriter::Write(exported, csvNotes);
    if (csvNotes.isEmpty()) {
        QStringList csvErrors;
        const SourceText text = SourceText::Decode(csv);
        const std::optional<std::vector<SourceQuestion>> fromCsv =
            CsvBankReader::Read(text.m_strText, csvErrors, csvNotes);
        FuzzCheck(fromCsv.has_value() && !text.m_bWindows1250, "a bank exported as CSV reads back");
        const std::optional<QuestionBank> csvBuilt = BankCompiler::Compile(*fromCsv, QString(), csvErrors);
        FuzzCheck(csvBuilt && SameQuestions(*compiled, *csvBuilt),
                  "a bank exported as CSV without notes builds into the same questions");
    }
}
