#pragma once

#include "plans/plan_table.h"
#include "storage/record_file.h"
#include "storage/registries.h"

#include <QStringList>

#include <vector>

// Saving the plans of the project plan window.
namespace lendora::plans {

// One step of carrying the analysis files along when a save numbers the
// plans anew: the files of plan number `from` become those of plan number
// `to`. from = 0: number `to` goes to a plan without stored files (a new
// plan), so whatever files it has are removed. to = 0: the files of `from`
// belonged to a deleted plan whose number no plan takes; they are removed.
struct FileStep {
    int from;
    int to;

    bool operator==(const FileStep&) const = default;
};

// The steps for a table whose rows 1 to N had the stored numbers given
// (storedNumbers[row], 0 for a plan added since), when the registry held
// storedCount plans. Rows keep their order through Add and Delete, so every
// stored number is at least its new row and the steps, taken in the order
// given, never overwrite a file that a later step still has to move.
std::vector<FileStep> analysisFileSteps(const std::vector<int>& storedNumbers, int planCount,
                                        int storedCount);

// The names of the four analysis files of a plan.
QStringList analysisFileNames(int plan);

// Carries out the steps on the four analysis files of each plan. A missing
// source file removes the target's file, so no plan keeps a file that
// belonged to another. Every step is attempted; the first failure is returned.
WriteStatus moveAnalysisFiles(const RecordFolder& folder, const std::vector<FileStep>& steps);

// Save: writes "pptb.lnd" from the table (an empty file when no plan is left,
// so that deleted plans stay deleted), carries the analysis files of
// renumbered plans along, writes "ppflag.lnd", makes the All Projects plans
// table equal to the table, marks every project used by a plan "Active" and
// rewrites "Prj.lnd". When "pptb.lnd" cannot be written nothing else is
// changed. Returns the first failure, or ok when every write succeeded.
WriteStatus savePlans(const RecordFolder& folder, PlanTable& table, WorkingCopy& copy);

} // namespace lendora::plans
