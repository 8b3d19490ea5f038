#pragma once

#include <cstddef>

#include "model/Settings.h"

// The layout of the question database, shared by the program, which reads it, and navik-bank,
// which writes and checks it. The root holds kCount and one child kQuestion per question, with
// the index of the question's place in the bank; the child holds the values below.
namespace QuestionSchema {

inline constexpr char kCount[] = "count";
inline constexpr char kQuestion[] = "otazka";
// Index 0 the question, 1 to 3 the answers a) to c).
inline constexpr char kText[] = "text";
inline constexpr int kTextCount = 4;
// The index 0, 1 or 2 of the right answer.
inline constexpr char kAnswer[] = "odpoved";
// Non-zero when the question has the picture named by kPictureName.
inline constexpr char kHasPicture[] = "isobr";
inline constexpr char kPictureName[] = "obrname";

// The program reads every text into 1100 bytes that keep a terminating zero.
inline constexpr std::size_t kMaxTextBytes = 1099;
// A test lists each question at most once, so a bank that every test can use is no larger.
inline constexpr int kMaxUsableQuestions = Settings::kTestCapacity;
// More questions than this can only come from a damaged database; the program loads none.
inline constexpr int kMaxStoredQuestions = 100000;

} // namespace QuestionSchema
