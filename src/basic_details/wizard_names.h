#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

// The objectNames and texts of the eleven step windows of the Basic Details
// wizard. Tests and the road's transcripts find the windows, fields and
// buttons by these names; users know the steps by their texts: they stay
// exactly as they are. The captions, labels and messages that name what the
// user typed are composed in the core (basic_details/wizard_steps.h), so the
// table lives here.
// Deliberate, and never to be corrected:
//   - the names "TXTbRAND_1", "TXTbRAND_2" and "LBLbRAND_2" (and "lblBrand_1"
//     beside them), and the labels "lblMktShare_0" to "_2" on every number
//     step, whatever the step is about;
//   - "Proejct #" on step 1, and the captions "Minimum Elilgiblee Income"
//     and "Maximym Loan Value";
//   - "Brand namse" in step 3's caption, "Repament Period" in step 9's
//     labels, and the two blanks before the brand in the EMI and freebies
//     labels;
//   - "s' " after a competitor's brand in the labels of steps 4 and 5;
//   - "Minimm" in the minimum income's message, and the commas of "in
//     Months, for" and "of freebies, for".
// The Guru's texts are in basic_details/wizard_guru.h.
// Texts are translation sources: text() gives the translation, or the text
// itself.
namespace lendora::wizard::names {

inline constexpr char context[] = "BasicDetailsWizard";

inline QString text(const char* source) {
    return QCoreApplication::translate(context, source);
}

// A step window: its name and caption, its fields and the labels beside
// them (objectName and the text the window is built with; steps 3 to 11 set
// their labels' texts when the step is entered).
struct StepNames {
    const char* window;
    const char* caption;
    std::array<const char*, 3> fields;
    std::array<const char*, 3> labels;
    std::array<const char*, 3> labelTexts;
};

inline constexpr std::array<const char*, 3> brandLabels = {"lblMktShare_0", "lblMktShare_1",
                                                           "lblMktShare_2"};
inline constexpr std::array<const char*, 3> noTexts = {"", "", ""};

// Steps 1 to 11.
inline constexpr StepNames steps[] = {
    {"frmNewProject",
     QT_TRANSLATE_NOOP("BasicDetailsWizard", "New Project"),
     {"txtProjectName", "txtProductName", "txtBrandName"},
     {"Label2", "Label3", "Label4"},
     {QT_TRANSLATE_NOOP("BasicDetailsWizard", "Project Name"),
      QT_TRANSLATE_NOOP("BasicDetailsWizard", "Product Name"),
      QT_TRANSLATE_NOOP("BasicDetailsWizard", "Brand Name")}},
    {"frmCompetitors",
     QT_TRANSLATE_NOOP("BasicDetailsWizard", "Competitors"),
     {"txtComp_1", "txtComp_2", nullptr},
     {"Label1", "Label2", nullptr},
     {QT_TRANSLATE_NOOP("BasicDetailsWizard", "Competitor #1"),
      QT_TRANSLATE_NOOP("BasicDetailsWizard", "Competitor #2"), ""}},
    {"frmBrandNames",
     QT_TRANSLATE_NOOP("BasicDetailsWizard", "Brand Names"),
     {"TXTbRAND_1", "TXTbRAND_2", nullptr}, // (sic)
     {"lblBrand_1", "LBLbRAND_2", nullptr}, // (sic)
     noTexts},
    {"frmMarketShare",
     QT_TRANSLATE_NOOP("BasicDetailsWizard", "Market Shares"),
     {"txtMktShare_0", "txtMktShare_1", "txtMktShare_2"},
     brandLabels,
     noTexts},
    {"frmInterest",
     QT_TRANSLATE_NOOP("BasicDetailsWizard", "Rate Of Interest"),
     {"txtInterest_0", "txtInterest_1", "txtInterest_2"},
     brandLabels,
     noTexts},
    {"frmMEI",
     QT_TRANSLATE_NOOP("BasicDetailsWizard", "Minimum Elilgiblee Income"), // (sic)
     {"txtMEI_0", "txtMEI_1", "txtMEI_2"},
     brandLabels,
     noTexts},
    {"frmMLV",
     QT_TRANSLATE_NOOP("BasicDetailsWizard", "Maximym Loan Value"), // (sic)
     {"txtMLV_0", "txtMLV_1", "txtMLV_2"},
     brandLabels,
     noTexts},
    {"frmMLP",
     QT_TRANSLATE_NOOP("BasicDetailsWizard", "Maximum Loan Percentage"),
     {"txtMLP_0", "txtMLP_1", "txtMLP_2"},
     brandLabels,
     noTexts},
    {"frmRepaymentPeriod",
     QT_TRANSLATE_NOOP("BasicDetailsWizard", "Repayment Period"),
     {"txtRP_0", "txtRP_1", "txtRP_2"},
     brandLabels,
     noTexts},
    {"frmEMI",
     QT_TRANSLATE_NOOP("BasicDetailsWizard", "EMI"),
     {"txtEMI_0", "txtEMI_1", "txtEMI_2"},
     brandLabels,
     noTexts},
    {"frmFreebies",
     QT_TRANSLATE_NOOP("BasicDetailsWizard", "Freebies"),
     {"txtFreebies_0", "txtFreebies_1", "txtFreebies_2"},
     brandLabels,
     noTexts},
};

// Step 1's project number and its caption.
inline constexpr char projectNumberCaption[] = "Label1";
inline constexpr char projectNumber[] = "lblProjectID";
inline constexpr const char* projectNumberText =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Proejct #"); // (sic)

// The buttons: objectName and text.
struct Button {
    const char* name;
    const char* text;
};
inline constexpr Button backButton = {"cmdBack", QT_TRANSLATE_NOOP("BasicDetailsWizard", "Back")};
inline constexpr Button nextButton = {"cmdNext", QT_TRANSLATE_NOOP("BasicDetailsWizard", "Next")};
inline constexpr Button finishButton = {"cmdFinish",
                                        QT_TRANSLATE_NOOP("BasicDetailsWizard", "Finish")};
inline constexpr Button saveButton = {"cmdSave", QT_TRANSLATE_NOOP("BasicDetailsWizard", "Save")};

// The captions set when steps 2 to 5 are entered, followed by the project's
// name.
inline constexpr const char* competitorsFor =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Competitors for ");
inline constexpr const char* brandNamesFor =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Competitors' Brand namse for "); // (sic)
inline constexpr const char* marketSharesFor =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Market Shares for ");
inline constexpr const char* interestFor =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Rate of Interest for ");

// The labels set when steps 3 to 11 are entered. Step 3: a competitor's
// name followed by this.
inline constexpr const char* brandNameOf =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "'s Brand name:");
// Steps 4 and 5: the own brand followed by the first text, each
// competitor's brand by the second.
inline constexpr const char* ownMarketShare =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "'s Market Share");
inline constexpr const char* competitorMarketShare =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "s' Market Share"); // (sic)
inline constexpr const char* ownInterest =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "'s Rate of Interest");
inline constexpr const char* competitorInterest =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "s' Rate of Interest"); // (sic)
// Steps 6 to 11, followed by each brand.
inline constexpr const char* incomeFor =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Minimum Eligible Income for ");
inline constexpr const char* loanValueFor =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Maximum Loan Value for ");
inline constexpr const char* loanPercentageFor =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Maximum Loan Percentage for ");
inline constexpr const char* repaymentFor =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Repament Period in Months for "); // (sic)
inline constexpr const char* emiOf =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Value of EMI  "); // (sic)
inline constexpr const char* freebiesOf =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Value of freebies  "); // (sic)

// The messages that refuse a field. Step 1: the project name, then the
// product and the brand, followed by the project's name.
inline constexpr const char* noProjectName =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter a Name for the new project");
inline constexpr const char* noProductName =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter the Product name for ");
inline constexpr const char* noBrandName =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter the Brand name for ");
// Step 2, followed by the project's name.
inline constexpr const char* noFirstCompetitor =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter the name of the first competitor for ");
inline constexpr const char* noSecondCompetitor =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter the name of the second competitor for ");
// Step 3, followed by the competitor's name.
inline constexpr const char* noCompetitorBrand =
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter brand name for ");
// Steps 4 to 11, followed by the column's brand.
inline constexpr const char* numberRefusals[] = {
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter Market Share for "),
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter rate of Interest in % for "),
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter Minimm Eligible Income for "), // (sic)
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter Maximum Loan Value for "),
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter Maximum Loan Percentage for "),
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter Repayment Period in Months, for "), // (sic)
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter EMI for "),
    QT_TRANSLATE_NOOP("BasicDetailsWizard", "Enter value of freebies, for "), // (sic)
};

} // namespace lendora::wizard::names
