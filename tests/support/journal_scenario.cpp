#include "support/journal_scenario.h"

#include "support/golden.h"

#include "storage/details_file.h"
#include "workspace/plan_codecs.h"
#include "workspace/plan_files.h"

#include <gtest/gtest.h>

namespace lendora::test {

LockHolder copyNamed(const QString& user, const QString& machine) {
    LockHolder holder = LockHolder::thisCopy();
    holder.user = user;
    if (machine != QStringLiteral("-"))
        holder.machine = machine;
    return holder;
}

std::unique_ptr<Workspace> openFolder(const QString& path) {
    auto workspace = std::make_unique<Workspace>(RecordFolder(path));
    EXPECT_TRUE(workspace->takeFolder()) << "the folder is taken";
    workspace->load();
    return workspace;
}

Files filesBefore() {
    return filesOf(dataFolder(QStringLiteral("reliability/before")));
}

namespace {

// Plan 1's strategies, its first one only or both.
std::vector<SavedStrategy> analysisOf(int strategies) {
    const Files before = filesBefore();
    const QStringList names = planfiles::analysisFiles(1);
    const int segments = int(plancodec::parseSegments(before.at("1-segFile.lnd")).size());
    std::vector<SavedStrategy> saved = plancodec::parseAnalysis(
        {before.at(names[0]), before.at(names[1]), before.at(names[2]), before.at(names[3])},
        segments);
    saved.resize(size_t(strategies));
    return saved;
}

} // namespace

std::vector<MultiFileSave> multiFileSaves() {
    return {
        {"project Finish",
         [](Workspace& w) {
             w.addProject({"Car Loan Drive", "Quick Car Loan", "QuickCar", ProjectStatus::KickOff});
             ProjectDetails details;
             for (int b = 0; b < brandCount; ++b) {
                 BrandDetails& brand = details.brands[size_t(b)];
                 brand.name = QString::number(b * 10 + 10);
                 brand.brand = QString::number(b * 10 + 11);
                 brand.marketShare = TypedNumber(QString::number(b * 10 + 12));
                 for (int f = 0; f < featureCount; ++f)
                     brand.features[size_t(f)] = TypedNumber(QString::number(b * 10 + 13 + f));
             }
             return w.saveProject(2, details);
         }},
        {"audience save",
         [](Workspace& w) {
             w.placeAudience(2, {"Retired, rural", "2"});
             return w.saveAudience(2, {"Farmers", "Teachers"});
         }},
        {"plan save deleting plan 1",
         [](Workspace& w) {
             std::vector<Workspace::PlanDraft> drafts;
             for (int n : {2, 3})
                 drafts.push_back(
                     {w.plan(n)->id, 1, w.plan(n)->projectName, 1, w.plan(n)->audienceName});
             return w.savePlans(drafts);
         }},
        {"poll save",
         [](Workspace& w) {
             ProductCounts counts{{SegmentCounts{{1, 2, 3, 4, 5, 6, 7}, 28}}};
             return w.savePoll(w.plan(1)->id, 2, counts, {{true, true, false}});
         }},
        {"analysis save",
         [](Workspace& w) { return w.saveAnalysis(w.plan(3)->id, analysisOf(2)); }},
    };
}

WriteStatus saveVersion(Workspace& workspace, int version) {
    const SegmentDescriptions segments =
        version == 0 ? plancodec::parseSegments(filesBefore().at("1-segFile.lnd"))
                     : SegmentDescriptions{"Young", "Married"};
    workspace.placeAudience(1, {"Salaried home buyers", version == 0 ? "3" : "2"});
    WriteStatus status = workspace.saveAudience(1, segments);
    status = status << workspace.saveAnalysis(workspace.plan(3)->id, analysisOf(version + 1));
    // A business case of many segments, so that a kill can land inside its write.
    const BusinessCase inputs{std::vector<std::int64_t>(size_t(4000), 1000 + version),
                              version == 0 ? 80.0 : 65.5, 6, 100};
    return status << workspace.saveBusinessCase(workspace.plan(3)->id, inputs);
}

} // namespace lendora::test
