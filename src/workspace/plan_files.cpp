#include "workspace/plan_files.h"

#include <set>

namespace lendora::planfiles {

namespace {
QString planFile(int plan, const char* suffix) {
    return QString::number(plan) + QLatin1String(suffix);
}
} // namespace

QString strategiesFile(int plan) {
    return planFile(plan, "_0ff.lnd");
}
QString featuresFile(int plan) {
    return planFile(plan, "_0anf.lnd");
}
QString flagsFile(int plan) {
    return planFile(plan, "_0fgf.lnd");
}
QString segmentsFile(int plan) {
    return planFile(plan, "_0sgf.lnd");
}

QStringList analysisFiles(int plan) {
    return {strategiesFile(plan), featuresFile(plan), flagsFile(plan), segmentsFile(plan)};
}

QString businessCaseFile(int plan) {
    return planFile(plan, "_0bc.lnd");
}

QStringList numberedFiles(int plan) {
    return analysisFiles(plan) << businessCaseFile(plan);
}

std::vector<FileStep> analysisFileSteps(const std::vector<int>& storedNumbers, int storedCount) {
    std::vector<FileStep> steps;
    std::set<int> kept;
    const int planCount = int(storedNumbers.size());
    for (int plan = 1; plan <= planCount; ++plan) {
        const int stored = storedNumbers[size_t(plan - 1)];
        if (stored > 0)
            kept.insert(stored);
        if (stored != plan)
            steps.push_back({stored, plan});
    }
    // Deleted plans beyond the new last number: nobody takes their files.
    for (int number = planCount + 1; number <= storedCount; ++number)
        if (!kept.count(number))
            steps.push_back({number, 0});
    return steps;
}

} // namespace lendora::planfiles
