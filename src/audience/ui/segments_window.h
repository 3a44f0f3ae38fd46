#pragma once

#include "storage/grid.h"
#include "workspace/plan_data.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lendora {

namespace segments::names {
struct Button;
}

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

    // The row the next action works on, shown beside "Segment #:"
    // (`lblSegIndex`).
    int segmentNumber() const;
    // False while adding, true once a row was clicked (editing).
    bool rowSelected() const { return rowSelected_; }

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
    void setSegmentNumber(int row);
    void toTrailingRow();
    QPushButton* addButton(const segments::names::Button& which);

    Grid table_;
    bool rowSelected_ = false;
    bool storable_ = false;
    QLabel* number_;
    QLineEdit* description_;
    ui::GridView* view_;
    QPushButton* next_;
    QPushButton* edit_;
    QPushButton* cancel_;
    QPushButton* delete_;
    QPushButton* save_;
    QPushButton* back_;
    QPushButton* finish_;
};

} // namespace lendora
