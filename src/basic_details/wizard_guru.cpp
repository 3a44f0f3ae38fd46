#include "basic_details/wizard_guru.h"

#include "storage/numbers.h"

namespace lendora::guru {

using namespace Qt::StringLiterals;

namespace {
const QString nextButton = u"Now, click the 'Next' Button on the Form"_s;
const QString tab = u"\t"_s;
const QString lineBreak = u"\r\n"_s;
} // namespace

QString fieldNumber(const QString& fieldText) {
    return floatText(float(leadingNumber(fieldText)));
}

QString Guru_NewProject() {
    return u"This is first step in creating a new project."_s;
}

QString Guru_Project_Name(int projectNumber) {
    return u"This is first step in creating a new project."_s + lineBreak +
           u"Now, start by giving a name for the new project. This is project #"_s +
           QString::number(projectNumber);
}

QString Guru_Product_Name() {
    return u"Next, enter the name of the product for which this project is created."_s;
}

QString Guru_Brand_name(const QString& productName) {
    return u"Now, "_s + productName + u" must be having a brand name. Enter this brand name."_s;
}

QString Guru_NewProject_Next() {
    return nextButton;
}

QString Guru_Comp1() {
    return u"At this, stage you have identify your competitors"_s + lineBreak +
           u"Identifying 2 competitors will be enough. Identifying more competitors only "
           u"comlicates your strategy."_s +
           lineBreak + u"Competitors can be identified in two ways - "_s + lineBreak + tab +
           u"1. Your nearest competitor. "_s + lineBreak + tab +
           u"2. The enterprise you have identified as the one whose market you are planning to "
           u"attack"_s +
           lineBreak +
           u"Start by enterin the name of the first competitor. In Lendora 2012, both "
           u"competitors are given equal weightage"_s;
}

QString Guru_Comp2(const QString& competitor1) {
    return u"Now, "_s + competitor1 +
           u" has been named as Competitor 1, enter the name of Competitor 2."_s;
}

QString Guru_Comp_Next() {
    return nextButton;
}

QString Guru_Comp_Back() {
    return u"You can edit the new project details, by typing the details in the respective field "
           u"and pressing Enteron the keyboard."_s;
}

QString Guru_BN1(const QString& productName, const QString& competitor1) {
    return u"Each competitor must be having a brand name for a product similar to "_s +
           productName + u". Enter the brand name for "_s + competitor1 + u"'s product"_s;
}

QString Guru_BN2(const QString& competitor2) {
    return u"Now,enter the brand name for "_s + competitor2 + u"'s product."_s;
}

QString Guru_BN_Next(const QString& competitor1, const QString& competitor2) {
    return u"Now, click the 'Next' Button on the Form."_s + lineBreak +
           u"Incase you want to edit "_s + competitor1 + u" or "_s + competitor2 +
           u" click the 'Back' button on the Form."_s;
}

QString Guru_BN_Back() {
    return u"To edit the competitors' names, Type a new name in the respective field and press "
           u"Enter on the keyboard."_s;
}

QString Guru_MktShare_0(const QString& ownBrand, const QString& competitor1,
                        const QString& competitor1Brand, const QString& competitor2,
                        const QString& competitor2Brand) {
    return u"Each brand name viz. Your brand name-"_s + ownBrand + u", "_s + competitor1 +
           u"'s brand name-"_s + competitor1Brand + u",and "_s + competitor2 + u"'s brand name-"_s +
           competitor2Brand +
           u" enjoy some market share right now. Start by entering the market share for "_s +
           ownBrand;
}

QString Guru_MktShare_1(const QString& competitor1Brand) {
    return u"Now, enter the market share for "_s + competitor1Brand;
}

QString Guru_MktShare_2(const QString& competitor2Brand) {
    return u"Enter the market share for "_s + competitor2Brand;
}

QString Guru_Mkt_Share_next() {
    return nextButton;
}

QString Guru_MkShare_Back(const QString& ownBrand, const QString& competitor1Brand,
                          const QString& competitor2Brand) {
    return u"To edit the brand names "_s + ownBrand + u" or "_s + competitor1Brand + u" or "_s +
           competitor2Brand +
           u" type a new brand name in the respective field. Then press Enter on the keyboard"_s;
}

QString Guru_Interest_0(const QString& ownBrand) {
    return u"Start by entering the interest you charge for "_s + ownBrand +
           u".Please enter the annual interest in percentage."_s + lineBreak +
           u"For example, if the interest is 11.25%, enter 11.25 and press enter."_s;
}

QString Guru_Interest_1(const QString& competitor1, const QString& competitor1Brand) {
    return u"Now, enter the interest "_s + competitor1 + u" is charging for "_s + competitor1Brand;
}

QString Guru_Interest_2(const QString& competitor2, const QString& competitor2Brand) {
    return u"Enter the interest charged by "_s + competitor2 + u"for "_s + competitor2Brand;
}

QString Guru_Interest_Next() {
    return nextButton;
}

QString Guru_Interest_Back(const QString& ownShare, const QString& competitor1Share,
                           const QString& competitor2Share) {
    return u"Now, you can edit "_s + fieldNumber(ownShare) + u" or "_s +
           fieldNumber(competitor1Share) + u"or "_s + fieldNumber(competitor2Share) + u"."_s;
}

QString Guru_MEI_0(const QString& ownBrand) {
    return u"Now, enter the Minimum Eligible Income (Monthly) needed to avail this loan. The "
           u"value to be entered is the monthly income. Divide annual income by 12."_s +
           lineBreak + u"Start by entering the value for "_s + ownBrand + u" and press Enter."_s;
}

QString Guru_MEI_1(const QString& competitor1Brand) {
    return u"Enter the Minimum Eligible Income (Monthly) for "_s + competitor1Brand +
           u" and press Enter."_s;
}

QString Guru_MEI_2(const QString& competitor2Brand) {
    return u"Finally, enter Minimum Eligible Income (Monthly) for "_s + competitor2Brand +
           u" and press Enter."_s;
}

QString Guru_MEI_Next() {
    return nextButton;
}

QString Guru_MEI_Back(const QString& ownInterest, const QString& competitor1Interest,
                      const QString& competitor2Interest) {
    return u"Now, to edit the Interest values "_s + fieldNumber(ownInterest) + u" or "_s +
           fieldNumber(competitor1Interest) + u" or "_s + fieldNumber(competitor2Interest) +
           u" click inside the respective field and type a new value for interest. Then Press "
           u"Enter on the keboard."_s +
           u" and press Enter."_s;
}

QString Guru_MLV_0(const QString& ownBrand) {
    return u"Maximum Loan Value is the actual amount available through loan/credit."_s +
           u" For example, the Maximum Loan Value that can be availed through "_s + ownBrand +
           u" is say 150000, enter the value 150000 in the field for "_s + ownBrand + u"."_s +
           u" Currency symbol has not been included in the design. So, please do not add any "
           u"currency symbol."_s;
}

QString Guru_MLV_1(const QString& competitor1Brand) {
    return u"Enter the Maximum Loan Value for "_s + competitor1Brand + u"."_s;
}

QString Guru_MLV_2(const QString& competitor2Brand) {
    return u"Enter the Maximum Loan Value for "_s + competitor2Brand + u"."_s;
}

QString Guru_MLV_Next() {
    return nextButton;
}

QString Guru_MLV_ack(const QString& ownIncome, const QString& competitor1Income,
                     const QString& competitor2Income) {
    return u"Now, to edit "_s + fieldNumber(ownIncome) + u" or "_s +
           fieldNumber(competitor1Income) + u" or "_s + fieldNumber(competitor2Income) +
           u" click inside the respective field and type a new value. Then press Enter on the "
           u"keyboard."_s;
}

QString Guru_MLP_0(const QString& ownBrand) {
    return u"Maximum Loan percentage is the percentage vaule of the product/service the customer "
           u"will avail thruogh your loan."_s +
           u" For example, if the customer can get a maximum of 85% of the product value by "
           u"availing "_s +
           u" then, enter 85 in the field for "_s + ownBrand + u","_s;
}

QString Guru_MLP_1(const QString& competitor1Brand) {
    return u"Now, enter the Maximum Percentage value for "_s + competitor1Brand + u"."_s;
}

QString Guru_MLP_2(const QString& competitor2Brand) {
    return u"Last, enter the Maximum Percentage value for "_s + competitor2Brand + u"."_s;
}

QString Guru_MLP_Next() {
    return nextButton;
}

QString Guru_MLP_Back(const QString& ownLoanValue, const QString& competitor1LoanValue,
                      const QString& competitor2LoanValue) {
    return u"Now,you can edit Maximum Loan Vaules "_s + fieldNumber(ownLoanValue) + u", "_s +
           fieldNumber(competitor1LoanValue) + u" and "_s + fieldNumber(competitor2LoanValue) +
           u". Click on the field you want to edit and proceed to type in a new value. Then "
           u"press Enter on the keyboard."_s;
}

QString Guru_RP_0(const QString& ownBrand) {
    return u"Now, enter the repayment period (in months) for "_s + ownBrand + u"."_s +
           u" For example, if the repayment period for "_s + ownBrand +
           u" is 48 months, enter 48 in the field for "_s + ownBrand + u"."_s;
}

QString Guru_RP_1(const QString& competitor1Brand) {
    return u"Enter the repayment period (in months) for "_s + competitor1Brand +
           u". And click 'Next' button on the form."_s;
}

QString Guru_RP_2(const QString& competitor2Brand) {
    return u"Enter the repayment period for "_s + competitor2Brand + u"."_s;
}

QString Guru_RP_Next() {
    return nextButton;
}

QString Guru_Back(const QString& ownPercentage, const QString& competitor1Percentage,
                  const QString& competitor2Percentage) {
    return u"To edit "_s + fieldNumber(ownPercentage) + u"or "_s +
           fieldNumber(competitor1Percentage) + u"or "_s + fieldNumber(competitor2Percentage) +
           u", enter a new value in the respective fields and click the 'Next' button on the "
           u"Form."_s;
}

QString Guru_EMI_0(const QString& ownEmi, const QString& competitor1Emi,
                   const QString& competitor2Emi) {
    return u"The Equeal Monthly Installments (EMI), "_s + ownEmi + u", "_s + competitor1Emi +
           u" and "_s + competitor2Emi +
           u" have been calulated by Lendora 2012.You can proceed to the final step by clicking "
           u"the 'Next' button on the form."_s +
           u" In case you want to edit the EMI value, you have to edit either one or more of the "
           u"following-"_s +
           lineBreak + u"1) Repayment Period"_s + lineBreak + u"2) Maximum Loan Value"_s +
           lineBreak + u"3) Rate of Interest"_s + lineBreak +
           u"This can be done by going back step by step. Start by clicking the 'Back' button on "
           u"the form."_s;
}

QString Guru_EMI_1() {
    return {};
}

QString Guru_EMI_2() {
    return {};
}

QString Guru_EMI_Next() {
    return nextButton;
}

QString Guru_FR_0(const QString& ownBrand, const QString& competitor1Brand,
                  const QString& competitor2Brand) {
    return u"Enter the value of freebies that come along with "_s + ownBrand + u", "_s +
           competitor1Brand + u" and "_s + competitor2Brand + u"."_s +
           u"Start by entering value of freebies for "_s + ownBrand + u"."_s;
}

QString Guru_FR_1(const QString& competitor1Brand) {
    return u"Now,continue by entering value of freebies for "_s + competitor1Brand + u"."_s;
}

QString Guru_FR_2(const QString& competitor2Brand) {
    return u"Now, enter value of freebies for "_s + competitor2Brand + u"."_s;
}

QString Guru_Fr_next() {
    return u"Now, click the 'Finish' Button on the Form, to finish the process.Incase you want to "
           u"edit EMI on an after thought, click 'Back' button on the form."_s;
}

QString Guru_Back() {
    return u"You can now edit the repayment values."_s;
}

QString Guru_Finish(const QString& projectName) {
    return u"All details pertaining to "_s + projectName +
           u" are displayed in the Project Details window."_s;
}

} // namespace lendora::guru
