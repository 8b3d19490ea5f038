#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// One question as an author wrote it, before it is checked and converted: the texts are still
// Unicode and nothing is known to be valid yet.
class SourceQuestion
{
public:
    // The parts of a question whose form a reader checks. A reader that has reported one as wrong
    // marks it, so that the compiler does not report the same part again.
    enum Part
    {
        kText = 1,
        kAnswers = 2,
        kCorrect = 4,
        kPicture = 8,
        kAllParts = kText | kAnswers | kCorrect | kPicture,
    };

    // How messages name the question: its number, the source line when there is one, and the
    // first words of its text, so an author can find it in a long file.
    QString Label() const;
    // How messages name the text of QuestionSchema::kText index i: the question or an answer.
    static QString TextName(int i);

    bool Reported(Part part) const { return (m_nReported & part) != 0; }
    void MarkReported(Part part) { m_nReported |= part; }

    int m_nNumber = 0; // 1-based position in the source
    int m_nLine = 0;   // first line of the question in the source; 0 when unknown
    QString m_strText;
    QStringList m_answers;
    std::optional<QString> m_correct; // the letter as written; none when missing
    QString m_strPicture;             // empty: no picture
    int m_nReported = 0;              // the parts already reported as wrong
};
