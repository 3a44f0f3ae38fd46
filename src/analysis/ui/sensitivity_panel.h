#pragma once

#include "analysis/sensitivity.h"

#include <QGroupBox>

class QChartView;
class QComboBox;
class QLabel;
class QSpinBox;

namespace lendora::ui {
class Desk;
}

namespace lendora::analysis {

class AnalysisSession;
class ExportFiles;

// The frame `fraSensitivity`: how the forecast of the chosen feature moves
// with its new value, for all segments or one, reaching beyond the brands'
// values by a chosen share of their range; the curve as a chart with its
// vertex named, saved as a picture or as CSV. The Guru explains each curve
// the user asks for.
class SensitivityPanel : public QGroupBox {
    Q_OBJECT
public:
    SensitivityPanel(ui::Desk& desk, ExportFiles& exports, QWidget* parent = nullptr);

    // The session's segments to choose from, and its curve drawn.
    void setSession(const AnalysisSession* session);
    // The curve last drawn.
    const SensitivityCurve& curve() const { return curve_; }

private:
    void draw();
    // "all segments" or the chosen segment's description.
    QString segmentText() const;
    QStringList brandNames() const;
    void exportPicture();
    void exportCsv();

    ui::Desk& desk_;
    ExportFiles& exports_;
    const AnalysisSession* session_ = nullptr;
    SensitivityCurve curve_;
    QComboBox* feature_ = nullptr;
    QComboBox* segment_ = nullptr;
    QSpinBox* margin_ = nullptr;
    QLabel* vertex_ = nullptr;
    QChartView* chart_ = nullptr;
};

} // namespace lendora::analysis
