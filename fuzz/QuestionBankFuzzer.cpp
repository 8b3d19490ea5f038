// Arbitrary bytes as the question database: the program's own loading from the file on, then every
// field of every question read and held to what the question window relies on.

#include <string>

#include "FuzzSupport.h"
#include "model/QuestionBank.h"
#include "model/QuestionSchema.h"
#include "storage/TreeNode.h"

namespace {

bool FitsTheTextBuffer(const std::string& text)
{
    return text.size() <= QuestionSchema::kMaxTextBytes && text.find('\0') == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = WriteTreeScratchFile("bank", data, size);

    QuestionBank bank;
    LoadQuestionDatabase(path, bank);

    TreeNode root;
    root.LoadFile(path);
    std::int32_t count = 0;
    root.GetInt(QuestionSchema::kCount, count, 0);
    const bool usableCount = count >= 0 && count <= QuestionSchema::kMaxStoredQuestions;
    FuzzCheck(bank.GetSize() == (usableCount ? count : 0), "the bank holds the usable \"count\" questions");

    // Every field of every question; the text checks scan each byte.
    for (int i = 0; i < bank.GetSize(); ++i) {
        const Question& question = bank[i];
        for (const std::string& text : question.m_strText) {
            FuzzCheck(FitsTheTextBuffer(text), "a text fits the program's buffer and ends at its first zero");
        }
        FuzzCheck(FitsTheTextBuffer(question.m_strPicture), "a picture name fits the program's buffer");
        FuzzCheck(question.m_nPicture != 0 || question.m_strPicture.empty(),
                  "a picture name is read only for a question with a picture");
    }
    return 0;
}
