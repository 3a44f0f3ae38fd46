#include "poll/survey_file.h"
#include "poll/survey_xlsx.h"
#include "poll/xlsx_parts.h"

#include "poll/survey_import_support.h"
#include "poll/workbook_writer.h"
#include "support/printing.h"
#include "support/workspace.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::poll;
using namespace lendora::test;

namespace {

class Workbooks : public ::testing::Test {
protected:
    QString save(const QByteArray& bytes, const QString& name = QStringLiteral("book.xlsx")) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

struct SameRespondents {
    const char* csv;
    Strings strings;
};

class WorkbookOfACsv : public Workbooks, public ::testing::WithParamInterface<SameRespondents> {};

// The records of a CSV export written as a workbook read back as the same
// respondents, answer for answer, and count into the same poll files.
TEST_P(WorkbookOfACsv, ReadsAsTheSameRespondents) {
    const QString csvPath = surveyData(QString::fromLatin1(GetParam().csv));
    const Imported csv = importFile(csvPath);
    ASSERT_TRUE(csv.file.responses) << qPrintable(csv.file.error);
    const Imported xlsx = importFile(save(workbookOf({rowsOfCsv(csvPath)}, GetParam().strings)));
    ASSERT_TRUE(xlsx.file.responses) << qPrintable(xlsx.file.error);
    const SurveyResponses& expected = *csv.file.responses;
    const SurveyResponses& read = *xlsx.file.responses;
    EXPECT_EQ(read.layout, expected.layout);
    EXPECT_EQ(read.blank, expected.blank);
    ASSERT_EQ(read.columns.size(), expected.columns.size());
    for (size_t c = 0; c < read.columns.size(); ++c) {
        EXPECT_EQ(read.columns[c].name, expected.columns[c].name);
        EXPECT_EQ(read.columns[c].question, expected.columns[c].question);
        EXPECT_EQ(read.columns[c].answers, expected.columns[c].answers);
        EXPECT_EQ(read.columns[c].codes, expected.columns[c].codes);
    }
    EXPECT_EQ(xlsx.counts.reconciliation, csv.counts.reconciliation);
    EXPECT_EQ(xlsx.counts.cells, csv.counts.cells);
    EXPECT_EQ(xlsx.pollFiles, csv.pollFiles);
}

INSTANTIATE_TEST_SUITE_P(Exports, WorkbookOfACsv,
                         ::testing::Values(SameRespondents{"one_header.csv", Strings::Shared},
                                           SameRespondents{"one_header.csv", Strings::Inline},
                                           SameRespondents{"three_headers.csv", Strings::Shared},
                                           SameRespondents{"three_headers.csv", Strings::Inline},
                                           SameRespondents{"every_cell.csv", Strings::Inline}));

// Every kind of cell a survey tool writes, in both ways strings are kept
// (cell_kinds.tsv: kind, value, number format, the answer read back).
TEST_F(Workbooks, ReadEveryKindOfCell) {
    QString headings;
    QString cells;
    QStringList expected;
    int column = 0;
    for (const QString& line :
         QString::fromUtf8(readFile(surveyData(QStringLiteral("cell_kinds.tsv")))).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList kind = line.split(u'\t');
        headings += QStringLiteral("cell\t0\t%1\tstring\t%2\n").arg(column).arg(kind[0]);
        cells +=
            QStringLiteral("cell\t1\t%1\t%2\t%3\t%4\n").arg(column).arg(kind[0], kind[1], kind[2]);
        expected.append(QString(kind[3])
                            .replace(QStringLiteral("\\r"), QStringLiteral("\r"))
                            .replace(QStringLiteral("\\n"), QStringLiteral("\n"))
                            .replace(QStringLiteral("\\t"), QStringLiteral("\t")));
        ++column;
    }
    for (Strings strings : {Strings::Shared, Strings::Inline}) {
        // Rows in order: the constant memory mode writes each row once.
        const SurveyFile file = readSurveyFile(save(workbook(headings + cells, strings)));
        ASSERT_TRUE(file.responses) << qPrintable(file.error);
        QStringList answers;
        for (const SurveyColumn& read : file.responses->columns)
            answers.append(read.answers[read.codes[0]]);
        EXPECT_EQ(answers, expected) << (strings == Strings::Shared ? "shared" : "inline");
    }
}

// The first worksheet unless another is picked; names in the workbook's order.
TEST_F(Workbooks, ReadTheSheetPicked) {
    const QString path = save(workbookOf({{QStringLiteral("Notes"), {{"Exported 2024-03-05"}}},
                                          {QStringLiteral("Wave 2"), {{"Segment"}, {"Retired"}}},
                                          rowsOfCsv(surveyData(QStringLiteral("one_header.csv")))},
                                         Strings::Shared));
    EXPECT_EQ(surveySheets(path), QStringList({"Notes", "Wave 2", "Responses"}));
    EXPECT_EQ(readSurveyFile(path).error,
              QStringLiteral("The file holds no respondents: book.xlsx"));
    const SurveyFile second = readSurveyFile(path, 1);
    ASSERT_TRUE(second.responses);
    EXPECT_EQ(second.responses->columns[0].answers, QStringList({"Retired"}));
    const SurveyFile third = readSurveyFile(path, 2);
    ASSERT_TRUE(third.responses);
    EXPECT_EQ(third.responses->respondents(), 16);
    EXPECT_TRUE(surveySheets(surveyData(QStringLiteral("one_header.csv"))).isEmpty());
}

// Rows a sheet leaves out are blank respondents, as empty lines are in a
// CSV export; a column with answers but no heading is named by its letter,
// and a column that holds nothing is no column.
TEST_F(Workbooks, ReadSparseSheetsAsTheirRows) {
    const SurveyFile file =
        readSurveyFile(save(workbook(QStringLiteral("cell\t0\t0\tstring\tSegment\n"
                                                    "cell\t0\t1\tblank\t\n"
                                                    "row\t1\tRetired\n"
                                                    "cell\t4\t0\tstring\tSelf employed\n"
                                                    "cell\t4\t27\tnumber\t7\n"),
                                     Strings::Shared)));
    ASSERT_TRUE(file.responses) << qPrintable(file.error);
    const SurveyResponses& read = *file.responses;
    EXPECT_EQ(read.blank, std::vector<bool>({false, true, true, false}));
    ASSERT_EQ(read.columns.size(), 2u);
    EXPECT_EQ(read.columns[1].name, QStringLiteral("AB"));
    EXPECT_EQ(read.columns[1].answers, QStringList({"", "7"}));
    EXPECT_EQ(read.columns[1].codes, std::vector<int>({0, 0, 0, 1}));
}

// The limits: rows, the bytes the archive expands to, as declared and as
// inflated, and the cells the respondents take.
TEST_F(Workbooks, AreRefusedPastTheirLimits) {
    const QByteArray bytes =
        workbookOf({rowsOfCsv(surveyData(QStringLiteral("one_header.csv")))}, Strings::Shared);
    struct Limit {
        WorkbookLimits limits;
        const char* message;
    } cases[] = {
        {{16, qint64(1) << 30, 1000}, "The sheet has more than 16 rows"},
        {{17, 4000, 1000}, "The workbook expands to more than 1 GB"},
        {{17, qint64(1) << 30, 79}, "The sheet holds more than 79 cells"},
    };
    for (const Limit& limit : cases) {
        QString error;
        EXPECT_FALSE(readWorkbook(bytes, 0, error, limit.limits));
        EXPECT_EQ(error, QString::fromUtf8(limit.message));
    }
    QString error;
    EXPECT_TRUE(readWorkbook(bytes, 0, error, {17, qint64(1) << 30, 80})) << qPrintable(error);
}

} // namespace

// Characters a workbook escapes as "_x" four hexadecimal digits "_", of
// either case; anything else that looks alike stays as written.
TEST(WorkbookText, EscapesOfFourHexadecimalDigitsAreDecoded) {
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain"},       {"a_x000A_b", "a\nb"},  {"_x0041__x0061_", "Aa"},
        {"_x004f__x004F_", "OO"}, {"_x0039_", "9"},       {"_x00aA_", "\u00aa"},
        {"_x00Aa_", "\u00aa"},    {"_x0030_", "0"},       {"_x004g_", "_x004g_"},
        {"_x004G_", "_x004G_"},   {"_x00:0_", "_x00:0_"}, {"_x00/0_", "_x00/0_"},
        {"_x00@0_", "_x00@0_"},   {"_x00`0_", "_x00`0_"}, {"_x004", "_x004"},
        {"_x0041", "_x0041"},     {"x0041_", "x0041_"},   {"ax0041_", "ax0041_"},
        {"_y0041_", "_y0041_"},
    };
    for (const auto& [escaped, plain] : cases)
        EXPECT_EQ(poll::unescapedText(QString::fromUtf8(escaped)), QString::fromUtf8(plain))
            << escaped;
}
