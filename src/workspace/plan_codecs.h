#pragma once

#include "workspace/plan_data.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// The files of a plan's data and their bytes: the project details file, the
// segment file of an audience, the three poll files and the four analysis
// files. Reading takes every file as the record format allows (records split
// over lines, missing items, numbers with text after them); writing gives
// the exact bytes the program has always written.
//
// Records are placed by the number in their first item, as the tables they
// were once read into placed them: a table starts with one free row and
// gains one with every record, so the k-th record of a file (from 1) lands
// at its number n only when 1 <= n <= k. A later record of the same number
// replaces an earlier one.
namespace lendora::plancodec {

// "3_pdtl.lnd": the own brand, competitor 1 and competitor 2, each the row
// number followed by ten texts (name, brand, market share, seven features).
ProjectDetails parseDetails(const QByteArray& bytes);
QByteArray detailsBytes(const ProjectDetails& details);

// "2-segFile.lnd": one record per segment, its number and its description.
// N records give N segments; no segments give an empty file.
QString segmentFileName(long long audience);
SegmentDescriptions parseSegments(const QByteArray& bytes);
QByteArray segmentsBytes(const SegmentDescriptions& segments);

// "23_01.lnd", "23_11.lnd", "23_21.lnd": the counts of the own product,
// competitor 1 and competitor 2 of the plan of project 2 and audience 3.
// One record per segment: its number, the seven counts and the segment total
// as texts ("" for a count not entered).
QString pollFileName(long long project, long long audience, int product);
// The counts of `segmentCount` segments; records naming no segment are
// passed over.
ProductCounts parsePoll(const QByteArray& bytes, int segmentCount);
// Empty when the product has no segments.
QByteArray pollBytes(const ProductCounts& counts);

// The four analysis files of plan n, in the order analysisFiles(n) of
// workspace/plan_files.h names them: values, feature estimates, change flags,
// segment estimates.
struct AnalysisFileBytes {
    QByteArray values;
    QByteArray featureEstimates;
    QByteArray changeFlags;
    QByteArray segmentEstimates;
};
// The strategies: one per record of the values file; the other files fill in
// what they hold for each. Segment estimates are read for `segmentCount`
// segments (the segment total is worked out from them, not read).
std::vector<SavedStrategy> parseAnalysis(const AnalysisFileBytes& files, int segmentCount);
// The files of plan n for the strategies, name and bytes; none for no
// strategy (the stored files are then left as they are). A strategy of N
// segment estimates has N + 1 segment records, the last its total (an
// estimate the files did not hold is written as 0).
std::vector<std::pair<QString, QByteArray>>
analysisFileBytes(int plan, const std::vector<SavedStrategy>& strategies);

// "3_0bc.lnd": the business case of plan 3, the program's own file (the
// record format, read strictly): a first record "Lendora business case", the
// format 1, u, c and K; then one record per segment, its number and its
// borrowers per year.
// No value for a file that is damaged or not a business case.
std::optional<BusinessCase> parseBusinessCase(const QByteArray& bytes);
QByteArray businessCaseBytes(const BusinessCase& inputs);

} // namespace lendora::plancodec
