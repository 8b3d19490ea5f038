#pragma once
// Generated question texts for the benchmarks: Czech words in Windows-1250, lengths drawn
// around those of real exam questions, the same for every run of a given seed.

#include <cstdint>
#include <string>
#include <vector>

class TreeNode;

struct GeneratedQuestion
{
    std::string text[4];
    int answer = 0;
    std::string picture; // empty: no picture
};

// count questions: question texts of 20 to 180 bytes, answers of 5 to 120 bytes, every sixth
// question with the picture pictureName.
std::vector<GeneratedQuestion> GenerateQuestions(int count, std::uint32_t seed,
                                                 const std::string& pictureName);

// The database tree of the questions: root value "count", children "otazka" 0..count-1.
void FillDatabaseTree(const std::vector<GeneratedQuestion>& questions, TreeNode& root);
