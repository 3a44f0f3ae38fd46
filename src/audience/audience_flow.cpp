#include "audience/audience_flow.h"

#include "audience/audience_store.h"
#include "audience/audience_window.h"
#include "audience/segment_table.h"
#include "audience/segments_window.h"
#include "basic_details/wizard_steps.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "shell/projects_window.h"

namespace lendora {

namespace {
// The tab of the All Projects window that lists the audiences.
constexpr int audienceTab = 1;

} // namespace

AudienceFlow::AudienceFlow(MainWindow& mother)
    : QObject(&mother)
    , mother_(mother) {}

AudienceWindow* AudienceFlow::audienceWindow() {
    if (audience_)
        return audience_;
    mother_.obtain(audience_);
    connect(audience_, &AudienceWindow::nextClicked, this, &AudienceFlow::audienceNext);
    // The audience being defined lives in this window: closing it abandons it.
    connect(audience_, &QObject::destroyed, this, &AudienceFlow::endDefinition);
    return audience_;
}

SegmentsWindow* AudienceFlow::segmentsWindow() {
    if (segments_)
        return segments_;
    mother_.obtain(segments_);
    segments_->setStorable(defining_);
    connect(segments_, &SegmentsWindow::backClicked, this, &AudienceFlow::back);
    connect(segments_, &SegmentsWindow::finishClicked, this, &AudienceFlow::finish);
    connect(segments_, &SegmentsWindow::saveClicked, this, &AudienceFlow::save);
    return segments_;
}

int AudienceFlow::belowProjects() {
    return mother_.projectsSize().height();
}

void AudienceFlow::endDefinition() {
    defining_ = false;
    if (segments_)
        segments_->setStorable(false);
}

void AudienceFlow::newAudience() {
    ProjectsWindow& all = mother_.projects();
    all.selectTab(audienceTab);
    Grid& audiences = mother_.workingCopy().audiences;
    // An audience that Finish listed but that was never written cannot be
    // saved any more once its segments are gone: its number goes to the new one.
    if (rowPlaced_ && !recordWritten_)
        audience::withdrawRow(audiences, number_);
    const int n = mother_.workingCopy().nextAudienceNumber();
    AudienceWindow* window = audienceWindow();
    mother_.place(window, 0, belowProjects());
    window->setLblTAIndex(n);
    mother_.showChild(window);
    window->focusDefinition();
    mother_.hideChildren(wizard::windowNames()); // the wizard makes way

    number_ = n;
    defining_ = true;
    rowPlaced_ = false;
    recordWritten_ = false;
    if (segments_) {
        segments_->startAudience();
        segments_->setStorable(true);
    }
}

void AudienceFlow::audienceNext() {
    const QString definition = audience_->definition();
    SegmentsWindow* window = segmentsWindow();
    mother_.place(window, 0, belowProjects());
    window->setCaptionFor(definition);
    mother_.showChild(window);
    window->prepareEntry();
    mother_.hideChild(audience_);
}

void AudienceFlow::back() {
    AudienceWindow* window = audienceWindow();
    mother_.place(window, 0, belowProjects());
    mother_.showChild(window);
    mother_.hideChild(segments_);
}

void AudienceFlow::finish() {
    if (!defining_ || !audience_ || !segments_)
        return;
    audience::placeRow(mother_.workingCopy().audiences, number_, audience_->definition(),
                       segments::count(segments_->table()));
    rowPlaced_ = true;
    mother_.projects().selectTab(audienceTab);
    segments_->finished();
}

// The audience row is filled again first, so that the record carries the
// description and segment count of what is written, even when segments were
// added or deleted after Finish.
void AudienceFlow::save() {
    if (!defining_ || !audience_ || !segments_)
        return;
    WorkingCopy& copy = mother_.workingCopy();
    audience::placeRow(copy.audiences, number_, audience_->definition(),
                       segments::count(segments_->table()));
    const WriteStatus status = audience::save(mother_.folder(), copy.audiences, number_,
                                              segments_->table(), recordWritten_);
    if (!ui::reportWrite(segments_, status))
        return;
    segments_->saved();
    endDefinition();
}

void AudienceFlow::openAudience() {
    ProjectsWindow& all = mother_.projects();
    const Grid& audiences = mother_.workingCopy().audiences;
    const int selected = all.lblTASelect();
    const int t = selected >= 1 && selected <= audiences.rowCount() - 2 ? selected : 0;
    const QString definition = t ? audiences.text(t, 1) : QString();

    // The shown audience is already on disk; it is not defined anew.
    endDefinition();
    SegmentsWindow* segments = segmentsWindow();
    segments->showStored(mother_.folder(), t);
    mother_.place(segments, mother_.projectsSize().width(), 0);
    mother_.showChild(segments, false);

    AudienceWindow* window = audienceWindow();
    mother_.place(window, 0, belowProjects());
    window->setDefinition(definition);
    mother_.showChild(window);
    window->focusDefinition();
}

} // namespace lendora
