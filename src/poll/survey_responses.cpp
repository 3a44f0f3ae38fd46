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
    auto it = index_.constFind(text);
    if (it == index_.constEnd()) {
        it = index_.insert(text, int(column_.answers.size()));
        column_.answers.append(text);
        column_.tally.push_back(0);
    }
    column_.codes.push_back(*it);
    ++column_.tally[size_t(*it)];
}

} // namespace lendora::poll
