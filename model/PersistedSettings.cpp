#include "model/PersistedSettings.h"

#include <variant>

#include "model/Settings.h"
#include "storage/TreeNode.h"

namespace {

using TestList = std::array<int, Settings::kTestCapacity>;

// An int member written with the long type code rather than the integer one.
struct StoredAsLong
{
    int Settings::*member;
};

struct Key
{
    const char* name;
    // A test list is stored as one value per entry, indexed from 0.
    std::variant<bool Settings::*, int Settings::*, StoredAsLong, TestList Settings::*> member;
};

const Key kKeys[] = {
    {"m_bUShowAll", &Settings::m_bUShowAll},
    {"m_nULast", &Settings::m_nULast},
    {"m_nZLast", &Settings::m_nZLast},
    {"m_nZVsechny", &Settings::m_nZVsechny},
    {"m_nZPocetOtazek", &Settings::m_nZPocetOtazek},
    {"m_nZNovytest", &Settings::m_nZNovytest},
    {"m_nZKontrolaOdpovedi", &Settings::m_nZKontrolaOdpovedi},
    {"m_test", &Settings::m_test},
    {"m_testCount", &Settings::m_testCount},
    {"m_testPos", &Settings::m_testPos},
    {"m_nUZacatek", &Settings::m_nUZacatek},
    {"m_bZOnlyNew", &Settings::m_bZOnlyNew},
    {"m_nTimeTest", &Settings::m_nTimeTest},
    {"m_nTimeTotal", &Settings::m_nTimeTotal},
    {"m_nTimeOver", StoredAsLong{&Settings::m_nTimeOver}},
};

template <class... Visitors> struct Overloaded : Visitors...
{
    using Visitors::operator()...;
};
// Clang 14, which builds the fuzzers, does not deduce an aggregate's arguments by itself.
template <class... Visitors> Overloaded(Visitors...) -> Overloaded<Visitors...>;

} // namespace

void PersistedSettings::Save(const Settings& settings, TreeNode& node)
{
    for (const Key& key : kKeys) {
        std::visit(Overloaded{
                       [&](bool Settings::*member) { node.SetBool(key.name, settings.*member, 0); },
                       [&](int Settings::*member) { node.SetInt(key.name, settings.*member, 0); },
                       [&](StoredAsLong stored) { node.SetLong(key.name, settings.*stored.member, 0); },
                       [&](TestList Settings::*member) {
                           for (int i = 0; i < Settings::kTestCapacity; ++i) {
                               node.SetInt(key.name, (settings.*member)[static_cast<std::size_t>(i)], i);
                           }
                       },
                   },
                   key.member);
    }
}

void PersistedSettings::Load(Settings& settings, const TreeNode& node)
{
    for (const Key& key : kKeys) {
        std::visit(Overloaded{
                       [&](bool Settings::*member) { node.GetBool(key.name, settings.*member, 0); },
                       [&](int Settings::*member) { node.GetInt(key.name, settings.*member, 0); },
                       [&](StoredAsLong stored) { node.GetLong(key.name, settings.*stored.member, 0); },
                       [&](TestList Settings::*member) {
                           for (int i = 0; i < Settings::kTestCapacity; ++i) {
                               node.GetInt(key.name, (settings.*member)[static_cast<std::size_t>(i)], i);
                           }
                       },
                   },
                   key.member);
    }
}

bool PersistedSettings::Same(const Settings& a, const Settings& b)
{
    for (const Key& key : kKeys) {
        const bool same =
            std::visit(Overloaded{
                           [&](StoredAsLong stored) { return a.*stored.member == b.*stored.member; },
                           [&](auto member) { return a.*member == b.*member; },
                       },
                       key.member);
        if (!same) {
            return false;
        }
    }
    return true;
}
