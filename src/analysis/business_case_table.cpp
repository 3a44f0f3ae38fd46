#include "analysis/business_case_table.h"

#include "analysis/analysis_session.h"
#include "analysis/forecast_inputs.h"
#include "storage/numbers.h"
#include "storage/shown_text.h"

#include <QCoreApplication>

#include <cmath>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

QString tr(const char* source) {
    return QCoreApplication::translate("BusinessCase", source);
}

QString rangeText(const MoneyInterval& interval) {
    return moneyText(interval.low) + QChar(0x2013) + moneyText(interval.high);
}

} // namespace

QString businessCaseRowName(const BusinessCaseRow& row) {
    return row.strategy == 0 ? tr("Current product")
                             : tr("Strategy %1").arg(QString::number(row.strategy));
}

QString moneyText(double value) {
    if (!std::isfinite(value))
        return QString();
    // Beyond the whole numbers of 64 bits the digits are not ours to invent.
    if (std::abs(value) >= 9e18)
        return QString::number(value, 'g', 15);
    const std::int64_t whole = std::llround(value);
    return wholeText(whole);
}

QString rateText(double percent) {
    if (!std::isfinite(percent))
        return QString();
    const double rounded = std::round(percent * 100) / 100;
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', 2);
}

QString effectiveRateText(const std::optional<double>& percent) {
    return percent ? rateText(*percent) : tr("none");
}

QString effectiveRatePercent(const std::optional<double>& percent) {
    return percent ? rateText(*percent) + u'%' : tr("none");
}

QString effectiveRatesLine(const ProjectDetails& details) {
    const auto rates = brandEffectiveRates(details);
    QStringList parts;
    for (int b = 0; b < brandCount; ++b)
        if (const QString name = brandName(details, b); !name.isEmpty())
            parts << tr("%1 %2").arg(shownText(name), effectiveRatePercent(rates[size_t(b)]));
    return parts.isEmpty() ? QString() : tr("Effective annual rate: %1").arg(parts.join(u", "));
}

QStringList businessCaseHeadings(const SegmentDescriptions& segments) {
    QStringList headings{tr("Product"),
                         tr("Customers"),
                         tr("Market share %"),
                         tr("Volume"),
                         tr("Margin per loan"),
                         tr("Profit"),
                         tr("Gain"),
                         tr("Effective annual rate %"),
                         tr("Customers 90%"),
                         tr("Profit 90%"),
                         tr("Gain 90%")};
    for (size_t s = 0; s < segments.size(); ++s) {
        const QString description = shownText(segments[s].trimmed());
        headings << (description.isEmpty() ? tr("Segment %1").arg(QString::number(s + 1))
                                           : description);
    }
    return headings;
}

QStringList businessCaseCells(const BusinessCaseRow& row, const MoneyIntervals* intervals) {
    const MoneyForecast& money = row.money;
    QStringList cells{businessCaseRowName(row),
                      moneyText(money.customers),
                      rateText(money.marketShare * 100),
                      moneyText(money.volume),
                      moneyText(money.marginPerLoan),
                      moneyText(money.profit),
                      moneyText(row.gain),
                      effectiveRateText(row.effectiveRate)};
    if (intervals)
        cells << rangeText(intervals->customers) << rangeText(intervals->profit)
              << rangeText(intervals->gain);
    else
        cells << QString() << QString() << QString();
    for (double customers : money.customersBySegment)
        cells << moneyText(customers);
    return cells;
}

std::vector<QStringList> businessCaseTexts(const SegmentDescriptions& segments,
                                           const std::vector<BusinessCaseRow>& rows,
                                           const std::vector<MoneyIntervals>* intervals) {
    std::vector<QStringList> texts{businessCaseHeadings(segments)};
    const bool known = intervals && intervals->size() == rows.size();
    for (size_t r = 0; r < rows.size(); ++r)
        texts.push_back(businessCaseCells(rows[r], known ? &(*intervals)[r] : nullptr));
    return texts;
}

BusinessCaseModel::BusinessCaseModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void BusinessCaseModel::setSession(const AnalysisSession* session) {
    if (session_)
        disconnect(session_, nullptr, this, nullptr);
    session_ = session;
    if (session) {
        connect(session, &AnalysisSession::businessCaseChanged, this, &BusinessCaseModel::refresh);
        connect(session, &AnalysisSession::businessCaseIntervalsReady, this,
                &BusinessCaseModel::refresh);
    }
    refresh();
}

void BusinessCaseModel::refresh() {
    beginResetModel();
    headings_.clear();
    rows_.clear();
    if (session_ && session_->businessCase()) {
        std::vector<QStringList> texts =
            businessCaseTexts(session_->analysis().segments(), session_->businessCaseRows(),
                              session_->businessCaseIntervals());
        headings_ = texts.front();
        rows_.assign(std::make_move_iterator(texts.begin() + 1),
                     std::make_move_iterator(texts.end()));
    }
    endResetModel();
}

int BusinessCaseModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int BusinessCaseModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headings_.size());
}

QVariant BusinessCaseModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= rows_.size())
        return {};
    if (role == Qt::DisplayRole)
        return rows_[size_t(index.row())].value(index.column());
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant BusinessCaseModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return headings_.value(section);
}

} // namespace lendora::analysis
