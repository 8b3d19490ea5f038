#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The arguments of one command: positional ones, the options it accepts that take one value (as
// "-o FILE", "--pictures DIR" or "--pictures=DIR"), the flags it accepts (as "--force") and
// "--help"/"-h". Problems are described in Czech, for the user.
class CommandArguments
{
public:
    CommandArguments(const std::vector<std::string>& arguments, const std::vector<std::string>& valueOptions,
                     const std::vector<std::string>& flags = {});

    // Empty when the arguments parse; otherwise what is wrong with them.
    const std::string& Error() const { return m_strError; }
    bool WantsHelp() const { return m_bHelp; }
    const std::vector<std::string>& Positional() const { return m_positional; }
    // For a command that takes exactly one operand, named what in messages: empty when the
    // arguments parse and there is one; otherwise what is wrong with them.
    std::string OneOperandProblem(const std::string& what) const;
    std::optional<std::string> Option(const std::string& name) const;
    bool Flag(const std::string& name) const { return m_flags.contains(name); }

private:
    void Accept(const std::string& name, const std::string& value);

    std::vector<std::string> m_positional;
    std::map<std::string, std::string> m_options;
    std::set<std::string> m_flags;
    std::string m_strError;
    bool m_bHelp = false;
};
