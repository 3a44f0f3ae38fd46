#pragma once

#include "poll/import_mapping.h"
#include "poll/survey_count.h"
#include "poll/survey_responses.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QTableWidget;

namespace lendora {

// The mapping page of an import "frmImportResponses": for the segment, the
// liked product and the liked feature, the column that holds it and what
// each of its answers counts as, and in which order numeric feature codes
// are read; below, how many respondents the mapping counts and why the
// others are skipped, and above the Import button a notice when more than
// 5% are skipped, with the answers behind them. Import is refused with a
// message while the mapping counts nobody.
class ImportResponsesDialog : public QDialog {
    Q_OBJECT
public:
    ImportResponsesDialog(QWidget* parent, const poll::SurveyResponses& responses,
                          const poll::ImportChoices& choices, poll::ImportMapping mapping,
                          const QString& fileName);

    const poll::ImportMapping& mapping() const { return mapping_; }
    // The counts of the mapping as it stands.
    const poll::PollCounts& counts() const { return counts_; }

private:
    void showAnswers(poll::Role role);
    void recount();
    void tryImport();

    const poll::SurveyResponses& responses_;
    const poll::ImportChoices& choices_;
    poll::ImportMapping mapping_;
    poll::PollCounts counts_;
    std::array<QComboBox*, poll::roleCount> columns_{};
    std::array<QTableWidget*, poll::roleCount> answers_{};
    QLabel* reconciliation_;
    QLabel* skipped_;
    QLabel* featureCodes_;
};

} // namespace lendora
