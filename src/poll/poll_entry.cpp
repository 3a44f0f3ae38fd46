#include "poll/poll_entry.h"

#include "audience/segment_file.h"
#include "storage/details_file.h"
#include "storage/numbers.h"
#include "storage/shown_text.h"

namespace lendora::poll {

QString fieldMessage(int product, int field) {
    static const char* const names[featureCount] = {"Interest",         "Min. Eligible Income",
                                                    "Max. Loan Value",  "Max. Loan Percentage",
                                                    "Repayment Period", "EMI",
                                                    "Freebies"};
    if (field == 1 && product == product::own)
        return QStringLiteral("Enter results for interest");
    return QStringLiteral("Enter results for ") + QString::fromLatin1(names[field - 1]);
}

QString windowCaption(const Plan& plan) {
    return QStringLiteral("Poll Resulsts for ") + shownText(plan.projectName) +
           QStringLiteral(" and Target Audience ") + shownText(plan.audienceName);
}

PollEntry::PollEntry() {
    reset();
}

bool& PollEntry::completeFlag(int product) {
    return product == product::own           ? lblBCompleteFlag
           : product == product::competitor1 ? lblC1CompleteFlag
                                             : lblC2CompleteFlag;
}

bool PollEntry::completeFlag(int product) const {
    return const_cast<PollEntry*>(this)->completeFlag(product);
}

int& PollEntry::count(int product) {
    return product == product::own           ? lblBCount
           : product == product::competitor1 ? lblC1Count
                                             : lblC2Count;
}

bool& PollEntry::editFlag(int product) {
    return product == product::own           ? lblBFlag
           : product == product::competitor1 ? lblC1Flag
                                             : lblC2Flag;
}

bool PollEntry::editFlag(int product) const {
    return const_cast<PollEntry*>(this)->editFlag(product);
}

void PollEntry::reset() {
    lblProjectIndex = 0;
    for (int k = 0; k < productCount; ++k) {
        completeFlag(k) = false;
        count(k) = 1;
        editFlag(k) = false;
        onDisk_[size_t(k)] = false;
        TabState& tab = tabs[size_t(k)];
        tab.segmentIndex = QStringLiteral("1");
        tab.segmentName.clear();
        tab.fields.fill(QString());
        tab.fieldShown.fill(false);
        tab.fieldShown[0] = true;
        tab.nextEnabled = tab.editEnabled = tab.cancelEnabled = tab.saveEnabled = false;
        tab.focusField = 0;
    }
}

void PollEntry::layOut(const RecordFolder& folder, const Plan& plan, int number) {
    lblProjectIndex = number;
    details.reset(2, details::columnCount);
    details::readInto(folder, plan.project, details, true);
    const std::vector<QStringList> segmentRecords = segments::read(folder, plan.audience);
    for (TabState& tab : tabs)
        poll::layOut(tab.table, segmentRecords);
    const QString first = tabs[0].table.text(1, 0);
    for (TabState& tab : tabs) {
        tab.segmentName = first;
        tab.segmentIndex = QStringLiteral("1");
    }
}

QString PollEntry::tabCaption(int product) const {
    return shownText(details.text(product + 1, details::name)) + QStringLiteral(": ") +
           shownText(details.text(product + 1, details::brand));
}

void PollEntry::load(const RecordFolder& folder, const Plan& plan, int product) {
    TabState& tab = tabs[size_t(product)];
    poll::load(folder, plan, product, tab.table);
    tab.segmentIndex.clear();
    tab.segmentName = completedText;
    tab.fieldShown[0] = false;
    completeFlag(product) = true;
    // A missing file loads nothing but the plan already records the product
    // as complete; the flag character stays "1".
    onDisk_[size_t(product)] = true;
}

int PollEntry::segment(int product) const {
    return toWhole(leadingNumber(tabs[size_t(product)].segmentIndex));
}

int PollEntry::totalsRow(int product) const {
    return tabs[size_t(product)].table.rowCount() - 1;
}

void PollEntry::showSegment(int product, int segment) {
    TabState& tab = tabs[size_t(product)];
    tab.segmentIndex = QString::number(segment);
    if (segment < totalsRow(product)) {
        tab.segmentName = tab.table.text(segment, 0);
        return;
    }
    tab.fieldShown[0] = false;
    tab.saveEnabled = true;
    tab.segmentIndex.clear();
    tab.segmentName = completedText;
    tab.nextEnabled = false;
    completeFlag(product) = true;
}

// Field 1 emptied, fields 2 to 7 hidden, Next off: ready for the next
// segment's first count.
void PollEntry::startSegmentEntry(int product) {
    TabState& tab = tabs[size_t(product)];
    tab.fields[0].clear();
    for (int f = 1; f < featureCount; ++f)
        tab.fieldShown[size_t(f)] = false;
    tab.nextEnabled = false;
    tab.focusField = tab.fieldShown[0] ? 1 : 0;
}

bool PollEntry::refusesTyping(int product, int field) const {
    return product == product::own && field == 1 && completeFlag(product) && !editFlag(product);
}

QString PollEntry::confirmField(int product, int field) {
    TabState& tab = tabs[size_t(product)];
    if (leadingNumber(tab.fields[size_t(field - 1)]) == 0) {
        tab.focusField = field;
        return fieldMessage(product, field);
    }
    if (field < featureCount) {
        tab.fieldShown[size_t(field)] = true;
        tab.fields[size_t(field)].clear();
        tab.focusField = field + 1;
        return {};
    }
    if (product == product::own) {
        tab.nextEnabled = !editFlag(product);
        tab.editEnabled = editFlag(product);
    } else {
        tab.nextEnabled = true;
    }
    return {};
}

void PollEntry::next(int product) {
    TabState& tab = tabs[size_t(product)];
    const int i = segment(product);
    if (i < 1 || i >= totalsRow(product))
        return;
    writeCounts(tab.table, i, tab.fields);
    computeTotals(tab.table);
    showSegment(product, i + 1);
    count(product) = i + 1;
    startSegmentEntry(product);
}

QString PollEntry::pick(int product, int row) {
    if (row < 1 || row >= totalsRow(product))
        return noSegmentMessage;
    if (!completeFlag(product))
        return notCompletedMessage;
    TabState& tab = tabs[size_t(product)];
    editFlag(product) = true;
    showSegment(product, row);
    tab.fieldShown[0] = true;
    tab.fields[0].clear();
    tab.focusField = 1;
    tab.cancelEnabled = true;
    return {};
}

void PollEntry::edit(int product) {
    TabState& tab = tabs[size_t(product)];
    const int i = segment(product);
    // Only a picked segment row can be corrected; never the headings or totals.
    if (i < 1 || i >= totalsRow(product))
        return;
    writeCounts(tab.table, i, tab.fields);
    tab.segmentName = tab.table.text(i, 0);
    startSegmentEntry(product);
    computeTotals(tab.table);
}

void PollEntry::cancel(int product) {
    TabState& tab = tabs[size_t(product)];
    editFlag(product) = false;
    showSegment(product, count(product));
    startSegmentEntry(product);
    if (product == product::own) {
        tab.cancelEnabled = false;
        // Edit belongs to edit mode: left on, it would write the emptied
        // fields into whatever row the index display names.
        tab.editEnabled = false;
    }
    computeTotals(tab.table);
}

void PollEntry::applyImport(const PollCounts& counts) {
    for (int k = 0; k < productCount; ++k) {
        TabState& tab = tabs[size_t(k)];
        putCounts(counts, k, tab.table);
        editFlag(k) = false;
        count(k) = totalsRow(k);
        showSegment(k, totalsRow(k));
        tab.fields.fill(QString());
        tab.fieldShown.fill(false);
        tab.editEnabled = tab.cancelEnabled = false;
        tab.focusField = 0;
    }
}

WriteStatus PollEntry::save(Workspace& workspace, PlanId id, int product) {
    const Plan* plan = workspace.plan(id);
    if (!plan)
        return workspace.savePoll(id, product, {}, {}); // reports that the plan is gone
    PollCompletion after = completion();
    after.products[size_t(product)] = completeFlag(product);
    const WriteStatus status =
        workspace.savePoll(id, product, productCounts(tabs[size_t(product)].table), after);
    if (status.ok())
        onDisk_[size_t(product)] = true;
    return status;
}

PollCompletion PollEntry::completion() const {
    PollCompletion recorded;
    for (int k = 0; k < productCount; ++k)
        recorded.products[size_t(k)] = completeFlag(k) && onDisk(k);
    return recorded;
}

} // namespace lendora::poll
