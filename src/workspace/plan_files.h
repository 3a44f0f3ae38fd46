#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The files that belong to a plan by its number, and how they follow the
// plan when a save of the plans numbers them anew.
namespace lendora::planfiles {

// The last import mapping of every plan ("pollmap.lnd"), so that the next
// wave of the same survey imports in one step.
inline const QString importMappingsFile = QStringLiteral("pollmap.lnd");

// The four analysis files of plan n: "n_0ff.lnd" (strategy values),
// "n_0anf.lnd" (per-feature estimates), "n_0fgf.lnd" (change flags) and
// "n_0sgf.lnd" (per-segment estimates).
QString strategiesFile(int plan);
QString featuresFile(int plan);
QString flagsFile(int plan);
QString segmentsFile(int plan);
QStringList analysisFiles(int plan);
// "n_0bc.lnd": the business case of plan n.
QString businessCaseFile(int plan);
// Every file that belongs to plan n by its number: the analysis files and
// the business case. They follow the plan when it is renumbered and go with
// it when it is deleted.
QStringList numberedFiles(int plan);

// One step of carrying the analysis files along: the files of plan number
// `from` become those of plan number `to`. from = 0: number `to` goes to a
// plan without stored files (a new plan), so whatever files it has are
// removed. to = 0: the files of `from` belonged to a deleted plan whose
// number no plan takes; they are removed.
struct FileStep {
    int from;
    int to;

    bool operator==(const FileStep&) const = default;
};

// The steps for plans 1 to N that had the stored numbers given
// (storedNumbers[n - 1] for plan n, 0 for a plan added since), when the
// registry held storedCount plans. Plans keep their order through Add and
// Delete, so every stored number is at least its new number and the steps,
// taken in the order given, never overwrite a file that a later step still
// has to move.
std::vector<FileStep> analysisFileSteps(const std::vector<int>& storedNumbers, int storedCount);

} // namespace lendora::planfiles
