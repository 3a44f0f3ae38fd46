#pragma once

#include "poll/import_mapping.h"
#include "poll/survey_responses.h"
#include "workspace/plan_data.h"

#include <QString>

#include <vector>

// Counts the respondents of a survey export into poll counts: per product,
// segment and feature the number of respondents of that segment who liked
// that product most and that feature of it most. Every respondent read is
// either counted or skipped for one reason, checked in this order.
namespace lendora::poll {

struct Reconciliation {
    int read = 0;
    int counted = 0;
    int blankRows = 0;      // every answer empty
    int unknownSegment = 0; // the segment answer names no segment
    int noProduct = 0;
    int noFeature = 0;

    bool operator==(const Reconciliation&) const = default;
    // "300 respondents read: 290 counted; skipped: 4 unknown segment, ..."
    QString text() const;
};

struct PollCounts {
    int segments = 0;
    std::vector<int> cells; // [product][segment - 1][feature - 1]
    Reconciliation reconciliation;
    // Per role, per answer of its column: the respondents skipped because
    // that answer named nothing (unknown segment, no product, no feature).
    std::array<std::vector<int>, roleCount> skippedBy;

    int at(int product, int segment, int feature) const {
        return cells[size_t((product * segments + segment - 1) * featureCount + feature - 1)];
    }
};

PollCounts countResponses(const SurveyResponses& responses, const ImportMapping& mapping,
                          int segments);

// When more than 5% of the respondents read are skipped, what the user must
// see before importing: how many, and the reasons from the largest, each with
// the answers behind it; empty otherwise.
QString skippedNotice(const PollCounts& counts, const SurveyResponses& responses,
                      const ImportMapping& mapping);

// Puts the product's counts into its segments (those both have), as typing
// them and pressing Next puts them.
void putCounts(const PollCounts& counts, int product, ProductCounts& into);

} // namespace lendora::poll
