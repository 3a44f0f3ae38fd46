#pragma once

#include "storage/grid.h"
#include "workspace/plan_data.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace lendora {

class Workspace;
namespace ui {
class Desk;
}

// The questionnaire preview "frmQuestionairePreview": the poll of a plan as
// a respondent sees it, a segment, then one of three unnamed products, then
// one of that product's features. Nothing is stored.
class QuestionnairePreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit QuestionnairePreviewWindow(const Workspace& workspace);

    QSize sizeHint() const override;

    // Shows project p's details and audience t's segments. The frames,
    // options and labels keep what the previous preview left.
    void load(long long project, long long audience);

    // The captions of the chosen product and feature options; empty until chosen.
    const QString& chosenProduct() const { return chosenProduct_; }
    const QString& chosenFeature() const { return chosenFeature_; }

private:
    void segmentClicked(int row);
    void productChosen(int product);
    void featureChosen(QRadioButton* option);
    void record();

    const Workspace& workspace_;
    ProjectDetails details_;
    Grid segments_;
    Grid detailsTable_; // shown hidden: the values behind the options
    QLabel* chosenSegment_;
    QGroupBox* productsFrame_;
    QGroupBox* featuresFrame_;
    std::array<QRadioButton*, 3> products_{};
    std::array<QRadioButton*, 6> features_{};
    QString chosenProduct_;
    QString chosenFeature_;
};

// Go > Open > Questionaire Preview: shows the window (created in slot when
// missing) below the All Projects window for the plan selected there.
void openQuestionnairePreview(ui::Desk& desk, const Workspace& workspace,
                              QPointer<QuestionnairePreviewWindow>& slot);

} // namespace lendora
