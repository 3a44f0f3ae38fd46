#include "basic_details/ui/project_details_window.h"

#include "basic_details/project_finish.h"
#include "basic_details/ui/project_details_window_names.h"
#include "storage/shown_text.h"
#include "widgets/grid_view.h"
#include "workspace/plan_tables.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace lendora {

namespace names = projectdetails::names;

ProjectDetailsWindow::ProjectDetailsWindow()
    : table_(plantables::detailsTable(ProjectDetails(), finish::detailsHeadings()))
    , view_(nullptr)
    , rates_(new QLabel) {
    setObjectName(QString::fromLatin1(names::window));
    setWindowTitle(tr(names::caption));
    view_ = new ui::GridView(table_, QString::fromLatin1(names::table), this);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(view_);
    rates_->setObjectName(QString::fromLatin1(names::effectiveRates));
    rates_->setWordWrap(true);
    rates_->setVisible(false);
    layout->addWidget(rates_);
}

void ProjectDetailsWindow::showRates(const QString& text) {
    rates_->setText(text);
    rates_->setVisible(!text.isEmpty());
}

void ProjectDetailsWindow::showFinished(const ProjectDetails& details) {
    table_ = plantables::detailsTable(details, finish::detailsHeadings());
    showRates(QString());
}

void ProjectDetailsWindow::showStored(const ProjectDetails& details) {
    table_ = plantables::growingDetailsTable(details, finish::detailsHeadings());
}

void ProjectDetailsWindow::setProjectName(const QString& projectName) {
    setWindowTitle(shownText(tr(names::captionFor) + projectName));
}

} // namespace lendora
