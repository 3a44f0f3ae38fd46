#include "poll/survey_responses.h"

#include "storage/numbers.h"

#include <cmath>

namespace lendora::poll {

QString numberAnswer(double number) {
    if (number == std::trunc(number) && std::abs(number) < 1e15)
        return QString::number(static_cast<long long>(number));
    return doubleText(number);
}

void ColumnBuilder::add(const QString& answer) {
    const QString text = answer.trimmed();
    int code = -1;
    // Most columns hold a few distinct answers: a look along them costs less
    // than hashing, and a file of many columns needs no table per column.
    if (column_.answers.size() <= shortList) {
        code = int(column_.answers.indexOf(text));
        if (code < 0 && column_.answers.size() == shortList)
            for (qsizetype a = 0; a < column_.answers.size(); ++a)
                index_.insert(column_.answers[a], int(a));
    } else {
        code = index_.value(text, -1);
    }
    if (code < 0) {
        code = int(column_.answers.size());
        column_.answers.append(text);
        column_.tally.push_back(0);
        if (column_.answers.size() > shortList)
            index_.insert(text, code);
    }
    column_.codes.push_back(code);
    ++column_.tally[size_t(code)];
}

} // namespace lendora::poll
