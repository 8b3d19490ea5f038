// Arbitrary bytes as the settings file: read as the launcher reads it, stored again and read back,
// fitted to question banks of several sizes, then held to what the modes rely on before they index
// m_test or the bank.

#include <string>

#include "FuzzSupport.h"
#include "model/PersistedSettings.h"
#include "model/Settings.h"
#include "storage/TreeNode.h"

namespace {

void CheckFitted(const Settings& s, int bankSize)
{
    FuzzCheck(s.m_testCount >= 0 && s.m_testCount <= Settings::kTestCapacity, "m_testCount is in 0..1000");
    FuzzCheck(s.m_testPos >= 0 && s.m_testPos <= s.m_testCount, "m_testPos is in 0..m_testCount");
    FuzzCheck(s.m_bZOnlyNew || s.m_testPos < s.m_testCount,
              "a test offered for continuing has a question left");
    for (int i = 0; i < s.m_testCount; ++i) {
        const int question = s.m_test[static_cast<std::size_t>(i)];
        FuzzCheck(question >= 0 && question < bankSize, "every entry of the test list is inside the bank");
    }
    FuzzCheck(s.m_nULast == 0 || (s.m_nULast > 0 && s.m_nULast < bankSize),
              "learning resumes inside the bank");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = WriteTreeScratchFile("navik.cfg", data, size);

    TreeNode root;
    root.LoadFile(path);
    Settings restored;
    restored.LoadFromNode(&root);
    TreeNode saved;
    restored.SaveToNode(&saved);
    Settings again;
    again.LoadFromNode(&saved);
    FuzzCheck(PersistedSettings::Same(restored, again),
              "a restored record is stored and read back unchanged");

    for (const int bankSize : {0, 1, 7, 70, 200, 1000, 1500}) {
        Settings fitted = restored;
        fitted.FitToBank(bankSize);
        CheckFitted(fitted, bankSize);
        Settings twice = fitted;
        twice.FitToBank(bankSize);
        FuzzCheck(PersistedSettings::Same(fitted, twice), "fitting a fitted record changes nothing");
    }
    return 0;
}
