#pragma once

#include "poll/import_mapping.h"

#include <QtGlobal>

// The objectNames and texts of the mapping page of an import,
// "frmImportResponses". Tests find its controls by these names. Its texts
// have no deliberate misspellings.
// Texts are the sources of the dialog's tr().
namespace lendora::poll::import_names {

constexpr const char* window = "frmImportResponses";
constexpr const char* file = "lblImportFile";
constexpr const char* featureCodes = "lblFeatureCodes";
constexpr const char* reconciliation = "lblReconciliation";
constexpr const char* skippedNotice = "lblSkippedNotice";
constexpr const char* importButton = "cmdImport";
constexpr const char* cancelButton = "cmdCancelImport";
// Each role has a column choice "cbo<Role>Column" and an answers table
// "tbl<Role>Answers", <Role> one of these, in the order of the roles.
constexpr const char* roleNames[roleCount] = {"Segment", "Product", "Feature"};
constexpr const char* columnChoice = "cbo%1Column";
constexpr const char* answersTable = "tbl%1Answers";

constexpr const char* caption =
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "Import Responses");
// The file's name, its layout and the number of respondents.
constexpr const char* fileText =
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "%1 (%2): %3 respondents");
constexpr const char* oneHeader =
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "one header row");
constexpr const char* threeHeaders =
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "three header rows");
constexpr const char* spssFile =
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "SPSS data file");
constexpr const char* roleTitles[roleCount] = {
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "Segment of the respondent"),
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "Liked product"),
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "Liked feature")};
constexpr const char* noColumn = QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "(none)");
constexpr const char* answerHeadings[] = {
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "Answer"),
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "Respondents"),
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "Counts as")};
constexpr const char* blankAnswer = QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "(blank)");
constexpr const char* notCounted =
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "(not counted)");
constexpr const char* pollTableCodes = QT_TRANSLATE_NOOP(
    "lendora::ImportResponsesDialog",
    "Codes 1 to 7 are read in the order of the poll tables: 6 is EMI, 7 is Freebies.");
constexpr const char* questionnaireCodes = QT_TRANSLATE_NOOP(
    "lendora::ImportResponsesDialog",
    "Codes 1 to 6 are read as the questionnaire's options, which have no EMI: 6 is Freebies.");
constexpr const char* importText = QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "Import");
constexpr const char* cancelText = QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog", "Cancel");
constexpr const char* noneCountedMessage =
    QT_TRANSLATE_NOOP("lendora::ImportResponsesDialog",
                      "No respondent is counted: choose the columns and the answers that name "
                      "the plan's segments, products and features");

} // namespace lendora::poll::import_names
