#include "shell/ui/commands.h"

#include "analysis/ui/analysis_window.h"
#include "audience/ui/audience_flow.h"
#include "basic_details/ui/wizard.h"
#include "plans/ui/basic_details_viewer.h"
#include "plans/ui/project_plan_window.h"
#include "poll/ui/poll_window.h"
#include "questionnaire/ui/questionnaire_window.h"
#include "shell/menu_names.h"
#include "shell/ui/main_window.h"

#include <QAction>

#include <memory>

namespace lendora {

void installCommands(MainWindow& mother) {
    ui::Desk& desk = mother;
    Workspace& workspace = mother.workspace();
    auto on = [&mother](const char* entry, auto command) {
        QObject::connect(mother.entry(QString::fromLatin1(entry)), &QAction::triggered, &mother,
                         command);
    };

    auto* wizard = new BasicDetailsWizard(desk, workspace, &mother);
    on(menu::newBasicDetails, [wizard] { wizard->start(); });
    on(menu::openBasicDetails,
       [&desk, &workspace, wizard] { openBasicDetails(desk, workspace, *wizard); });

    auto* audiences = new AudienceFlow(desk, workspace, &mother);
    on(menu::newAudience, [audiences] { audiences->newAudience(); });
    on(menu::openAudience, [audiences] { audiences->openAudience(); });

    auto plans = std::make_shared<QPointer<ProjectPlanWindow>>();
    on(menu::projectPlans,
       [&desk, &workspace, plans] { openProjectPlan(desk, workspace, *plans); });

    auto preview = std::make_shared<QPointer<QuestionnairePreviewWindow>>();
    on(menu::questionnairePreview,
       [&desk, &workspace, preview] { openQuestionnairePreview(desk, workspace, *preview); });

    auto poll = std::make_shared<QPointer<PollDataEntryWindow>>();
    on(menu::newPollResults,
       [&desk, &workspace, poll] { openPollResults(desk, workspace, *poll, false); });
    on(menu::openPollResults,
       [&desk, &workspace, poll] { openPollResults(desk, workspace, *poll, true); });
    on(menu::importResponses,
       [&desk, &workspace, poll] { importPollResponses(desk, workspace, *poll); });

    auto analysis = std::make_shared<QPointer<AnalysisWindow>>();
    on(menu::analysis, [&desk, &workspace, analysis] { openAnalysis(desk, workspace, *analysis); });
}

} // namespace lendora
