#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Texts into the code page the program keeps them in. Every Czech letter has a byte there, but
// many other characters have none; the bank tool must refuse those rather than store a substitute.
class Windows1250Encoder
{
public:
    // The text's bytes, or nothing when a character has no byte; then firstBad names it.
    static std::optional<QByteArray> Encode(const QString& text, char32_t* firstBad = nullptr);
    // The way back; every byte has a character, so this cannot fail.
    static QString Decode(const std::string& bytes);
};
