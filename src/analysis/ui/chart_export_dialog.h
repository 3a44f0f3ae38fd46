#pragma once

#include <QDialog>
#include <QSize>

class QComboBox;
class QSpinBox;

namespace lendora {

// "frmChartExport": which comparison chart to save and at what size, asked
// before the file is chosen.
class ChartExportDialog : public QDialog {
    Q_OBJECT
public:
    // The charts in the order of their tabs.
    enum Chart { Segments = 0, Features = 1 };

    ChartExportDialog(Chart chart, QSize size, QWidget* parent = nullptr);

    Chart chart() const;
    QSize pictureSize() const;

private:
    QComboBox* chart_;
    QSpinBox* width_;
    QSpinBox* height_;
};

} // namespace lendora
