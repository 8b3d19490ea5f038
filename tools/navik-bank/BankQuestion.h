#pragma once

#include <array>
#include <string>

// One question as the database holds it: Windows-1250 bytes and the index of the correct answer.
struct BankQuestion
{
    // How messages name the texts, in the order of m_texts.
    static constexpr const char* kTextNames[] = {"the question text", "answer a", "answer b", "answer c"};

    std::array<std::string, 4> m_texts; // the question, then the answers a, b and c
    int m_nAnswer = 0;                  // 0, 1 or 2
    std::string m_strPicture;           // file name without ".gif"; empty: no picture
};
