#pragma once

#include "storage/grid.h"
#include "workspace/plan_data.h"

#include <QWidget>

class QLabel;

namespace lendora {

namespace ui {
class GridView;
}

// The Basic Details window "frmProjectDetails": a project's name, brands,
// market shares and loan features for the own product and both competitors,
// in the table `MSFlexGrid1` (row 0 the headings, rows 1 to 3 the brands).
// Finish fills it from the wizard; the Basic Details viewer from a project's
// stored details.
class ProjectDetailsWindow : public QWidget {
    Q_OBJECT
public:
    ProjectDetailsWindow();

    // The details Finish assembled: all three brands.
    void showFinished(const ProjectDetails& details);
    // A project's stored details: the brands its file holds.
    void showStored(const ProjectDetails& details);
    ui::GridView* view() const { return view_; }
    // A line under the table (`lblEffectiveRates`), hidden when empty: the
    // brands' effective annual rates, shown by the Basic Details viewer.
    void showRates(const QString& text);
    // Shows "Basic Details for " followed by the project name as caption.
    void setProjectName(const QString& projectName);

    // Wide enough for most of the ten columns, high enough for three rows.
    QSize sizeHint() const override { return {650, 150}; }

private:
    Grid table_;
    ui::GridView* view_;
    QLabel* rates_;
};

} // namespace lendora
