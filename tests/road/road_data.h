#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The road of one plan as a user walks it: what is typed into each window.
// The values are those of the demo workspace (examples/demo); what the
// windows show for them is in tests/data/road/walk.txt, worked out by hand
// (see road_data.cpp).
namespace lendora::test::road {

// A project as typed into the Basic Details wizard.
struct Project {
    QString name;
    QString product;
    QString brand;
    QStringList competitors;      // step 2
    QStringList competitorBrands; // step 3
    // Steps 4 to 11 (market share, interest, minimum eligible income, maximum
    // loan value, maximum loan percentage, repayment period, EMI, freebies):
    // the texts typed for the own brand and the two competitors; the EMI
    // step is confirmed as the program computed it.
    std::array<QStringList, 8> typed;
};

// A target audience and its segment descriptions, in segment order.
struct Audience {
    QString definition;
    QStringList segments;
};

// The poll counts: for each product one row of seven counts per segment.
using Poll = std::array<std::vector<QStringList>, 3>;

// The questionnaire preview: the answers chosen and what the window shows.
struct Preview {
    int segmentRow;          // the segment row clicked
    int product;             // 1 to 3
    QString featureOption;   // the objectName of the feature option clicked
    QStringList captions;    // the six feature captions of that product
    QString recordedMessage; // the message Record shows
};

// A strategy entered in the Analysis window's "New Analysis" frame.
struct Strategy {
    // The texts typed into the seven fields; a null text is confirmed as shown.
    std::array<QString, 7> typed;
    QString emiAfterPeriod; // the EMI field once Repayment Period is confirmed
    QString flags;          // the seven change flags and the EMI flag after Freebies
};

// The demo: a home loan against two competitors, an audience of three
// segments, complete poll data, two strategies.
const Project& demoProject();
const Audience& demoAudience();
const Poll& demoPoll();
const Preview& demoPreview();
const std::vector<Strategy>& demoStrategies();

} // namespace lendora::test::road
