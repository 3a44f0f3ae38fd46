#include "analysis/business_case_export.h"

#include "analysis/business_case_table.h"
#include "storage/numbers.h"
#include "storage/shown_text.h"

#include <QCoreApplication>

namespace lendora::analysis {

namespace {

QString tr(const char* source) {
    return QCoreApplication::translate("BusinessCaseExport", source);
}

// Label and value of each input, the segments' borrowers last.
std::vector<QStringList> inputRows(const PlanAnalysis& plan, const BusinessCase& inputs) {
    std::vector<QStringList> rows{
        {tr("Average loan (% of the maximum loan value)"), doubleText(inputs.averageLoanPercent)},
        {tr("Cost of funds (% a year)"), doubleText(inputs.costOfFunds)},
        {tr("Acquisition cost per new loan"), doubleText(inputs.acquisitionCost)},
    };
    const QStringList headings = businessCaseHeadings(plan.segments());
    const qsizetype first = headings.size() - qsizetype(plan.segments().size());
    for (size_t s = 0; s < inputs.borrowers.size(); ++s)
        rows.push_back({tr("Borrowers a year: %1")
                            .arg(headings.value(first + qsizetype(s), QString::number(s + 1))),
                        wholeText(inputs.borrowers[s])});
    return rows;
}

QString title() {
    return tr("Business case");
}

// The table as the CSV keeps it: each 90% interval in a low and a high
// column, as the comparison's intervals are, numbers a spreadsheet reads.
std::vector<QStringList> csvTable(const PlanAnalysis& plan,
                                  const std::vector<BusinessCaseRow>& rows,
                                  const std::vector<MoneyIntervals>* intervals) {
    constexpr qsizetype first = 8; // the column of the first interval
    std::vector<QStringList> texts = businessCaseTexts(plan.segments(), rows, nullptr);
    QStringList& headings = texts.front();
    QStringList split;
    for (qsizetype c = first; c < first + 3; ++c)
        split << tr("%1 low").arg(headings[c]) << tr("%1 high").arg(headings[c]);
    headings = headings.mid(0, first) + split + headings.mid(first + 3);
    const bool known = intervals && intervals->size() == rows.size();
    for (size_t r = 0; r < rows.size(); ++r) {
        QStringList cells;
        if (known) {
            const MoneyIntervals& money = (*intervals)[r];
            for (const MoneyInterval& range : {money.customers, money.profit, money.gain})
                cells << moneyText(range.low) << moneyText(range.high);
        } else {
            cells = QStringList(6, QString());
        }
        QStringList& row = texts[r + 1];
        row = row.mid(0, first) + cells + row.mid(first + 3);
    }
    return texts;
}

} // namespace

std::vector<QStringList> businessCaseRecords(const PlanAnalysis& plan, const BusinessCase& inputs,
                                             const std::vector<BusinessCaseRow>& rows,
                                             const std::vector<MoneyIntervals>* intervals) {
    std::vector<QStringList> records{{QString()}, {title()}};
    for (QStringList& row : inputRows(plan, inputs))
        records.push_back(std::move(row));
    records.push_back({QString()});
    for (QStringList& row : csvTable(plan, rows, intervals))
        records.push_back(std::move(row));
    return records;
}

void addBusinessCase(AnalysisReport& report, const PlanAnalysis& plan, const BusinessCase& inputs,
                     const std::vector<BusinessCaseRow>& rows,
                     const std::vector<MoneyIntervals>* intervals) {
    report.businessCaseInputs.title = title();
    report.businessCaseInputs.headings = QStringList{tr("Input"), tr("Value")};
    report.businessCaseInputs.rows = inputRows(plan, inputs);
    std::vector<QStringList> texts = businessCaseTexts(plan.segments(), rows, intervals);
    const qsizetype columns = texts.front().size() - qsizetype(plan.segments().size());
    for (QStringList& row : texts)
        row = row.mid(0, columns);
    report.businessCase.title = tr("The strategies in customers and money");
    report.businessCase.headings = texts.front();
    report.businessCase.rows.assign(texts.begin() + 1, texts.end());
}

} // namespace lendora::analysis
