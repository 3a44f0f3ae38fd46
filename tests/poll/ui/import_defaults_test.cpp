#include "poll/survey_import_support.h"
#include "poll/ui/import_window_support.h"
#include "support/printing.h"
#include "support/program.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <map>

using namespace lendora;
using namespace lendora::test;

namespace {

// The plan's third segment holds a quote, as the segment window stores a
// typed double quote: as an apostrophe.
class ImportDefaults : public ImportWindow {
protected:
    void prepare() override {
        ws.write(QStringLiteral("1-segFile.lnd"), "1,\"Salaried, 25 to 40\"\r\n"
                                                  "2,\"Self employed\"\r\n"
                                                  "3,\"Owners of 'small' shops\"\r\n");
    }
};

QString unescaped(QString text) {
    return text.replace(QStringLiteral("\\r"), QStringLiteral("\r"))
        .replace(QStringLiteral("\\n"), QStringLiteral("\n"))
        .replace(QStringLiteral("\\t"), QStringLiteral("\t"));
}

// What the page shows under an objectName: the target of a table's answer,
// a column choice, or a label's text (empty while it is hidden).
QString shown(QWidget* page, const QString& name, const QString& answer) {
    QWidget* widget = find(name, page);
    if (auto* table = qobject_cast<QTableWidget*>(widget)) {
        for (int a = 0; a < table->rowCount(); ++a)
            if (table->item(a, 0)->text() == answer)
                return static_cast<QComboBox*>(table->cellWidget(a, 2))->currentText();
        return QStringLiteral("(answer not listed)");
    }
    if (auto* choice = qobject_cast<QComboBox*>(widget))
        return choice->currentText();
    auto* label = qobject_cast<QLabel*>(widget);
    return label && label->isVisibleTo(page) ? label->text() : QString();
}

// Every case of defaults/expected.tsv, each export through the mapping page
// of the poll window: quotes stored either way, line breaks and runs of
// blanks, numeric feature codes and the order the page says it assumed,
// columns proposed by their answers in any language, and the notice of
// skipped respondents above the Import button.
TEST_F(ImportDefaults, MatchWhatTheAnswersMean) {
    PollDataEntryWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    std::map<QString, std::vector<QStringList>> cases;
    for (const QString& line :
         QString::fromUtf8(readFile(surveyData(QStringLiteral("defaults/expected.tsv"))))
             .split(u'\n', Qt::SkipEmptyParts))
        if (!line.startsWith(u'#'))
            cases[line.section(u'\t', 0, 0)].push_back(line.split(u'\t'));
    ASSERT_EQ(cases.size(), 7u);
    for (const auto& [file, checks] : cases) {
        bool seen = false;
        const auto page = whenShown(QStringLiteral("frmImportResponses"), [&](QWidget* page) {
            seen = true;
            for (const QStringList& check : checks)
                EXPECT_EQ(shown(page, check[1], unescaped(check[2])), check[3])
                    << qPrintable(file) << " " << qPrintable(check[1]) << " "
                    << qPrintable(check[2]);
            click(find<QPushButton>("cmdCancelImport", page));
        });
        window->importFile(surveyData(QStringLiteral("defaults/") + file));
        settle();
        EXPECT_TRUE(seen) << qPrintable(file);
    }
}

} // namespace
