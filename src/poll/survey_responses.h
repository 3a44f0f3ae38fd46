#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// The respondents of a survey export, column by column: for every column its
// field name, its question text and the distinct answers it holds, and for
// every respondent the index of his answer. Keeping each distinct answer once
// lets the mapping list the answers and the counting look up one number per
// cell.
namespace lendora::poll {

struct SurveyColumn {
    QString name;
    QString question;       // the question text; the name when the file has none
    QStringList answers;    // distinct answer texts, in order of first appearance
    std::vector<int> codes; // per respondent: index into answers
    std::vector<int> tally; // per answer: how many respondents gave it
};

// How the file laid out its header rows.
enum class SurveyLayout { OneHeader, ThreeHeaders, Spss };

struct SurveyResponses {
    SurveyLayout layout = SurveyLayout::OneHeader;
    std::vector<SurveyColumn> columns;
    std::vector<bool> blank; // per respondent: every answer empty
    int respondents() const { return int(blank.size()); }
};

// The answer a number gives: whole numbers (codes, ids) as integers, others
// in their shortest decimal form at 15 significant digits.
QString numberAnswer(double number);

// Collects the answers of one column, keeping each distinct text once.
class ColumnBuilder {
public:
    explicit ColumnBuilder(SurveyColumn& column)
        : column_(column) {}
    // Adds the next respondent's answer (blanks around it dropped).
    void add(const QString& answer);

private:
    static constexpr qsizetype shortList = 8;
    SurveyColumn& column_;
    QHash<QString, int> index_; // answer to code, once there are more than a short list
};

} // namespace lendora::poll
