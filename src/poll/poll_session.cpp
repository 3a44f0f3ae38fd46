#include "poll/poll_session.h"

#include "storage/numbers.h"
#include "storage/shown_text.h"
#include "workspace/workspace.h"

#include <QCoreApplication>

#include <algorithm>

namespace lendora::poll {

using namespace Qt::StringLiterals;

namespace {

// The texts of the session, as the user has always seen them; "Resulsts"
// and the lower-case "interest" of the own product are deliberate.
namespace text {
constexpr const char* context = "lendora::poll::PollSession";
const char* const allFieldsFilled =
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "All fields filled");
const char* const noSegment =
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "No segment selected!");
const char* const notCompleted =
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "Data entry not completed");
const char* const completed = QT_TRANSLATE_NOOP("lendora::poll::PollSession", "Completed");
const char* const ownInterestMissing =
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "Enter results for interest");
const char* const countMissing[featureCount] = {
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "Enter results for Interest"),
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "Enter results for Min. Eligible Income"),
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "Enter results for Max. Loan Value"),
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "Enter results for Max. Loan Percentage"),
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "Enter results for Repayment Period"),
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "Enter results for EMI"),
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "Enter results for Freebies")};
const char* const captionStart =
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", "Poll Resulsts for ");
const char* const captionAudience =
    QT_TRANSLATE_NOOP("lendora::poll::PollSession", " and Target Audience ");

QString tr(const char* source) {
    return QCoreApplication::translate(context, source);
}
} // namespace text

} // namespace

QString allFieldsFilledMessage() {
    return text::tr(text::allFieldsFilled);
}

QString fieldMessage(int product, int field) {
    if (field == 1 && product == product::own)
        return text::tr(text::ownInterestMissing);
    return field >= 1 && field <= featureCount ? text::tr(text::countMissing[field - 1])
                                               : QString();
}

QString windowCaption(const Plan& plan) {
    return text::tr(text::captionStart) + shownText(plan.projectName) +
           text::tr(text::captionAudience) + shownText(plan.audienceName);
}

PollSession::PollSession(Workspace& workspace, PlanId plan, QObject* parent)
    : QObject(parent)
    , workspace_(workspace)
    , plan_(plan) {
    start();
    connect(&workspace_, &Workspace::plansReplaced, this, &PollSession::followSavedPlans);
    connect(&workspace_, &Workspace::reloaded, this, &PollSession::followReload);
}

void PollSession::start() {
    const Plan* plan = workspace_.plan(plan_);
    segments_ = plan ? workspace_.segments(plan->audience) : SegmentDescriptions();
    details_ = plan ? workspace_.projectDetails(plan->project) : ProjectDetails();
    for (int k = 0; k < productCount; ++k) {
        counts_[size_t(k)].segments.assign(segments_.size(), SegmentCounts());
        entries_[size_t(k)] = ProductEntry();
    }
}

int PollSession::planNumber() const {
    return workspace_.planNumber(plan_);
}

QString PollSession::productCaption(int product) const {
    const BrandDetails& brand = details_.brands[size_t(product)];
    return shownText(brand.name) + u": "_s + shownText(brand.brand);
}

QString PollSession::segmentIndexText(int product) const {
    const int shown = entry(product).shownSegment;
    return shown > 0 ? QString::number(shown) : QString();
}

QString PollSession::segmentName(int product) const {
    const int shown = entry(product).shownSegment;
    if (shown == 0)
        return text::tr(text::completed);
    // Before any entry of an audience without segments the first row is the
    // totals row, and its label shows.
    if (shown == segmentCount() + 1)
        return totalsLabel;
    return shown >= 1 && shown <= segmentCount() ? segments_[size_t(shown - 1)] : QString();
}

void PollSession::changed(int product, bool counts, int focusField) {
    if (counts)
        emit countsChanged(product);
    emit entryChanged(product);
    if (focusField > 0)
        emit focusRequested(product, focusField);
}

int PollSession::loadStoredProducts() {
    const Plan* plan = workspace_.plan(plan_);
    if (!plan)
        return -1;
    const OpenSteps steps = openSteps(plan->poll);
    for (int product : steps.loads)
        loadStored(product);
    return steps.tab;
}

void PollSession::loadStored(int product) {
    ProductEntry& e = entries_[size_t(product)];
    counts_[size_t(product)] = workspace_.pollCounts(plan_, product);
    counts_[size_t(product)].segments.resize(segments_.size());
    e.totalsShown = true;
    e.shownSegment = 0;
    e.fieldShown[0] = false;
    e.completed = true;
    // A missing file loads nothing, but the plan already records the product
    // as complete: it stays so.
    e.onDisk = true;
    changed(product, true);
}

void PollSession::setFieldText(int product, int field, const QString& text) {
    entries_[size_t(product)].fields[size_t(field - 1)] = text;
}

void PollSession::showSegment(int product, int segment) {
    ProductEntry& e = entries_[size_t(product)];
    e.shownSegment = segment;
    if (segment <= segmentCount())
        return;
    e.fieldShown[0] = false;
    e.maySave = true;
    e.shownSegment = 0;
    e.mayGoNext = false;
    e.completed = true;
}

// Field 1 emptied, fields 2 to 7 hidden, Next off: ready for the next
// segment's first count.
void PollSession::startSegmentEntry(int product) {
    ProductEntry& e = entries_[size_t(product)];
    e.fields[0].clear();
    for (int f = 1; f < featureCount; ++f)
        e.fieldShown[size_t(f)] = false;
    e.mayGoNext = false;
}

bool PollSession::refusesTyping(int product, int field) const {
    const ProductEntry& e = entry(product);
    return product == product::own && field == 1 && e.completed && !e.correcting;
}

QString PollSession::confirmField(int product, int field) {
    ProductEntry& e = entries_[size_t(product)];
    if (leadingNumber(e.fields[size_t(field - 1)]) == 0) {
        changed(product, false, field);
        return fieldMessage(product, field);
    }
    if (field < featureCount) {
        e.fieldShown[size_t(field)] = true;
        e.fields[size_t(field)].clear();
        changed(product, false, field + 1);
        return {};
    }
    if (product == product::own) {
        e.mayGoNext = !e.correcting;
        e.mayCorrect = e.correcting;
    } else {
        e.mayGoNext = true;
    }
    changed(product, false);
    return {};
}

void PollSession::next(int product) {
    ProductEntry& e = entries_[size_t(product)];
    const int i = e.shownSegment;
    if (i < 1 || i > segmentCount())
        return;
    counts_[size_t(product)].segments[size_t(i - 1)] = enteredCounts(e.fields);
    e.totalsShown = true;
    showSegment(product, i + 1);
    e.nextSegment = i + 1;
    startSegmentEntry(product);
    changed(product, true, e.fieldShown[0] ? 1 : 0);
}

QString PollSession::pick(int product, int row) {
    if (row < 1 || row > segmentCount())
        return text::tr(text::noSegment);
    ProductEntry& e = entries_[size_t(product)];
    if (!e.completed)
        return text::tr(text::notCompleted);
    e.correcting = true;
    showSegment(product, row);
    e.fieldShown[0] = true;
    e.fields[0].clear();
    e.mayCancel = true;
    changed(product, false, 1);
    return {};
}

void PollSession::correct(int product) {
    ProductEntry& e = entries_[size_t(product)];
    const int i = e.shownSegment;
    // Only a picked segment can be corrected; never the headings or totals.
    if (i < 1 || i > segmentCount())
        return;
    counts_[size_t(product)].segments[size_t(i - 1)] = enteredCounts(e.fields);
    e.totalsShown = true;
    startSegmentEntry(product);
    changed(product, true, e.fieldShown[0] ? 1 : 0);
}

void PollSession::cancel(int product) {
    ProductEntry& e = entries_[size_t(product)];
    e.correcting = false;
    showSegment(product, e.nextSegment);
    startSegmentEntry(product);
    if (product == product::own) {
        e.mayCancel = false;
        // Edit belongs to edit mode: left on, it would write the emptied
        // fields into whatever segment is shown.
        e.mayCorrect = false;
    }
    e.totalsShown = true;
    changed(product, true, e.fieldShown[0] ? 1 : 0);
}

QString PollSession::paste(int product, int row, int column,
                           const std::vector<QStringList>& cells) {
    using text::tr;
    ProductEntry& e = entries_[size_t(product)];
    if (e.completed && !e.correcting)
        return tr("Counts are pasted while they are entered, or after a segment was picked "
                  "for correction.");
    if (row < 1 || row > segmentCount())
        return text::tr(text::noSegment);
    const int first = std::max(column, 1);
    qsizetype width = 0;
    for (const QStringList& cellRow : cells)
        width = std::max(width, cellRow.size());
    if (cells.empty() || width == 0)
        return {};
    if (first + int(width) - 1 > featureCount || row + int(cells.size()) - 1 > segmentCount())
        return tr("The %1 x %2 block of counts does not fit the table from segment %3, %4.")
            .arg(cells.size())
            .arg(width)
            .arg(row)
            .arg(headings().value(first));

    // Every segment touched: its fields as typing would leave them, and
    // which of them the block fills.
    struct Touched {
        std::array<QString, featureCount> fields;
        std::array<bool, featureCount> pasted{};
    };
    std::vector<Touched> touched;
    QStringList refused;
    ProductCounts& counts = counts_[size_t(product)];
    for (size_t r = 0; r < cells.size(); ++r) {
        const int segment = row + int(r);
        Touched t;
        for (int f = 0; f < featureCount; ++f)
            t.fields[size_t(f)] =
                countText(counts.segments[size_t(segment - 1)].features[size_t(f)]);
        for (int c = 0; c < int(width); ++c) {
            const int field = first + c;
            const QString cell = cells[r].value(c);
            if (leadingNumber(cell) == 0)
                refused << tr("Segment %1, %2: %3")
                               .arg(segment)
                               .arg(headings().value(field), fieldMessage(product, field));
            t.fields[size_t(field - 1)] = cell;
            t.pasted[size_t(field - 1)] = true;
        }
        touched.push_back(t);
    }
    if (!refused.isEmpty())
        return refused.join(u'\n');

    // A segment with all seven counts takes them as Next does; one still
    // missing some keeps them missing, without a total, until they come.
    for (size_t r = 0; r < touched.size(); ++r) {
        const Touched& t = touched[r];
        const SegmentCounts typed = enteredCounts(t.fields);
        SegmentCounts& segment = counts.segments[size_t(row - 1) + r];
        if (std::none_of(t.fields.begin(), t.fields.end(),
                         [](const QString& field) { return field.isEmpty(); })) {
            segment = typed;
            continue;
        }
        for (int f = 0; f < featureCount; ++f)
            if (t.pasted[size_t(f)])
                segment.features[size_t(f)] = typed.features[size_t(f)];
        segment.total.reset();
    }
    int resume = 1;
    const auto entered = [](const SegmentCounts& segment) {
        return std::all_of(segment.features.begin(), segment.features.end(),
                           [](const PollCount& count) { return count.has_value(); });
    };
    while (resume <= segmentCount() && entered(counts.segments[size_t(resume - 1)]))
        ++resume;
    e.correcting = false;
    e.mayCorrect = e.mayCancel = false;
    e.nextSegment = resume;
    e.fields.fill(QString());
    e.fieldShown.fill(false);
    e.fieldShown[0] = true;
    showSegment(product, resume);
    startSegmentEntry(product);
    e.totalsShown = true;
    changed(product, true, e.fieldShown[0] ? 1 : 0);
    return {};
}

void PollSession::applyImport(const PollCounts& counts) {
    for (int k = 0; k < productCount; ++k) {
        ProductEntry& e = entries_[size_t(k)];
        putCounts(counts, k, counts_[size_t(k)]);
        e.totalsShown = true;
        e.correcting = false;
        e.nextSegment = segmentCount() + 1;
        showSegment(k, segmentCount() + 1);
        e.fields.fill(QString());
        e.fieldShown.fill(false);
        e.mayCorrect = e.mayCancel = false;
    }
    for (int k = 0; k < productCount; ++k)
        changed(k, true);
}

ImportChoices PollSession::importChoices() const {
    return poll::importChoices(segments_, details_);
}

RememberedMapping PollSession::rememberedMapping() const {
    const Plan* plan = workspace_.plan(plan_);
    return plan ? recallMapping(workspace_.importMappings(), plan->project, plan->audience)
                : RememberedMapping();
}

WriteStatus PollSession::rememberMapping(const ImportMapping& mapping,
                                         const SurveyResponses& responses) {
    const Plan* plan = workspace_.plan(plan_);
    if (!plan)
        return {};
    return workspace_.saveImportMappings(poll::rememberMapping(
        workspace_.importMappings(), plan->project, plan->audience, mapping, responses));
}

WriteStatus PollSession::save(int product) {
    if (!workspace_.plan(plan_))
        return workspace_.savePoll(plan_, product, {}, {}); // reports that the plan is gone
    PollCompletion after = completion();
    after.products[size_t(product)] = entry(product).completed;
    const WriteStatus status = workspace_.savePoll(plan_, product, counts_[size_t(product)], after);
    if (status.ok()) {
        entries_[size_t(product)].onDisk = true;
        changed(product, false);
    }
    return status;
}

PollCompletion PollSession::completion() const {
    PollCompletion recorded;
    for (int k = 0; k < productCount; ++k)
        recorded.products[size_t(k)] = entry(k).completed && entry(k).onDisk;
    return recorded;
}

void PollSession::followSavedPlans() {
    if (planNumber() == 0)
        emit planGone();
}

void PollSession::followReload() {
    if (planNumber() == 0) {
        emit planGone();
        return;
    }
    start();
    loadStoredProducts();
    for (int k = 0; k < productCount; ++k)
        changed(k, true);
    emit reopened();
}

} // namespace lendora::poll
