#include "tools/navik-bank/CommandArguments.h"

#include <algorithm>

CommandArguments::CommandArguments(const std::vector<std::string>& arguments,
                                   const std::vector<std::string>& valueOptions,
                                   const std::vector<std::string>& flags)
{
    const auto known = [&](const std::string& name) {
        return std::find(valueOptions.begin(), valueOptions.end(), name) != valueOptions.end();
    };
    for (std::size_t i = 0; i < arguments.size() && m_strError.empty(); ++i) {
        const std::string& argument = arguments[i];
        const std::size_t equals = argument.find('=');
        if (argument == "--help" || argument == "-h") {
            m_bHelp = true;
        } else if (argument.size() < 2 || argument[0] != '-') {
            m_positional.push_back(argument);
        } else if (std::find(flags.begin(), flags.end(), argument) != flags.end()) {
            m_flags.insert(argument);
        } else if (argument.starts_with("--") && equals != std::string::npos &&
                   known(argument.substr(0, equals))) {
            Accept(argument.substr(0, equals), argument.substr(equals + 1));
        } else if (!known(argument)) {
            m_strError = "neznámý přepínač " + argument;
        } else if (i + 1 == arguments.size()) {
            m_strError = argument + " potřebuje hodnotu";
        } else {
            Accept(argument, arguments[++i]);
        }
    }
}

std::string CommandArguments::OneOperandProblem(const std::string& what) const
{
    if (!m_strError.empty())
        return m_strError;
    if (m_positional.size() != 1)
        return (m_positional.empty() ? "chybí " : "víc než jeden ") + what;
    return {};
}

std::optional<std::string> CommandArguments::Option(const std::string& name) const
{
    const auto found = m_options.find(name);
    return found == m_options.end() ? std::nullopt : std::optional(found->second);
}

void CommandArguments::Accept(const std::string& name, const std::string& value)
{
    if (value.empty()) {
        m_strError = name + " potřebuje hodnotu";
    } else if (!m_options.emplace(name, value).second) {
        m_strError = name + " je zadán víckrát";
    }
}
