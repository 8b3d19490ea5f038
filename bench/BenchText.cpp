#include "bench/BenchText.h"

#include <iterator>
#include <random>

#include "storage/TreeNode.h"

namespace {

// Narrow literals are stored in Windows-1250 (the target compiles with that execution charset),
// so these are the bytes a real bank holds and compress like one.
const char* const kWords[] = {
    "plavidlo", "malé",         "vůdce",    "plavby",    "vodní",  "cestě",       "musí",     "smí",
    "pouze",    "pokud",        "znamení",  "světlo",    "bílé",   "červené",     "zelené",   "levobok",
    "pravobok", "přednost",     "kotvení",  "stání",     "zákaz",  "rychlost",    "proti",    "proudu",
    "po",       "se",           "na",       "v",         "a",      "je",          "který",    "která",
    "jehož",    "délka",        "trupu",    "menší",     "než",    "metrů",       "noci",     "za",
    "snížené",  "viditelnosti", "zvukový",  "signál",    "dlouhý", "krátký",      "plující",  "sestava",
    "tlačná",   "vlečná",       "převozní", "loď",       "osobní", "cestujících", "bójka",    "značka",
    "hranice",  "plavební",     "dráhy",    "nebezpečí", "srážky", "vlnobití",    "motorové", "plachetnice",
};

std::string Text(std::mt19937& rng, std::size_t length)
{
    std::uniform_int_distribution<std::size_t> word(0, std::size(kWords) - 1);
    std::string text;
    while (text.size() < length) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kWords[word(rng)];
    }
    text.resize(length);
    text.back() = '?';
    return text;
}

} // namespace

std::vector<GeneratedQuestion> GenerateQuestions(int count, std::uint32_t seed,
                                                 const std::string& pictureName)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<std::size_t> questionLength(20, 180);
    std::uniform_int_distribution<std::size_t> answerLength(5, 120);
    std::uniform_int_distribution<int> answer(0, 2);
    std::vector<GeneratedQuestion> questions(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < questions.size(); ++i) {
        GeneratedQuestion& q = questions[i];
        q.text[0] = Text(rng, questionLength(rng));
        for (int a = 1; a < 4; ++a) {
            q.text[a] = Text(rng, answerLength(rng));
        }
        q.answer = answer(rng);
        if (i % 6 == 5) {
            q.picture = pictureName;
        }
    }
    return questions;
}

void FillDatabaseTree(const std::vector<GeneratedQuestion>& questions, TreeNode& root)
{
    root.SetInt("count", static_cast<std::int32_t>(questions.size()), 0);
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const GeneratedQuestion& q = questions[i];
        TreeNode& child = root.AddChild("otazka", static_cast<std::int32_t>(i));
        for (int t = 0; t < 4; ++t) {
            child.SetText("text", q.text[t], t);
        }
        child.SetInt("odpoved", q.answer, 0);
        child.SetInt("isobr", q.picture.empty() ? 0 : 1, 0);
        if (!q.picture.empty()) {
            child.SetText("obrname", q.picture, 0);
        }
    }
}
