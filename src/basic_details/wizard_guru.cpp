#include "basic_details/wizard_guru.h"

#include "storage/numbers.h"

#include <QCoreApplication>

namespace lendora::guru {

namespace {
// A text of the Guru: the translation of its source, or the source itself.
// Names and values are inserted by arg() in one pass, so a name holding
// "%1" is shown as typed.
QString text(const char* source) {
    return QCoreApplication::translate("WizardGuru", source);
}
} // namespace

QString fieldNumber(const QString& fieldText) {
    return floatText(float(leadingNumber(fieldText)));
}

QString firstStep() {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "This is first step in creating a new project."));
}

QString projectName(int projectNumber) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "This is first step in creating a new project.\r\nNow, start by "
                                  "giving a name for the new project. This is project #%1"))
        .arg(QString::number(projectNumber));
}

QString productName() {
    return text(QT_TRANSLATE_NOOP(
        "WizardGuru", "Next, enter the name of the product for which this project is created."));
}

QString brandName(const QString& productName) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "Now, %1 must be having a brand name. Enter this brand name."))
        .arg(productName);
}

QString namesNext() {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, click the 'Next' Button on the Form"));
}

QString firstCompetitor() {
    return text(QT_TRANSLATE_NOOP(
        "WizardGuru",
        "At this, stage you have identify your competitors\r\nIdentifying 2 competitors will be "
        "enough. Identifying more competitors only comlicates your strategy.\r\nCompetitors can be "
        "identified in two ways - \r\n\t1. Your nearest competitor. \r\n\t2. The enterprise you "
        "have identified as the one whose market you are planning to attack\r\nStart by enterin "
        "the name of the first competitor. In Lendora 2012, both competitors are given equal "
        "weightage"));
}

QString secondCompetitor(const QString& competitor1) {
    return text(QT_TRANSLATE_NOOP(
                    "WizardGuru",
                    "Now, %1 has been named as Competitor 1, enter the name of Competitor 2."))
        .arg(competitor1);
}

QString competitorsNext() {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, click the 'Next' Button on the Form"));
}

QString competitorsBack() {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "You can edit the new project details, by typing the details in "
                                  "the respective field and pressing Enteron the keyboard."));
}

QString firstCompetitorBrand(const QString& productName, const QString& competitor1) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "Each competitor must be having a brand name for a product "
                                  "similar to %1. Enter the brand name for %2's product"))
        .arg(productName, competitor1);
}

QString secondCompetitorBrand(const QString& competitor2) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now,enter the brand name for %1's product."))
        .arg(competitor2);
}

QString competitorBrandsNext(const QString& competitor1, const QString& competitor2) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "Now, click the 'Next' Button on the Form.\r\nIncase you want to "
                                  "edit %1 or %2 click the 'Back' button on the Form."))
        .arg(competitor1, competitor2);
}

QString competitorBrandsBack() {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "To edit the competitors' names, Type a new name in the "
                                  "respective field and press Enter on the keyboard."));
}

QString marketShareOwn(const QString& ownBrand, const QString& competitor1,
                       const QString& competitor1Brand, const QString& competitor2,
                       const QString& competitor2Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "Each brand name viz. Your brand name-%1, %2's brand name-%3,and "
                                  "%4's brand name-%5 enjoy some market share right now. Start by "
                                  "entering the market share for %1"))
        .arg(ownBrand, competitor1, competitor1Brand, competitor2, competitor2Brand);
}

QString marketShareCompetitor1(const QString& competitor1Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, enter the market share for %1"))
        .arg(competitor1Brand);
}

QString marketShareCompetitor2(const QString& competitor2Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Enter the market share for %1"))
        .arg(competitor2Brand);
}

QString marketShareNext() {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, click the 'Next' Button on the Form"));
}

QString marketShareBack(const QString& ownBrand, const QString& competitor1Brand,
                        const QString& competitor2Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "To edit the brand names %1 or %2 or %3 type a new brand name in "
                                  "the respective field. Then press Enter on the keyboard"))
        .arg(ownBrand, competitor1Brand, competitor2Brand);
}

QString interestOwn(const QString& ownBrand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "Start by entering the interest you charge for %1.Please enter "
                                  "the annual interest in percentage.\r\nFor example, if the "
                                  "interest is 11.25%, enter 11.25 and press enter."))
        .arg(ownBrand);
}

QString interestCompetitor1(const QString& competitor1, const QString& competitor1Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, enter the interest %1 is charging for %2"))
        .arg(competitor1, competitor1Brand);
}

QString interestCompetitor2(const QString& competitor2, const QString& competitor2Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Enter the interest charged by %1for %2"))
        .arg(competitor2, competitor2Brand);
}

QString interestNext() {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, click the 'Next' Button on the Form"));
}

QString interestBack(const QString& ownShare, const QString& competitor1Share,
                     const QString& competitor2Share) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, you can edit %1 or %2or %3."))
        .arg(fieldNumber(ownShare), fieldNumber(competitor1Share), fieldNumber(competitor2Share));
}

QString incomeOwn(const QString& ownBrand) {
    return text(QT_TRANSLATE_NOOP(
                    "WizardGuru",
                    "Now, enter the Minimum Eligible Income (Monthly) needed to avail this loan. "
                    "The value to be entered is the monthly income. Divide annual income by "
                    "12.\r\nStart by entering the value for %1 and press Enter."))
        .arg(ownBrand);
}

QString incomeCompetitor1(const QString& competitor1Brand) {
    return text(QT_TRANSLATE_NOOP(
                    "WizardGuru",
                    "Enter the Minimum Eligible Income (Monthly) for %1 and press Enter."))
        .arg(competitor1Brand);
}

QString incomeCompetitor2(const QString& competitor2Brand) {
    return text(QT_TRANSLATE_NOOP(
                    "WizardGuru",
                    "Finally, enter Minimum Eligible Income (Monthly) for %1 and press Enter."))
        .arg(competitor2Brand);
}

QString incomeNext() {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, click the 'Next' Button on the Form"));
}

QString incomeBack(const QString& ownInterest, const QString& competitor1Interest,
                   const QString& competitor2Interest) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "Now, to edit the Interest values %1 or %2 or %3 click inside "
                                  "the respective field and type a new value for interest. Then "
                                  "Press Enter on the keboard. and press Enter."))
        .arg(fieldNumber(ownInterest), fieldNumber(competitor1Interest),
             fieldNumber(competitor2Interest));
}

QString loanValueOwn(const QString& ownBrand) {
    return text(QT_TRANSLATE_NOOP(
                    "WizardGuru",
                    "Maximum Loan Value is the actual amount available through loan/credit. For "
                    "example, the Maximum Loan Value that can be availed through %1 is say 150000, "
                    "enter the value 150000 in the field for %1. Currency symbol has not been "
                    "included in the design. So, please do not add any currency symbol."))
        .arg(ownBrand);
}

QString loanValueCompetitor1(const QString& competitor1Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Enter the Maximum Loan Value for %1."))
        .arg(competitor1Brand);
}

QString loanValueCompetitor2(const QString& competitor2Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Enter the Maximum Loan Value for %1."))
        .arg(competitor2Brand);
}

QString loanValueNext() {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, click the 'Next' Button on the Form"));
}

QString loanValueBack(const QString& ownIncome, const QString& competitor1Income,
                      const QString& competitor2Income) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "Now, to edit %1 or %2 or %3 click inside the respective field "
                                  "and type a new value. Then press Enter on the keyboard."))
        .arg(fieldNumber(ownIncome), fieldNumber(competitor1Income),
             fieldNumber(competitor2Income));
}

QString loanPercentageOwn(const QString& ownBrand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "Maximum Loan percentage is the percentage vaule of the "
                                  "product/service the customer will avail thruogh your loan. For "
                                  "example, if the customer can get a maximum of 85% of the "
                                  "product value by availing  then, enter 85 in the field for %1,"))
        .arg(ownBrand);
}

QString loanPercentageCompetitor1(const QString& competitor1Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, enter the Maximum Percentage value for %1."))
        .arg(competitor1Brand);
}

QString loanPercentageCompetitor2(const QString& competitor2Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Last, enter the Maximum Percentage value for %1."))
        .arg(competitor2Brand);
}

QString loanPercentageNext() {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, click the 'Next' Button on the Form"));
}

QString loanPercentageBack(const QString& ownLoanValue, const QString& competitor1LoanValue,
                           const QString& competitor2LoanValue) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "Now,you can edit Maximum Loan Vaules %1, %2 and %3. Click on "
                                  "the field you want to edit and proceed to type in a new value. "
                                  "Then press Enter on the keyboard."))
        .arg(fieldNumber(ownLoanValue), fieldNumber(competitor1LoanValue),
             fieldNumber(competitor2LoanValue));
}

QString repaymentOwn(const QString& ownBrand) {
    return text(QT_TRANSLATE_NOOP(
                    "WizardGuru",
                    "Now, enter the repayment period (in months) for %1. For example, if the "
                    "repayment period for %1 is 48 months, enter 48 in the field for %1."))
        .arg(ownBrand);
}

QString repaymentCompetitor1(const QString& competitor1Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Enter the repayment period (in months) for %1. "
                                                "And click 'Next' button on the form."))
        .arg(competitor1Brand);
}

QString repaymentCompetitor2(const QString& competitor2Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Enter the repayment period for %1."))
        .arg(competitor2Brand);
}

QString repaymentNext() {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, click the 'Next' Button on the Form"));
}

QString repaymentBack(const QString& ownPercentage, const QString& competitor1Percentage,
                      const QString& competitor2Percentage) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "To edit %1or %2or %3, enter a new value in the respective "
                                  "fields and click the 'Next' button on the Form."))
        .arg(fieldNumber(ownPercentage), fieldNumber(competitor1Percentage),
             fieldNumber(competitor2Percentage));
}

QString emiComputed(const QString& ownEmi, const QString& competitor1Emi,
                    const QString& competitor2Emi) {
    return text(QT_TRANSLATE_NOOP(
                    "WizardGuru",
                    "The Equeal Monthly Installments (EMI), %1, %2 and %3 have been calulated by "
                    "Lendora 2012.You can proceed to the final step by clicking the 'Next' button "
                    "on the form. In case you want to edit the EMI value, you have to edit either "
                    "one or more of the following-\r\n1) Repayment Period\r\n2) Maximum Loan "
                    "Value\r\n3) Rate of Interest\r\nThis can be done by going back step by step. "
                    "Start by clicking the 'Back' button on the form."))
        .arg(ownEmi, competitor1Emi, competitor2Emi);
}

QString emiCompetitor1() {
    return {};
}

QString emiCompetitor2() {
    return {};
}

QString emiNext() {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, click the 'Next' Button on the Form"));
}

QString freebiesOwn(const QString& ownBrand, const QString& competitor1Brand,
                    const QString& competitor2Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "Enter the value of freebies that come along with %1, %2 and "
                                  "%3.Start by entering value of freebies for %1."))
        .arg(ownBrand, competitor1Brand, competitor2Brand);
}

QString freebiesCompetitor1(const QString& competitor1Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru",
                                  "Now,continue by entering value of freebies for %1."))
        .arg(competitor1Brand);
}

QString freebiesCompetitor2(const QString& competitor2Brand) {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "Now, enter value of freebies for %1."))
        .arg(competitor2Brand);
}

QString freebiesNext() {
    return text(QT_TRANSLATE_NOOP(
        "WizardGuru",
        "Now, click the 'Finish' Button on the Form, to finish the process.Incase you want to edit "
        "EMI on an after thought, click 'Back' button on the form."));
}

QString freebiesBack() {
    return text(QT_TRANSLATE_NOOP("WizardGuru", "You can now edit the repayment values."));
}

QString finished(const QString& projectName) {
    return text(QT_TRANSLATE_NOOP(
                    "WizardGuru",
                    "All details pertaining to %1 are displayed in the Project Details window."))
        .arg(projectName);
}

} // namespace lendora::guru
