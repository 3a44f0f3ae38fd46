#include "audience/ui/audience_flow.h"

#include "audience/segment_table.h"
#include "audience/ui/audience_window.h"
#include "audience/ui/segments_window.h"
#include "basic_details/wizard_steps.h"
#include "widgets/desk.h"
#include "widgets/messages.h"
#include "workspace/workspace.h"

namespace lendora {

namespace {
// The tab of the All Projects window that lists the audiences.
constexpr int audienceTab = 1;

Audience audienceOf(const QString& definition, const Grid& segments) {
    return Audience{definition, QString::number(segments::count(segments))};
}

} // namespace

AudienceFlow::AudienceFlow(ui::Desk& desk, Workspace& workspace, QObject* parent)
    : QObject(parent)
    , desk_(desk)
    , workspace_(workspace) {
    connect(&workspace_, &Workspace::reloaded, this, &AudienceFlow::followReload);
}

AudienceWindow* AudienceFlow::audienceWindow() {
    if (audience_)
        return audience_;
    desk_.obtain(audience_);
    connect(audience_, &AudienceWindow::nextClicked, this, &AudienceFlow::audienceNext);
    // The audience being defined lives in this window: closing it abandons it.
    connect(audience_, &QObject::destroyed, this, &AudienceFlow::endDefinition);
    return audience_;
}

SegmentsWindow* AudienceFlow::segmentsWindow() {
    if (segments_)
        return segments_;
    desk_.obtain(segments_);
    segments_->setStorable(defining_);
    connect(segments_, &SegmentsWindow::backClicked, this, &AudienceFlow::back);
    connect(segments_, &SegmentsWindow::finishClicked, this, &AudienceFlow::finish);
    connect(segments_, &SegmentsWindow::saveClicked, this, &AudienceFlow::save);
    return segments_;
}

int AudienceFlow::belowProjects() {
    return desk_.projectsSize().height();
}

void AudienceFlow::endDefinition() {
    defining_ = false;
    if (segments_)
        segments_->setStorable(false);
}

void AudienceFlow::newAudience() {
    desk_.showProjectsTab(audienceTab);
    // An audience that Finish listed but that was never written cannot be
    // saved any more once its segments are gone: its number goes to the new one.
    if (rowPlaced_ && !saved_)
        workspace_.withdrawAudience(number_);
    const int n = workspace_.nextAudienceNumber();
    AudienceWindow* window = audienceWindow();
    desk_.place(window, 0, belowProjects());
    window->setAudienceNumber(n);
    desk_.showChild(window);
    window->focusDefinition();
    desk_.hideChildren(wizard::windowNames()); // the wizard makes way

    number_ = n;
    defining_ = true;
    rowPlaced_ = false;
    saved_ = false;
    if (segments_) {
        segments_->startAudience();
        segments_->setStorable(true);
    }
}

void AudienceFlow::audienceNext() {
    const QString definition = audience_->definition();
    SegmentsWindow* window = segmentsWindow();
    desk_.place(window, 0, belowProjects());
    window->setCaptionFor(definition);
    desk_.showChild(window);
    window->prepareEntry();
    desk_.hideChild(audience_);
}

void AudienceFlow::back() {
    AudienceWindow* window = audienceWindow();
    desk_.place(window, 0, belowProjects());
    desk_.showChild(window);
    desk_.hideChild(segments_);
}

void AudienceFlow::finish() {
    if (!defining_ || !audience_ || !segments_)
        return;
    workspace_.placeAudience(number_, audienceOf(audience_->definition(), segments_->table()));
    rowPlaced_ = true;
    desk_.showProjectsTab(audienceTab);
    segments_->finished();
}

// The audience row is filled again first, so that the record carries the
// description and segment count of what is written, even when segments were
// added or deleted after Finish.
void AudienceFlow::save() {
    if (!defining_ || !audience_ || !segments_)
        return;
    workspace_.placeAudience(number_, audienceOf(audience_->definition(), segments_->table()));
    const WriteStatus status =
        workspace_.saveAudience(number_, segments::descriptions(segments_->table()));
    if (!ui::reportWrite(segments_, status))
        return;
    saved_ = true;
    segments_->saved();
    endDefinition();
}

void AudienceFlow::followReload() {
    if (!defining_)
        return;
    number_ = workspace_.nextAudienceNumber();
    if (rowPlaced_ && audience_ && segments_)
        workspace_.placeAudience(number_, audienceOf(audience_->definition(), segments_->table()));
    if (audience_)
        audience_->setAudienceNumber(number_);
}

void AudienceFlow::openAudience() {
    const int selected = workspace_.selectedAudienceRow();
    const Audience* listed = workspace_.audience(selected);
    const int t = selected >= 1 && selected <= workspace_.audienceCount() ? selected : 0;
    const QString definition = listed ? listed->definition : QString();

    // The shown audience is already on disk; it is not defined anew.
    endDefinition();
    SegmentsWindow* segments = segmentsWindow();
    segments->showStored(t >= 1 ? workspace_.segments(t) : SegmentDescriptions());
    desk_.place(segments, desk_.projectsSize().width(), 0);
    desk_.showChild(segments, false);

    AudienceWindow* window = audienceWindow();
    desk_.place(window, 0, belowProjects());
    window->setDefinition(definition);
    desk_.showChild(window);
    window->focusDefinition();
}

} // namespace lendora
