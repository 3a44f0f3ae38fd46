#include "questionnaire/questionnaire_window.h"
#include "shell/commands.h"
#include "shell/main_window.h"

#include <QAction>

#include <memory>

namespace lendora {

void installQuestionnaireCommands(MainWindow& mother) {
    auto preview = std::make_shared<QPointer<QuestionnairePreviewWindow>>();
    QObject::connect(mother.entry(QStringLiteral("mnuQP")), &QAction::triggered, &mother,
                     [&mother, preview] { openQuestionnairePreview(mother, *preview); });
}

} // namespace lendora
