#pragma once

#include <QObject>
#include <QPointer>

namespace lendora {

class MainWindow;
class AudienceWindow;
class SegmentsWindow;

// Go > New > Target Audience and Go > Open > Target Audience: leads the user
// from the audience window to its segments and puts a new audience into the
// working copy and on disk.
//
// The windows work on one audience at a time. A new audience (F3) is defined
// until it is saved; only then can Finish and Save act, and Save is enabled
// only by Finish. An audience shown through Go > Open is already on disk:
// its segments can be looked at, but it is never finished or saved again, so
// no second record of it can reach "ta.lnd".
class AudienceFlow : public QObject {
    Q_OBJECT
public:
    explicit AudienceFlow(MainWindow& mother);

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

    MainWindow& mother_;
    QPointer<AudienceWindow> audience_;
    QPointer<SegmentsWindow> segments_;

    // The audience the windows work on.
    int number_ = 0;
    // A new audience that is not saved yet.
    bool defining_ = false;
    // Finish has put its row into the audience table.
    bool rowPlaced_ = false;
    // Its record is in "ta.lnd" (a Save may fail after writing it).
    bool recordWritten_ = false;
};

} // namespace lendora
