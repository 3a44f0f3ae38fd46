#include "storage/details_file.h"
#include "workspace/plan_codecs.h"
#include "workspace/plan_files.h"
#include "workspace/registry_models.h"
#include "workspace/workspace.h"

#include "support/golden.h"
#include "support/printing.h"
#include "support/workspace.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace lendora;
using lendora::test::copyFolder;
using lendora::test::dataFolder;
using lendora::test::expectSameFiles;
using lendora::test::TempWorkspace;

namespace {

// A workspace over a copy of a golden "before" folder, loaded.
struct Opened {
    explicit Opened(const QString& goldenCase) {
        copyFolder(dataFolder(goldenCase + QStringLiteral("/before")), folder);
        workspace.load();
    }
    TempWorkspace folder;
    Workspace workspace{RecordFolder(folder.path())};
};

struct LoadCase {
    const char* what;
    std::vector<std::pair<const char*, QByteArray>> files;
    int projects, audiences, plans; // records loaded
};

TEST(WorkspaceLoading, FollowsTheFlagFiles) {
    const QByteArray prj =
        "1,\"A\",\"a\",\"aa\",\"KickOff\"\r\n2,\"B\",\"b\",\"bb\",\"Active\"\r\n";
    const QByteArray ta = "1,\"Urban, salaried\",\"2\"\r\n";
    const QByteArray plans = "1,\"2\",\"B\",\"1\",\"Urban, salaried\",\"111\",\"Yes\"\r\n";
    const std::vector<LoadCase> cases = {
        {"no files at all", {}, 0, 0, 0},
        {"all flags set",
         {{"Prj.lnd", prj},
          {"flag.lnd", "1\r\n"},
          {"ta.lnd", ta},
          {"tfag.lnd", "1\r\n"},
          {"pptb.lnd", plans},
          {"ppflag.lnd", "1\r\n"}},
         2,
         1,
         1},
        {"flag 0", {{"Prj.lnd", prj}, {"flag.lnd", "0\r\n"}}, 0, 0, 0},
        {"flags missing", {{"Prj.lnd", prj}, {"ta.lnd", ta}, {"pptb.lnd", plans}}, 0, 0, 0},
        {"flag empty", {{"Prj.lnd", prj}, {"flag.lnd", ""}}, 0, 0, 0},
        {"flag 1 without registry",
         {{"flag.lnd", "1\r\n"}, {"tfag.lnd", "1\r\n"}, {"ppflag.lnd", "1\r\n"}},
         0,
         0,
         0},
        {"other letter case", {{"PRJ.LND", prj}, {"Flag.Lnd", "1\r\n"}}, 2, 0, 0},
        {"projects flag 1.2", {{"Prj.lnd", prj}, {"flag.lnd", "1.2\r\n"}}, 0, 0, 0},
        {"plan flag read as a whole number",
         {{"pptb.lnd", plans}, {"ppflag.lnd", "1.2\r\n"}},
         0,
         0,
         1},
    };
    for (const LoadCase& c : cases) {
        TempWorkspace ws;
        for (const auto& [name, bytes] : c.files)
            ws.write(name, bytes);
        Workspace workspace{RecordFolder(ws.path())};
        workspace.load();
        EXPECT_EQ(workspace.projectCount(), c.projects) << c.what;
        EXPECT_EQ(workspace.audienceCount(), c.audiences) << c.what;
        EXPECT_EQ(workspace.planCount(), c.plans) << c.what;
    }
}

TEST(WorkspaceLoading, RecordsArePlacedByTheirNumberWhileTheirRowExists) {
    TempWorkspace ws;
    ws.write("flag.lnd", "1\r\n");
    ws.write("Prj.lnd", "2,\"B\",\"b\",\"bb\",\"KickOff\"\r\n1,\"A\",\"a\",\"aa\",\"Active\"\r\n"
                        "3,\"C\",\"c\",\"cc\",\"other\"\r\n9,\"Far\",\"f\",\"ff\",\"KickOff\"\r\n"
                        "-1,\"Neg\",\"n\",\"nn\",\"x\"\r\n0,\"Zero\",\"z\",\"zz\",\"x\"\r\n");
    Workspace workspace{RecordFolder(ws.path())};
    workspace.load();
    // Record 2 comes before its row exists; 9, -1 and 0 name no row.
    ASSERT_EQ(workspace.projectCount(), 6);
    ASSERT_TRUE(workspace.project(1));
    EXPECT_EQ(*workspace.project(1), (Project{"A", "a", "aa", ProjectStatus::Active}));
    EXPECT_EQ(workspace.project(2), nullptr);
    ASSERT_TRUE(workspace.project(3));
    EXPECT_EQ(workspace.project(3)->status, ProjectStatus::KickOff);
    for (int n : {0, 4, 5, 6, 7})
        EXPECT_EQ(workspace.project(n), nullptr) << n;
    EXPECT_EQ(workspace.nextProjectNumber(), 7);

    RegistryModel model(workspace, RegistryModel::Registry::Projects);
    EXPECT_EQ(model.rowCount(), 7) << "six rows and the empty row";
    EXPECT_EQ(model.headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), "Status");
    EXPECT_EQ(model.text(1, 4), "Active");
    EXPECT_EQ(model.text(2, 0), "") << "no record, no number";
    EXPECT_EQ(model.text(3, 0), "3");
}

TEST(WorkspaceLoading, DamagedFilesLoadWhatTheyCan) {
    TempWorkspace ws;
    ws.write("tfag.lnd", "1\r\n");
    ws.write("ta.lnd", "1,\"First\",\"2\"\r\n2,\"Second\"");
    ws.write("ppflag.lnd", "1\r\n");
    QByteArray garbage;
    for (int i = 0; i < 2000; ++i)
        garbage.append(char((i * 31 + 7) % 256));
    ws.write("pptb.lnd", garbage);
    Workspace workspace{RecordFolder(ws.path())};
    workspace.load();
    ASSERT_EQ(workspace.audienceCount(), 2);
    EXPECT_EQ(*workspace.audience(2), (Audience{"Second", ""}));
    for (int n = 1; n <= workspace.planCount(); ++n) {
        if (const Plan* plan = workspace.plan(n)) {
            EXPECT_TRUE(plan->id.valid());
        }
    }
}

TEST(WorkspaceProjects, FinishListsTheProjectAndSaveWritesItsThreeFilesOnce) {
    Opened opened("workspace/project_save");
    Workspace& workspace = opened.workspace;
    QSignalSpy added(&workspace, &Workspace::projectAdded);
    const int n = workspace.addProject({"Gold, \"Plus\"", "Gold Loan", "Goldy"});
    EXPECT_EQ(n, 3);
    EXPECT_EQ(added.count(), 1);
    const QByteArray typed =
        "1,\"Gold, "
        "'Plus'\",\"Goldy\",\"12.50\",\"10\",\"20000\",\"900\",\"85\",\"36\",\"34.\",\"0500\"\r\n"
        "2,\"City Bank\",\"City "
        "Gold\",\"30\",\"12\",\"25000\",\"700\",\"80\",\"36\",\"26.44\",\"1000\"\r\n"
        "3,\"Metro\",\"Metro "
        "Gold\",\"12.5\",\"14\",\"30000\",\"600\",\"75\",\"12\",\"55\",\"0\"\r\n";
    ProjectDetails details = plancodec::parseDetails(typed);
    details.brands[0].name = "Gold, \"Plus\""; // as typed: the file keeps an apostrophe
    ASSERT_TRUE(workspace.saveProject(n, details).ok());
    expectSameFiles(opened.folder, dataFolder("workspace/project_save/after"));
    // A save tried again replaces record 3 rather than adding a fourth.
    ASSERT_TRUE(workspace.saveProject(n, details).ok());
    expectSameFiles(opened.folder, dataFolder("workspace/project_save/after"));
}

TEST(WorkspaceAudiences, OnlyTheNextNumberAddsAndOnlyTheLastIsWithdrawn) {
    TempWorkspace ws;
    Workspace workspace{RecordFolder(ws.path())};
    QSignalSpy added(&workspace, &Workspace::audienceAdded);
    QSignalSpy changed(&workspace, &Workspace::audienceChanged);
    EXPECT_TRUE(workspace.placeAudience(1, {"Salaried", "3"}));
    EXPECT_FALSE(workspace.placeAudience(1, {"Salaried, urban", "2"})) << "filled again";
    EXPECT_FALSE(workspace.placeAudience(3, {"Beyond", "1"}));
    EXPECT_FALSE(workspace.placeAudience(0, {"Headings", "1"}));
    EXPECT_TRUE(workspace.placeAudience(2, {"Retired", "1"}));
    EXPECT_EQ(added.count(), 2);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(workspace.audience(1)->definition, "Salaried, urban");
    EXPECT_FALSE(workspace.withdrawAudience(1));
    EXPECT_FALSE(workspace.withdrawAudience(3));
    EXPECT_TRUE(workspace.withdrawAudience(2));
    EXPECT_EQ(workspace.nextAudienceNumber(), 2);

    ASSERT_TRUE(workspace.saveAudience(1, {"Young"}).ok());
    EXPECT_EQ(ws.read("ta.lnd"), "1,\"Salaried, urban\",\"2\"\r\n");
    EXPECT_EQ(ws.read("1-segFile.lnd"), "1,\"Young\"\r\n");
    EXPECT_EQ(ws.read("tfag.lnd"), "1\r\n");
    workspace.placeAudience(2, {"Retired", "0"});
    ASSERT_TRUE(workspace.saveAudience(2, {}).ok());
    EXPECT_EQ(ws.read("ta.lnd"), "1,\"Salaried, urban\",\"2\"\r\n2,\"Retired\",\"0\"\r\n");
    EXPECT_TRUE(ws.exists("2-segFile.lnd"));

    // The first audience, when it is the only one, is the last too.
    TempWorkspace other;
    Workspace fresh{RecordFolder(other.path())};
    ASSERT_TRUE(fresh.placeAudience(1, {"Only", "1"}));
    EXPECT_TRUE(fresh.withdrawAudience(1));
    EXPECT_EQ(fresh.nextAudienceNumber(), 1);
}

// Plans 1, 2 and 3 of the golden folder: plan 1 is deleted, 2 and 3 move up
// with their analysis files, a new plan takes number 3.
TEST(WorkspacePlans, ASaveRenumbersPlansAndTheirFilesFollow) {
    Opened opened("workspace/plan_save");
    Workspace& workspace = opened.workspace;
    const PlanId second = workspace.plan(2)->id, third = workspace.plan(3)->id;
    const PlanId deleted = workspace.plan(1)->id;
    workspace.selectPlan(3);
    QSignalSpy replaced(&workspace, &Workspace::plansReplaced);

    std::vector<Workspace::PlanDraft> drafts = {
        {second, 1, "Home Loan", 2, "Retired"},
        {third, 2, "Car Loan", 1, "Salaried"},
        {PlanId(), 2, "Car Loan", 2, "Retired"},
    };
    ASSERT_TRUE(workspace.savePlans(drafts).ok());
    expectSameFiles(opened.folder, dataFolder("workspace/plan_save/after"));
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(workspace.planNumber(second), 1);
    EXPECT_EQ(workspace.planNumber(third), 2);
    EXPECT_EQ(workspace.planNumber(deleted), 0);
    EXPECT_TRUE(workspace.plan(3)->id.valid());
    EXPECT_NE(workspace.plan(3)->id, deleted);
    EXPECT_EQ(workspace.selectedPlanRow(), 2) << "the selection follows its plan";
    EXPECT_EQ(workspace.selectedPlan(), third);
    EXPECT_EQ(workspace.businessCase(second).inputs, (BusinessCase{{2000, 300}, 75, 5.5, 120}))
        << "the business case went with its plan";
    EXPECT_FALSE(workspace.businessCase(third).inputs);

    // The plan given another audience is another plan; the selected one is gone.
    workspace.selectPlan(3);
    drafts = {{second, 1, "Home Loan", 2, "Retired"},
              {third, 2, "Car Loan", 1, "Salaried"},
              {workspace.plan(3)->id, 1, "Home Loan", 1, "Salaried"}};
    const PlanId changed = workspace.plan(3)->id;
    ASSERT_TRUE(workspace.savePlans(drafts).ok());
    EXPECT_EQ(workspace.planNumber(changed), 0);
    EXPECT_EQ(workspace.selectedPlanRow(), 0);
    EXPECT_FALSE(workspace.selectedPlan().valid());
}

// Plans that swap numbers, or move up under a new plan, keep their own
// files: each file is taken as it was before the save.
TEST(WorkspacePlans, PlansInAnyNewOrderKeepTheirOwnFiles) {
    Opened opened("workspace/plan_save");
    Workspace& workspace = opened.workspace;
    auto numberedFiles = [&] {
        std::map<QString, QByteArray> files;
        for (int plan = 1; plan <= 4; ++plan)
            for (const QString& name : planfiles::numberedFiles(plan))
                if (opened.folder.exists(name))
                    files[name] = opened.folder.read(name);
        return files;
    };
    const std::map<QString, QByteArray> before = numberedFiles();
    auto renamed = [](const QString& name, int from, int to) {
        return QString::number(to) + name.mid(QString::number(from).size());
    };
    // New order: plan 3, a new plan, plan 1, plan 2.
    const int storedAt[] = {3, 0, 1, 2};
    std::vector<Workspace::PlanDraft> drafts;
    for (int stored : storedAt) {
        const Plan* plan = stored ? workspace.plan(stored) : workspace.plan(1);
        drafts.push_back({stored ? plan->id : PlanId(), plan->project, plan->projectName,
                          plan->audience, plan->audienceName});
    }
    ASSERT_TRUE(workspace.savePlans(drafts).ok());
    std::map<QString, QByteArray> expected;
    for (int plan = 1; plan <= 4; ++plan)
        for (const auto& [name, bytes] : before)
            if (storedAt[plan - 1] && name.startsWith(QString::number(storedAt[plan - 1]) + '_'))
                expected[renamed(name, storedAt[plan - 1], plan)] = bytes;
    EXPECT_EQ(numberedFiles(), expected);
}

TEST(WorkspacePlans, SavingNoPlansWritesAnEmptyRegistry) {
    Opened opened("workspace/plan_save");
    ASSERT_TRUE(opened.workspace.savePlans({}).ok());
    EXPECT_EQ(opened.folder.read("pptb.lnd"), "");
    EXPECT_EQ(opened.folder.read("ppflag.lnd"), "1\r\n");
    for (int plan = 1; plan <= 3; ++plan)
        for (const QString& name : planfiles::analysisFiles(plan))
            EXPECT_FALSE(opened.folder.exists(name)) << qPrintable(name);
    Workspace again{RecordFolder(opened.folder.path())};
    again.load();
    EXPECT_EQ(again.planCount(), 0);
}

TEST(WorkspacePlans, AFailedSaveChangesNeitherFilesNorMemory) {
    Opened opened("workspace/plan_save");
    Workspace& workspace = opened.workspace;
    const PlanId first = workspace.plan(1)->id;
    ASSERT_TRUE(opened.folder.setReadOnly(true));
    QSignalSpy replaced(&workspace, &Workspace::plansReplaced);
    const WriteStatus status = workspace.savePlans({{first, 1, "Home Loan", 1, "Salaried"}});
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.fileName.isEmpty());
    EXPECT_EQ(workspace.planCount(), 3);
    EXPECT_EQ(workspace.project(1)->status, ProjectStatus::KickOff);
    EXPECT_EQ(replaced.count(), 0);
    const PlanId second = workspace.plan(2)->id;
    EXPECT_FALSE(workspace.saveAnalysis(second, {}).ok());
    EXPECT_FALSE(workspace.withdrawAnalysis(second).ok());
    EXPECT_TRUE(workspace.plan(2)->analysed);
    opened.folder.setReadOnly(false);
    expectSameFiles(opened.folder, dataFolder("workspace/plan_save/before"));
}

TEST(WorkspacePlans, PollAndAnalysisSavesStoreTheFlagWithTheirFiles) {
    Opened opened("workspace/poll_save");
    Workspace& workspace = opened.workspace;
    const PlanId plan = workspace.plan(2)->id;
    QSignalSpy changed(&workspace, &Workspace::planChanged);
    QSignalSpy pollSaved(&workspace, &Workspace::pollChanged);
    const ProductCounts counts{{SegmentCounts{{7, 1, 0, 0, 0, 2, 0}, 10}}};
    ASSERT_TRUE(workspace.savePoll(plan, 1, counts, {{true, true, false}}).ok());
    EXPECT_EQ(pollSaved.count(), 1);
    expectSameFiles(opened.folder, dataFolder("workspace/poll_save/after"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<PlanId>(), plan);

    RegistryModel model(workspace, RegistryModel::Registry::Plans);
    EXPECT_EQ(model.text(2, 5), "110");
    EXPECT_EQ(model.text(2, 2), QString::fromUtf8("Cr\u00e9dit \u201cHome\u201d"));

    QSignalSpy analysisSaved(&workspace, &Workspace::analysisChanged);
    QSignalSpy rowShown(&model, &QAbstractItemModel::dataChanged);
    SavedStrategy strategy;
    strategy.values = {9.5, 0, 0, 0, 0, 0, 2.5};
    strategy.changed[0] = true;
    ASSERT_TRUE(workspace.saveAnalysis(plan, {strategy}).ok());
    EXPECT_EQ(opened.folder.read("2_0ff.lnd"), "1,9.5,0,0,0,0,0,2.5\r\n");
    EXPECT_EQ(analysisSaved.count(), 1);
    // The plan's whole row is shown again, its analysis flag in the last column.
    ASSERT_EQ(rowShown.count(), 1);
    EXPECT_EQ(rowShown.at(0).at(0).toModelIndex(), model.index(1, 0));
    EXPECT_EQ(rowShown.at(0).at(1).toModelIndex(), model.index(1, model.columnCount() - 1));
    EXPECT_EQ(model.text(2, model.columnCount() - 1), "Yes");
    Workspace reopened{RecordFolder(opened.folder.path())};
    reopened.load();
    EXPECT_TRUE(reopened.plan(2)->analysed);
    EXPECT_EQ(reopened.plan(2)->poll, (PollCompletion{{true, true, false}}));
    ASSERT_TRUE(workspace.withdrawAnalysis(plan).ok());
    reopened.load();
    EXPECT_FALSE(reopened.plan(2)->analysed);
    EXPECT_EQ(model.text(2, 6), "No");
    EXPECT_EQ(changed.count(), 3);
}

TEST(WorkspacePlans, TheBusinessCaseIsStoredWholeAndADamagedOneIsTold) {
    Opened opened("workspace/plan_save");
    Workspace& workspace = opened.workspace;
    const PlanId plan = workspace.plan(3)->id;
    EXPECT_EQ(workspace.businessCase(plan).inputs, std::nullopt);
    EXPECT_FALSE(workspace.businessCase(plan).damaged) << "no file is no damage";
    QSignalSpy saved(&workspace, &Workspace::businessCaseChanged);
    const BusinessCase inputs{{10, 20, 30}, 50, 0, 0};
    ASSERT_TRUE(workspace.saveBusinessCase(plan, inputs).ok());
    EXPECT_EQ(saved.count(), 1);
    EXPECT_EQ(workspace.businessCase(plan).inputs, inputs);
    opened.folder.write("3_0bc.lnd", "1,\"Young\"\r\n");
    EXPECT_TRUE(workspace.businessCase(plan).damaged);
    EXPECT_FALSE(workspace.businessCase(plan).inputs);
}

TEST(WorkspaceSelection, OnlyARowWithAProjectNameSelectsAPlan) {
    Opened opened("workspace/poll_save");
    Workspace& workspace = opened.workspace;
    EXPECT_NE(workspace.selectPlan(1), nullptr);
    EXPECT_EQ(workspace.selectedPlan(), workspace.plan(1)->id);
    for (int row : {0, 3, 4}) {
        EXPECT_EQ(workspace.selectPlan(row), nullptr) << row;
        EXPECT_FALSE(workspace.selectedPlan().valid()) << row;
        EXPECT_EQ(workspace.selectedPlanRow(), row) << "the row is recorded all the same";
    }
}

TEST(AnalysisFileSteps, EveryPlanTakesItsOwnFilesOnly) {
    struct Case {
        const char* what;
        std::vector<int> stored; // plans 1 to N
        int storedCount;
        std::vector<planfiles::FileStep> expected;
    };
    const Case cases[] = {
        {"unchanged", {1, 2, 3}, 3, {}},
        {"first deleted", {2, 3}, 3, {{2, 1}, {3, 2}}},
        {"last deleted", {1, 2}, 3, {{3, 0}}},
        {"middle deleted, one added", {1, 3, 0}, 3, {{3, 2}, {0, 3}}},
        {"all deleted", {}, 2, {{1, 0}, {2, 0}}},
        {"first plan added", {0}, 0, {{0, 1}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(planfiles::analysisFileSteps(c.stored, c.storedCount), c.expected) << c.what;
}

} // namespace
