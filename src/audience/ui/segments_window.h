#pragma once

#include "storage/grid.h"
#include "workspace/plan_data.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lendora {

namespace ui {
class GridView;
}

// The segments window "frmTASegment": the segments of one target audience,
// added one by one, edited and deleted in its table. Back, Finish and Save
// concern the whole audience and are reported to the owner of the window.
class SegmentsWindow : public QWidget {
    Q_OBJECT
public:
    SegmentsWindow();

    // Room for the table and the buttons beside it.
    QSize sizeHint() const override;

    Grid& table() { return table_; }
    const Grid& table() const { return table_; }

    // The row the next action works on, shown beside "Segment #:".
    int lblSegIndex() const;
    // 0 while adding, 1 once a row was clicked (editing).
    int lblSegSel() const { return lblSegSel_; }

    // A new audience: an empty table, adding mode and the start states of the
    // buttons (only Back enabled).
    void startAudience();
    // Shows the segments of a stored audience: the table is cleared and
    // reloaded, and the window is in adding mode with no row selected.
    void showStored(const SegmentDescriptions& stored);
    // Whether the audience in the window can still be finished and saved.
    // When it cannot, Finish and Save are off and Next does not enable Finish.
    void setStorable(bool storable);

    // "Target Audience for " and the description.
    void setCaptionFor(const QString& definition);
    // Empties the description field and gives it the focus.
    void prepareEntry();
    // After Finish: Save on, Finish off.
    void finished();
    // After a successful Save: Save and Finish off.
    void saved();

signals:
    void backClicked();
    void finishClicked();
    void saveClicked();

private:
    void enterPressed();
    void nextClicked();
    void rowClicked(int row);
    void editClicked();
    void deleteClicked();
    void cancelClicked();
    void setLblSegIndex(int row);
    void toTrailingRow();
    QPushButton* addButton(const char* name, const QString& caption);

    Grid table_;
    int lblSegSel_ = 0;
    bool storable_ = false;
    QLabel* lblSegIndex_;
    QLineEdit* txtSegment_;
    ui::GridView* view_;
    QPushButton* cmdNext_;
    QPushButton* cmdEdit_;
    QPushButton* cmdCancel_;
    QPushButton* cmdDelete_;
    QPushButton* cmdSave_;
    QPushButton* cmdBack_;
    QPushButton* cmdFinish_;
};

} // namespace lendora
