#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The names table of the Analysis window: the objectName of every control
// (tests, the road test and the guide's screenshot program find them by
// these names) and every text the window shows as it has always shown it.
// The core's tables, messages and Guru texts use it as well as the panels,
// so it lives in the core.
//
// The texts are translation sources: text() gives the translation, or the
// text itself. Some are misspelt on purpose and must stay so: users know the
// window by them, and the saved files and tests rely on them. They are
// marked "(sic)":
//   - the tab "Final Analsis";
//   - the caption "Analysis for Project %1and Target Audience %2" (no blank
//     before "and");
//   - the two messages without a blank after their first full stop ("...
//     undone.Do still you want ...", "... saved.To save ...") and the blank
//     before the line break of the no-change message;
//   - the Guru text's "anlaysis", "th same", "deatiled", "Detaieled",
//     "comparision" and "evoloved";
//   - the base table's "Min.Eligible Income" beside the other tables' "Min.
//     Eligible Income", and the chart labels "Mn.Elig.Inc" and "Mx. ...".
namespace lendora::analysis::names {

// The context of the window's translations.
inline constexpr char context[] = "AnalysisWindow";

// A text of the window: its source is the text as specified.
struct Text {
    const char* source;
    QString operator()() const { return QCoreApplication::translate(context, source); }
};
#define LENDORA_ANALYSIS_TEXT(name, source)                                                        \
    inline constexpr Text name {                                                                   \
        QT_TRANSLATE_NOOP("AnalysisWindow", source)                                                \
    }

// ---- objectNames -------------------------------------------------------
inline constexpr char window[] = "frmAnalysis";
inline constexpr char outerTabs[] = "SSTab1";
inline constexpr char basicPage[] = "tabBasicAnalysis";
inline constexpr char finalPage[] = "tabFinalAnalysis";
inline constexpr char entryFrame[] = "Frame2";
// The seven entry fields in entry order.
inline constexpr const char* entryFields[] = {
    "txtInterest", "txtMEI", "txtMLV", "txtMLP", "txtRepaymentPeriod", "txtEMI", "txtFreebies"};
inline constexpr char strategyCaption[] = "lblStrategyCaption";
inline constexpr char nextStrategy[] = "lblAnalysisID";
inline constexpr char analyseButton[] = "cmdAnalyse";
inline constexpr char addButton[] = "cmdAdd";
inline constexpr char suggestButton[] = "cmdSuggest";
inline constexpr char basicSplit[] = "splitBasicAnalysis";
inline constexpr char baseFrame[] = "fraBasicDetails";
inline constexpr char baseTable[] = "MSFlexGrid1";
inline constexpr char estimatesFrame[] = "Fra_Estimates";
inline constexpr char estimatesTable[] = "MSFG_Seg_Analysis";
inline constexpr char strategiesFrame[] = "fraStrategies";
inline constexpr char valuesTable[] = "MSFG_Analyses";
inline constexpr char flagsTable[] = "MSFG_Flags";
inline constexpr char finalSplit[] = "splitFinalAnalysis";
inline constexpr char comparisonTabs[] = "SSTab2";
inline constexpr char segmentPage[] = "tabSegmentWise";
inline constexpr char featurePage[] = "tabFeatureWise";
inline constexpr char segmentsTable[] = "MSFG_Segments";
inline constexpr char featuresTable[] = "MSFG_Features";
inline constexpr char segmentsChart[] = "MSCH_Segments";
inline constexpr char featuresChart[] = "MSCH_Features";
inline constexpr char saveButton[] = "cmdSave";
inline constexpr char deleteButton[] = "cmdDelete";
inline constexpr char cancelButton[] = "cmdCancel";
inline constexpr char exportCsvButton[] = "cmdExportCsv";
inline constexpr char saveChartButton[] = "cmdSaveCharts";
inline constexpr char reportPdfButton[] = "cmdReportPdf";
inline constexpr char exportExcelButton[] = "cmdExportExcel";
inline constexpr char sensitivityButton[] = "cmdSensitivity";
inline constexpr char sensitivityFrame[] = "fraSensitivity";
inline constexpr char sensitivityFeature[] = "cboSensitivityFeature";
inline constexpr char sensitivitySegment[] = "cboSensitivitySegment";
inline constexpr char sensitivityMargin[] = "spnSensitivityMargin";
inline constexpr char sensitivityVertex[] = "lblSensitivityVertex";
inline constexpr char sensitivityChartButton[] = "cmdSensitivityChart";
inline constexpr char sensitivityCsvButton[] = "cmdSensitivityCsv";
inline constexpr char sensitivityChart[] = "MSCH_Sensitivity";
inline constexpr char whichWinsFrame[] = "fraBeatChance";
inline constexpr char whichWinsFirst[] = "cboBeatA";
inline constexpr char whichWinsSecond[] = "cboBeatB";
inline constexpr char whichWinsChance[] = "lblBeatChance";
inline constexpr char whichWinsMeasure[] = "cboBeatMeasure";
inline constexpr char progressBar[] = "prgForecastTools";
// The tab "Business case": the lender's inputs (a borrowers field per
// segment, "txtBorrowers1" ...), the table and chart of the strategies in
// money, and the brands' effective annual rates.
inline constexpr char businessCasePage[] = "tabBusinessCase";
inline constexpr char businessCaseInputs[] = "fraBusinessCaseInputs";
inline constexpr char borrowersField[] = "txtBorrowers";
inline constexpr char marketSize[] = "txtMarketSize";
inline constexpr char splitMarketButton[] = "cmdSplitMarket";
inline constexpr char averageLoan[] = "txtAverageLoan";
inline constexpr char costOfFunds[] = "txtCostOfFunds";
inline constexpr char acquisitionCost[] = "txtAcquisitionCost";
inline constexpr char saveBusinessCaseButton[] = "cmdSaveBusinessCase";
inline constexpr char businessCaseNote[] = "lblBusinessCaseNote";
inline constexpr char effectiveRates[] = "lblEffectiveRates";
inline constexpr char businessCaseTable[] = "MSFG_BusinessCase";
inline constexpr char businessCaseChart[] = "MSCH_BusinessCase";
// The dialog "Suggest strategies"; its per-feature controls end in the
// feature's number, 1 to 7 ("chkSuggest1", "txtSuggestLow1" ...).
inline constexpr char suggestDialog[] = "dlgSuggest";
inline constexpr char suggestFree[] = "chkSuggest";
inline constexpr char suggestLow[] = "txtSuggestLow";
inline constexpr char suggestHigh[] = "txtSuggestHigh";
inline constexpr char suggestStep[] = "txtSuggestStep";
inline constexpr char suggestSearch[] = "cmdSuggestSearch";
inline constexpr char suggestStop[] = "cmdSuggestStop";
inline constexpr char suggestTake[] = "cmdSuggestTake";
inline constexpr char suggestClose[] = "cmdSuggestClose";
inline constexpr char suggestProgress[] = "prgSuggest";
inline constexpr char suggestNote[] = "lblSuggestNote";
inline constexpr char suggestions[] = "tblSuggestions";
inline constexpr char suggestObjective[] = "cboSuggestObjective";
inline constexpr char suggestObjectiveNote[] = "lblSuggestObjectiveNote";
inline constexpr char paretoView[] = "pltSuggestPareto";
// The dialog that asks which chart to save, and at what size.
inline constexpr char chartDialog[] = "frmChartExport";
inline constexpr char chartChoice[] = "cboChart";
inline constexpr char chartWidth[] = "txtChartWidth";
inline constexpr char chartHeight[] = "txtChartHeight";
inline constexpr char chartButtons[] = "buttonsChartExport";

// ---- specified texts ---------------------------------------------------
LENDORA_ANALYSIS_TEXT(windowCaption, "Analysis for Project %1and Target Audience %2"); // (sic)
LENDORA_ANALYSIS_TEXT(basicTab, "Basic Analysis");
LENDORA_ANALYSIS_TEXT(finalTab, "Final Analsis"); // (sic)
LENDORA_ANALYSIS_TEXT(newAnalysis, "New Analysis");
LENDORA_ANALYSIS_TEXT(newAnalysisFor, "New Analysis for %1");
LENDORA_ANALYSIS_TEXT(strategyNumber, "Strategy #");
LENDORA_ANALYSIS_TEXT(analyse, "Analyse");
LENDORA_ANALYSIS_TEXT(add, "Add");
LENDORA_ANALYSIS_TEXT(save, "Save");
LENDORA_ANALYSIS_TEXT(deleteText, "Delete");
LENDORA_ANALYSIS_TEXT(cancel, "Cancel");
LENDORA_ANALYSIS_TEXT(basicDetails, "Basic Details");
LENDORA_ANALYSIS_TEXT(basicDetailsFor, "Basic Details for %1");
LENDORA_ANALYSIS_TEXT(detailedEstimatesFor, "Detailed Estimates for %1");
LENDORA_ANALYSIS_TEXT(segmentWise, "Segment wise Analysis");
LENDORA_ANALYSIS_TEXT(featureWise, "Feature wise Analysis");
LENDORA_ANALYSIS_TEXT(strategyLabel, "Strategy %1"); // a chart's group of bars

// The captions of the seven entry fields.
inline constexpr Text entryCaptions[] = {
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Interest")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Minimum Eligible Income")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Maximum Loan Value")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Maximum Loan Percentage")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Repayment Period")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "EMI")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Freebies")},
};
// The features as the tables name them.
inline constexpr Text featureNames[] = {
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Interest")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Min. Eligible Income")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Max. Loan Value")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Max. Loan Percentage")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Repayment Period")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "EMI")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Freebies")},
};
// The column labels of the feature chart, the total last.
inline constexpr Text featureChartLabels[] = {
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Interest")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Mn.Elig.Inc")},         // (sic)
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Mx. Loan Value")},      // (sic)
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Mx. Loan Percentage")}, // (sic)
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Repayment Period")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "EMI")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Freebies")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Totals")},
};
// The headings of the base table.
inline constexpr Text baseHeadings[] = {
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Names")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Brand")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Market Share")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Interest")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Min.Eligible Income")}, // (sic)
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Max. Loan Value")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Max. Loan Percentage")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Repayment Period")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "EMI")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Freebies")},
};
LENDORA_ANALYSIS_TEXT(strategyId, "Strategy ID");
LENDORA_ANALYSIS_TEXT(id, "ID");
LENDORA_ANALYSIS_TEXT(totals, "Totals");

// Messages.
LENDORA_ANALYSIS_TEXT(noChangeMessage,
                      "Change at least one value for a new analysis. \r\n"
                      "This is not a new Analysis."); // (sic)
LENDORA_ANALYSIS_TEXT(strategyExistsMessage, "This feature strategy already exists");
LENDORA_ANALYSIS_TEXT(
    deleteQuestion,
    "Deleting cannot be undone.Do still you want to delete this strategy?"); // (sic)
LENDORA_ANALYSIS_TEXT(noAnalysisMessage, "No Analysis available");
LENDORA_ANALYSIS_TEXT(
    deletionNotSavedMessage,
    "This deletion has not yet been saved.To save the deletion, click the 'Save' button"); // (sic)

// The Guru's text on the window: eight texts joined directly.
inline constexpr Text aboutAnalysis[] = {
    {QT_TRANSLATE_NOOP("AnalysisWindow",
                       "Analysis form uses standard statistical forecasting process to estimate "
                       "the change in the number of respondents likely to opt for your product.")},
    {QT_TRANSLATE_NOOP("AnalysisWindow",
                       "All saved anlaysis for this Project Plan are shown in the 'New Analysis' "
                       "table.")}, // (sic)
    {QT_TRANSLATE_NOOP("AnalysisWindow",
                       "You can start a new analysis by altering the values of any feature in the "
                       "fields in the 'New Analysis' frame.")},
    {QT_TRANSLATE_NOOP("AnalysisWindow",
                       "Start with the 'Interest' field. Enter a new value and click 'Enter' on "
                       "your keyboard. If you do not want to change the value, click 'Enter' on "
                       "your keyboard. ")},
    {QT_TRANSLATE_NOOP("AnalysisWindow", "Proceed in th same way with every field.")}, // (sic)
    {QT_TRANSLATE_NOOP("AnalysisWindow",
                       "EMI field will update itself based on the values for Interest, Maximum "
                       "Loan Value and Repayment Period.")},
    {QT_TRANSLATE_NOOP("AnalysisWindow",
                       "Once you have clicked 'Enter' (on the keyboard), from the 'Freebies' "
                       "field, the 'Analysis' button on the form will become enabled.")},
    {QT_TRANSLATE_NOOP("AnalysisWindow",
                       "Click on the 'Analysis' button to view the deatiled estimate for the new "
                       "analysis, in the 'Detaieled Estimates' table.Your new analysis will be "
                       "added as a new strategy. By going to the 'Final Analysis' tab, you can "
                       "have a comparision of all the strategies evoloved.")}, // (sic)
};

#undef LENDORA_ANALYSIS_TEXT

// All texts of a list, translated.
template <size_t N>
QStringList texts(const Text (&list)[N]) {
    QStringList all;
    for (const Text& text : list)
        all << text();
    return all;
}

} // namespace lendora::analysis::names
