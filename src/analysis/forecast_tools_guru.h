#pragma once

#include "analysis/intervals.h"
#include "analysis/sensitivity.h"
#include "analysis/strategy_search.h"

#include <QString>
#include <QStringList>

// The Guru's words on the forecast tools, with the user's own names and
// values; the window shows them only while the Guru is switched on.
namespace lendora::guru {

// On a drawn sensitivity curve. `brands` are the three brand names, own
// first; `segment` the segment's description or "all segments".
QString sensitivityCurve(const analysis::SensitivityCurve& curve, const QStringList& brands,
                         const QString& segment);

// On the intervals of the saved strategies, naming the widest grand total.
QString strategyIntervals(const std::vector<analysis::StrategyIntervals>& intervals,
                          const QString& brand);

// On the chance that strategy a beats strategy b.
QString beatChance(int a, int b, double chance);

// On the suggested strategies, naming the best.
QString suggestions(const analysis::SearchResult& result, const QString& brand);

} // namespace lendora::guru
