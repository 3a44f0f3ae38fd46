#pragma once

#include <QString>

// The Guru texts of the Basic Details wizard, one composer per text, named
// by its step and moment: entering a field for the own brand ("...Own") or a
// competitor's ("...Competitor1"), after the step's last field ("...Next"),
// and on Back ("...Back"). Names are inserted as typed; values of number
// fields are passed as the field texts and shown as their leading number in
// shortest form (a field holding "12.50" shows 12.5). Line breaks are CR LF.
// The texts are translation sources (context "WizardGuru") and keep their
// spelling exactly as users and tests know it, misspellings included
// ("comlicates", "enterin", "Enteron", "keboard", "vaule", "thruogh",
// "Vaules", "Equeal", "calulated", "Incase", the missing blanks in "...
// 2012.You", "Now,enter", "Now,you" and before "for " and "or ", and the
// two blanks after "availing").
namespace lendora::guru {

// The number of a number field as the Guru shows it.
QString fieldNumber(const QString& fieldText);

// Step 1: the names of the project, the product and its brand.
QString firstStep();
QString projectName(int projectNumber);
QString productName();
QString brandName(const QString& productName);
QString namesNext();

// Step 2: the competitors.
QString firstCompetitor();
QString secondCompetitor(const QString& competitor1);
QString competitorsNext();
QString competitorsBack();

// Step 3: the competitors' brands.
QString firstCompetitorBrand(const QString& productName, const QString& competitor1);
QString secondCompetitorBrand(const QString& competitor2);
QString competitorBrandsNext(const QString& competitor1, const QString& competitor2);
QString competitorBrandsBack();

// Step 4: market shares.
QString marketShareOwn(const QString& ownBrand, const QString& competitor1,
                       const QString& competitor1Brand, const QString& competitor2,
                       const QString& competitor2Brand);
QString marketShareCompetitor1(const QString& competitor1Brand);
QString marketShareCompetitor2(const QString& competitor2Brand);
QString marketShareNext();
QString marketShareBack(const QString& ownBrand, const QString& competitor1Brand,
                        const QString& competitor2Brand);

// Step 5: rates of interest; Back names the market share fields.
QString interestOwn(const QString& ownBrand);
QString interestCompetitor1(const QString& competitor1, const QString& competitor1Brand);
QString interestCompetitor2(const QString& competitor2, const QString& competitor2Brand);
QString interestNext();
QString interestBack(const QString& ownShare, const QString& competitor1Share,
                     const QString& competitor2Share);

// Step 6: minimum eligible income; Back names the interest fields.
QString incomeOwn(const QString& ownBrand);
QString incomeCompetitor1(const QString& competitor1Brand);
QString incomeCompetitor2(const QString& competitor2Brand);
QString incomeNext();
QString incomeBack(const QString& ownInterest, const QString& competitor1Interest,
                   const QString& competitor2Interest);

// Step 7: maximum loan value; Back names the minimum income fields.
QString loanValueOwn(const QString& ownBrand);
QString loanValueCompetitor1(const QString& competitor1Brand);
QString loanValueCompetitor2(const QString& competitor2Brand);
QString loanValueNext();
QString loanValueBack(const QString& ownIncome, const QString& competitor1Income,
                      const QString& competitor2Income);

// Step 8: maximum loan percentage; Back names the loan value fields.
QString loanPercentageOwn(const QString& ownBrand);
QString loanPercentageCompetitor1(const QString& competitor1Brand);
QString loanPercentageCompetitor2(const QString& competitor2Brand);
QString loanPercentageNext();
QString loanPercentageBack(const QString& ownLoanValue, const QString& competitor1LoanValue,
                           const QString& competitor2LoanValue);

// Step 9: repayment period; Back names the loan percentage fields.
QString repaymentOwn(const QString& ownBrand);
QString repaymentCompetitor1(const QString& competitor1Brand);
QString repaymentCompetitor2(const QString& competitor2Brand);
QString repaymentNext();
QString repaymentBack(const QString& ownPercentage, const QString& competitor1Percentage,
                      const QString& competitor2Percentage);

// Step 10: the computed EMIs, as the fields show them.
QString emiComputed(const QString& ownEmi, const QString& competitor1Emi,
                    const QString& competitor2Emi);
QString emiCompetitor1();
QString emiCompetitor2();
QString emiNext();

// Step 11: freebies.
QString freebiesOwn(const QString& ownBrand, const QString& competitor1Brand,
                    const QString& competitor2Brand);
QString freebiesCompetitor1(const QString& competitor1Brand);
QString freebiesCompetitor2(const QString& competitor2Brand);
QString freebiesNext();
QString freebiesBack();

// After Finish.
QString finished(const QString& projectName);

} // namespace lendora::guru
