#include "poll/survey_responses.h"

namespace lendora::poll {

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
