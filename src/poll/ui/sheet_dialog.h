#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace lendora {

// "frmChooseSheet": which worksheet of a workbook holds the respondents,
// asked when it has several; the first is proposed.
class ChooseSheetDialog : public QDialog {
    Q_OBJECT
public:
    ChooseSheetDialog(QWidget* parent, const QString& fileName, const QStringList& sheets);

    // The sheet chosen, from 0.
    int sheet() const;

private:
    QListWidget* sheets_;
};

} // namespace lendora
