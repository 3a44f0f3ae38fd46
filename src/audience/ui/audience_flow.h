#pragma once

#include <QObject>
#include <QPointer>

namespace lendora {

class AudienceWindow;
class SegmentsWindow;
class Workspace;
namespace ui {
class Desk;
}

// Go > New > Target Audience and Go > Open > Target Audience: leads the user
// from the audience window to its segments and puts a new audience into the
// workspace and on disk.
//
// The windows work on one audience at a time. A new audience (F3) is defined
// until it is saved; only then can Finish and Save act, and Save is enabled
// only by Finish. An audience shown through Go > Open is already on disk:
// its segments can be looked at, but it is never finished or saved again, so
// no second record of it can reach "ta.lnd".
class AudienceFlow : public QObject {
    Q_OBJECT
public:
    AudienceFlow(ui::Desk& desk, Workspace& workspace, QObject* parent = nullptr);

    // Go > New > Target Audience.
    void newAudience();
    // Go > Open > Target Audience.
    void openAudience();

private:
    AudienceWindow* audienceWindow();
    SegmentsWindow* segmentsWindow();
    int belowProjects();
    void audienceNext();
    void back();
    void finish();
    void save();
    void endDefinition();
    // After a reload the audience being defined takes the next free number
    // again (its row too, once Finish placed it): its old number may belong
    // to an audience another copy saved meanwhile.
    void followReload();

    ui::Desk& desk_;
    Workspace& workspace_;
    QPointer<AudienceWindow> audience_;
    QPointer<SegmentsWindow> segments_;

    // The audience the windows work on.
    int number_ = 0;
    // A new audience that is not saved yet.
    bool defining_ = false;
    // Finish has put its row into the audience table.
    bool rowPlaced_ = false;
    // Its files are written.
    bool saved_ = false;
};

} // namespace lendora
