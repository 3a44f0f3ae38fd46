#pragma once

#include "poll/poll_tables.h"

#include <QtGlobal>

// The objectNames and texts of the poll data entry window. Tests find the
// controls by these names, the road's transcripts show the texts, and users
// know the window by them: they stay exactly as they are. Deliberate, and
// never to be corrected:
//   - "Eligilbe" and "Pecentage" in competitor 1's labels, and the blanks
//     after the labels' texts, which differ from tab to tab;
//   - the own product's fields `txtBMIE` and `txtBRepaymenyPeriod` (its labels
//     are `lblBMEI` and `lblBRepaymentPeriod`);
//   - "Segment:" on the own product's tab, "Segment " on the others;
//   - "Resulsts" in the window caption and the lower-case "interest" of the
//     own product's first message (poll/poll_session.cpp).
// Texts are the sources of the window's tr().
namespace lendora::poll::names {

constexpr const char* window = "frmPollDataEntry";
constexpr const char* tabs = "SSTab1";
// The project details behind the tab captions; never shown.
constexpr const char* details = "MSFG_ProjectDetails";
constexpr const char* importButton = "cmdImportResponses";
constexpr const char* importSummary = "lblImportReconciliation";
constexpr const char* importFileDialog = "dlgImportResponses";

constexpr const char* importText =
    QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Import Responses...");
constexpr const char* importTitle =
    QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Import Responses");
constexpr const char* importFilter = QT_TRANSLATE_NOOP(
    "lendora::PollDataEntryWindow", "Survey exports (*.csv *.xlsx *.sav);;All files (*)");
constexpr const char* replaceQuestion =
    QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow",
                      "Counts are already stored for %1. Replace them with the imported counts? "
                      "The stored files change only when you save each product again.");
constexpr const char* analysisNote =
    QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow",
                      "The plan's saved analysis was worked out from the stored counts.");

// The buttons of a tab, in their order.
enum Button { next, edit, cancel, save, buttonCount };
constexpr const char* buttonTexts[buttonCount] = {
    QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Next"),
    QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Edit"),
    QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Cancel"),
    QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Save")};

// The controls of one product's tab; the names differ from tab to tab.
struct TabNames {
    const char* page;
    const char* segmentCaption; // the fixed caption before the segment number
    const char* segmentCaptionText;
    const char* segmentIndex;
    const char* segmentName;
    const char* table;
    const char* buttons[buttonCount];
    const char* labels[featureCount];
    const char* labelTexts[featureCount];
    const char* fields[featureCount];
};

constexpr TabNames tab[productCount] = {
    {"tab0",
     "Label1",
     QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Segment:"),
     "lblBSegmentIndex",
     "lblBSegmentName",
     "MSFG_Brand",
     {"cmdBNext", "cmdBEdit", "cmdBCancel", "cmdBSave"},
     {"lblBInterest", "lblBMEI", "lblBMLV", "lblBMLP", "lblBRepaymentPeriod", "lblBEMI",
      "lblBFreebies"},
     {QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Interest "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Min. Eligible Income "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Max. Loan Value "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Max. Loan Percentage "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Repayment Period "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "EMI "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Freebies ")},
     {"txtBInterest", "txtBMIE", "txtBMLV", "txtBMLP", "txtBRepaymenyPeriod", "txtBEMI",
      "txtBFreebies"}},
    {"tab1",
     "Label10",
     QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Segment "),
     "lblC1SegIndex",
     "lblC1SegName",
     "MSFG_C1",
     {"cmdC1Next", "cmdC1Edit", "cmdC1Cancel", "cmdC1Save"},
     {"lblC1Interest", "lblC1MEI", "lblC1MLV", "lblC1MLP", "lblC1RepaymentPeriod", "lblC1EMI",
      "lblC1Freebies"},
     {QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Interest  "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Min. Eligilbe Income  "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Max. Loan Value "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Max. Loan Pecentage "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Repayment Period "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "EMI "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Freebies ")},
     {"txtC1Interest", "txtC1MEI", "txtC1MLV", "txtC1MLP", "txtC1RepaymentPeriod", "txtC1EMI",
      "txtC1Freebies"}},
    {"tab2",
     "Label2",
     QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Segment "),
     "lblC2SegIndex",
     "lblC2SegName",
     "MSFG_C2",
     {"cmdC2Next", "cmdC2Edit", "cmdC2Cancel", "cmdC2Save"},
     {"lblC2Interest", "lblC2MEI", "lblC2MLV", "lblC2MLP", "lblC2RepaymentPeriod", "lblC2EMI",
      "lblC2Freebies"},
     {QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Interest "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Min. Eligible Income "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Max. Loan Value "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Max. Loan Percentage "),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Repayment Period"),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "EMI"),
      QT_TRANSLATE_NOOP("lendora::PollDataEntryWindow", "Freebies")},
     {"txtC2Interest", "txtC2MEI", "txtC2MLV", "txtC2MLP", "txtC2RepaymentPeriod", "txtC2EMI",
      "txtC2Freebies"}},
};

} // namespace lendora::poll::names
