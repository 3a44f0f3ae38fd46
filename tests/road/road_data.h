#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The road of one plan as a user walks it: what is typed into each window,
// and what the windows must show on the way. The values are those of the
// demo workspace (examples/demo); what the program must show for them was
// worked out by hand (see road_data.cpp), not taken from its output.
namespace lendora::test::road {

// A project as typed into the Basic Details wizard, and its Basic Details as
// the program shows and stores them.
struct Project {
    QString name;
    QString product;
    QString brand;
    QStringList competitors;      // step 2
    QStringList competitorBrands; // step 3
    // Steps 4 to 11 (market share, interest, minimum eligible income, maximum
    // loan value, maximum loan percentage, repayment period, EMI, freebies):
    // the texts typed for the own brand and the two competitors. The EMI step
    // is confirmed as the program computed it, so its list stays empty.
    std::array<QStringList, 8> typed;
    // The Basic Details table's rows 1 to 3 after Finish, columns 0 to 9: the
    // own product, competitor 1, competitor 2 (items 2 to 11 of the details file).
    std::array<QStringList, 3> details;
};

// A target audience and its segment descriptions, in segment order.
struct Audience {
    QString definition;
    QStringList segments;
};

// The poll counts of a plan: for each product (own, competitor 1,
// competitor 2) one row of seven counts per segment, and the totals row its
// table shows once complete (columns 0 to 8).
struct Poll {
    std::array<std::vector<QStringList>, 3> counts;
    std::array<QStringList, 3> totals;
};

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
    // The detailed estimates after Analyse: rows 1 to N + 1, columns 0 to 9.
    std::vector<QStringList> estimates;
};

// The comparison of the saved strategies on the "Final Analsis" tab.
struct Comparison {
    std::vector<QStringList> values;   // `MSFG_Analyses` rows 1 to K
    std::vector<QStringList> features; // `MSFG_Features` rows 1 to K + 1 (totals)
    std::vector<QStringList> segments; // `MSFG_Segments` rows 1 to K + 1 (totals)
    QStringList segmentHeadings;       // `MSFG_Segments` headings of columns 1 to N + 1
};

// The demo: a home loan against two competitors, an audience of three
// segments, complete poll data, two strategies.
const Project& demoProject();
const Audience& demoAudience();
const Poll& demoPoll();
const Preview& demoPreview();
const std::vector<Strategy>& demoStrategies();
const Comparison& demoComparison();

} // namespace lendora::test::road
