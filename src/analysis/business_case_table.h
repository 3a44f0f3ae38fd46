#pragma once

#include "analysis/business_case_rows.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

#include <vector>

// The business case table as texts (customers and money whole, shares and
// rates with two decimals) and as a table model over the open session.
namespace lendora::analysis {

class AnalysisSession;

// "Current product", "Strategy 1" ...: what the table and the chart call a row.
QString businessCaseRowName(const BusinessCaseRow& row);
// A money figure or a number of customers, whole; a rate or share with two
// decimals; the effective rate, "none" when no rate pays the loan back.
QString moneyText(double value);
QString rateText(double percent);
QString effectiveRateText(const std::optional<double>& percent);
// The same with its per cent sign ("14.38%"), "none" without.
QString effectiveRatePercent(const std::optional<double>& percent);
// "Effective annual rate: Easy Home 23.39%, ...": what each named brand's EMI
// really costs a borrower; empty when no brand has a name.
QString effectiveRatesLine(const ProjectDetails& details);

// The headings: the row's name, customers, market share, volume, margin per
// loan, profit, gain, effective annual rate, the three 90% intervals, then
// the customers of each segment (headed by the segment descriptions).
QStringList businessCaseHeadings(const SegmentDescriptions& segments);
// One row's cells; the interval columns empty without intervals.
QStringList businessCaseCells(const BusinessCaseRow& row, const MoneyIntervals* intervals);
// The headings and every row.
std::vector<QStringList> businessCaseTexts(const SegmentDescriptions& segments,
                                           const std::vector<BusinessCaseRow>& rows,
                                           const std::vector<MoneyIntervals>* intervals);

// The table `MSFG_BusinessCase` over the session's rows: follows its
// signals; without a session or a business case the table is empty.
class BusinessCaseModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit BusinessCaseModel(QObject* parent = nullptr);

    void setSession(const AnalysisSession* session);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void refresh();

    QPointer<const AnalysisSession> session_;
    QStringList headings_;
    std::vector<QStringList> rows_;
};

} // namespace lendora::analysis
