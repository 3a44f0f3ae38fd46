#pragma once

#include <QString>

// The Guru texts of the Basic Details wizard, one composer per Guru
// procedure, named after it. Names are inserted as typed; values of number
// fields are passed as the field texts and shown as their leading number in
// shortest form (a field holding "12.50" shows 12.5). Line breaks are CR LF.
namespace lendora::guru {

// The number of a number field as the Guru shows it.
QString fieldNumber(const QString& fieldText);

// Step 1: the names of the project, the product and its brand.
QString Guru_NewProject();
QString Guru_Project_Name(int projectNumber);
QString Guru_Product_Name();
QString Guru_Brand_name(const QString& productName);
QString Guru_NewProject_Next();

// Step 2: the competitors.
QString Guru_Comp1();
QString Guru_Comp2(const QString& competitor1);
QString Guru_Comp_Next();
QString Guru_Comp_Back();

// Step 3: the competitors' brands.
QString Guru_BN1(const QString& productName, const QString& competitor1);
QString Guru_BN2(const QString& competitor2);
QString Guru_BN_Next(const QString& competitor1, const QString& competitor2);
QString Guru_BN_Back();

// Step 4: market shares.
QString Guru_MktShare_0(const QString& ownBrand, const QString& competitor1,
                        const QString& competitor1Brand, const QString& competitor2,
                        const QString& competitor2Brand);
QString Guru_MktShare_1(const QString& competitor1Brand);
QString Guru_MktShare_2(const QString& competitor2Brand);
QString Guru_Mkt_Share_next();
QString Guru_MkShare_Back(const QString& ownBrand, const QString& competitor1Brand,
                          const QString& competitor2Brand);

// Step 5: rates of interest; Back names the market share fields.
QString Guru_Interest_0(const QString& ownBrand);
QString Guru_Interest_1(const QString& competitor1, const QString& competitor1Brand);
QString Guru_Interest_2(const QString& competitor2, const QString& competitor2Brand);
QString Guru_Interest_Next();
QString Guru_Interest_Back(const QString& ownShare, const QString& competitor1Share,
                           const QString& competitor2Share);

// Step 6: minimum eligible income; Back names the interest fields.
QString Guru_MEI_0(const QString& ownBrand);
QString Guru_MEI_1(const QString& competitor1Brand);
QString Guru_MEI_2(const QString& competitor2Brand);
QString Guru_MEI_Next();
QString Guru_MEI_Back(const QString& ownInterest, const QString& competitor1Interest,
                      const QString& competitor2Interest);

// Step 7: maximum loan value; Back names the minimum income fields.
QString Guru_MLV_0(const QString& ownBrand);
QString Guru_MLV_1(const QString& competitor1Brand);
QString Guru_MLV_2(const QString& competitor2Brand);
QString Guru_MLV_Next();
QString Guru_MLV_ack(const QString& ownIncome, const QString& competitor1Income,
                     const QString& competitor2Income);

// Step 8: maximum loan percentage; Back names the loan value fields.
QString Guru_MLP_0(const QString& ownBrand);
QString Guru_MLP_1(const QString& competitor1Brand);
QString Guru_MLP_2(const QString& competitor2Brand);
QString Guru_MLP_Next();
QString Guru_MLP_Back(const QString& ownLoanValue, const QString& competitor1LoanValue,
                      const QString& competitor2LoanValue);

// Step 9: repayment period; Back names the loan percentage fields.
QString Guru_RP_0(const QString& ownBrand);
QString Guru_RP_1(const QString& competitor1Brand);
QString Guru_RP_2(const QString& competitor2Brand);
QString Guru_RP_Next();
QString Guru_Back(const QString& ownPercentage, const QString& competitor1Percentage,
                  const QString& competitor2Percentage);

// Step 10: the computed EMIs, as the fields show them.
QString Guru_EMI_0(const QString& ownEmi, const QString& competitor1Emi,
                   const QString& competitor2Emi);
QString Guru_EMI_1();
QString Guru_EMI_2();
QString Guru_EMI_Next();

// Step 11: freebies; Back of step 11 has its own text of the same name.
QString Guru_FR_0(const QString& ownBrand, const QString& competitor1Brand,
                  const QString& competitor2Brand);
QString Guru_FR_1(const QString& competitor1Brand);
QString Guru_FR_2(const QString& competitor2Brand);
QString Guru_Fr_next();
QString Guru_Back();

// After Finish.
QString Guru_Finish(const QString& projectName);

} // namespace lendora::guru
