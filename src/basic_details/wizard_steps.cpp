#include "basic_details/wizard_steps.h"

#include "basic_details/wizard_guru.h"
#include "storage/numbers.h"

#include <algorithm>

namespace lendora::wizard {

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<const char*, 3> brandLabels = {"lblMktShare_0", "lblMktShare_1",
                                                    "lblMktShare_2"};
constexpr std::array<const char*, 3> noTexts = {"", "", ""};

const std::array<StepInfo, stepCount> steps = {{
    {"frmNewProject",
     "New Project",
     3,
     {"txtProjectName", "txtProductName", "txtBrandName"},
     {"Label2", "Label3", "Label4"},
     {"Project Name", "Product Name", "Brand Name"},
     FieldKind::name,
     1},
    {"frmCompetitors",
     "Competitors",
     2,
     {"txtComp_1", "txtComp_2", nullptr},
     {"Label1", "Label2", nullptr},
     {"Competitor #1", "Competitor #2", ""},
     FieldKind::name,
     4},
    {"frmBrandNames",
     "Brand Names",
     2,
     {"TXTbRAND_1", "TXTbRAND_2", nullptr},
     {"lblBrand_1", "LBLbRAND_2", nullptr},
     noTexts,
     FieldKind::name,
     6},
    {"frmMarketShare",
     "Market Shares",
     3,
     {"txtMktShare_0", "txtMktShare_1", "txtMktShare_2"},
     brandLabels,
     noTexts,
     FieldKind::number,
     8},
    {"frmInterest",
     "Rate Of Interest",
     3,
     {"txtInterest_0", "txtInterest_1", "txtInterest_2"},
     brandLabels,
     noTexts,
     FieldKind::number,
     11},
    {"frmMEI",
     "Minimum Elilgiblee Income",
     3,
     {"txtMEI_0", "txtMEI_1", "txtMEI_2"},
     brandLabels,
     noTexts,
     FieldKind::number,
     14},
    {"frmMLV",
     "Maximym Loan Value",
     3,
     {"txtMLV_0", "txtMLV_1", "txtMLV_2"},
     brandLabels,
     noTexts,
     FieldKind::number,
     17},
    {"frmMLP",
     "Maximum Loan Percentage",
     3,
     {"txtMLP_0", "txtMLP_1", "txtMLP_2"},
     brandLabels,
     noTexts,
     FieldKind::number,
     20},
    {"frmRepaymentPeriod",
     "Repayment Period",
     3,
     {"txtRP_0", "txtRP_1", "txtRP_2"},
     brandLabels,
     noTexts,
     FieldKind::number,
     23},
    {"frmEMI",
     "EMI",
     3,
     {"txtEMI_0", "txtEMI_1", "txtEMI_2"},
     brandLabels,
     noTexts,
     FieldKind::number,
     26},
    {"frmFreebies",
     "Freebies",
     3,
     {"txtFreebies_0", "txtFreebies_1", "txtFreebies_2"},
     brandLabels,
     noTexts,
     FieldKind::number,
     29},
}};

// The three brand labels of a number step: the own brand followed by
// ownSuffix, each competitor brand by competitorSuffix.
QStringList brandLabelTexts(const FieldTexts& t, const QString& ownSuffix,
                            const QString& competitorSuffix) {
    return {t.brandOf(0) + ownSuffix, t.brandOf(1) + competitorSuffix,
            t.brandOf(2) + competitorSuffix};
}

// The three brand labels: a prefix followed by each brand.
QStringList prefixedLabelTexts(const FieldTexts& t, const QString& prefix) {
    return {prefix + t.brandOf(0), prefix + t.brandOf(1), prefix + t.brandOf(2)};
}

// The refusal texts of the number steps 4 to 11, followed by the column's brand.
const QString numberRefusals[] = {
    u"Enter Market Share for "_s,
    u"Enter rate of Interest in % for "_s,
    u"Enter Minimm Eligible Income for "_s,
    u"Enter Maximum Loan Value for "_s,
    u"Enter Maximum Loan Percentage for "_s,
    u"Enter Repayment Period in Months, for "_s,
    u"Enter EMI for "_s,
    u"Enter value of freebies, for "_s,
};

} // namespace

const StepInfo& step(int number) {
    return steps[size_t(std::clamp(number, 1, stepCount) - 1)];
}

QStringList windowNames() {
    QStringList names;
    for (int s = 1; s <= stepCount; ++s)
        names << QString::fromLatin1(step(s).window);
    return names;
}

int stepOfWindow(const QString& window) {
    for (int s = 1; s <= stepCount; ++s)
        if (window == QLatin1String(step(s).window))
            return s;
    return 0;
}

int backTarget(int step) {
    return step == emiStep || step == lastStep ? 9 : step - 1;
}

int helpContext(int step, int field) {
    return wizard::step(step).helpContext + field;
}

std::optional<QString> enteredCaption(int step, const FieldTexts& t) {
    switch (step) {
    case 2:
        return u"Competitors for "_s + t.projectName();
    case 3:
        return u"Competitors' Brand namse for "_s + t.projectName();
    case 4:
        return u"Market Shares for "_s + t.projectName();
    case 5:
        return u"Rate of Interest for "_s + t.projectName();
    default:
        return std::nullopt;
    }
}

QStringList enteredLabels(int step, const FieldTexts& t) {
    switch (step) {
    case 3:
        return {t.competitor(1) + u"'s Brand name:"_s, t.competitor(2) + u"'s Brand name:"_s};
    case 4:
        return brandLabelTexts(t, u"'s Market Share"_s, u"s' Market Share"_s);
    case 5:
        return brandLabelTexts(t, u"'s Rate of Interest"_s, u"s' Rate of Interest"_s);
    case 6:
        return prefixedLabelTexts(t, u"Minimum Eligible Income for "_s);
    case 7:
        return prefixedLabelTexts(t, u"Maximum Loan Value for "_s);
    case 8:
        return prefixedLabelTexts(t, u"Maximum Loan Percentage for "_s);
    case 9:
        return prefixedLabelTexts(t, u"Repament Period in Months for "_s);
    case 10:
        return prefixedLabelTexts(t, u"Value of EMI  "_s);
    case 11:
        return prefixedLabelTexts(t, u"Value of freebies  "_s);
    default:
        return {};
    }
}

bool accepts(FieldKind kind, const QString& text) {
    if (kind == FieldKind::name)
        return !text.isEmpty();
    const std::optional<double> value = parseLeadingNumber(text);
    return value && float(*value) != 0.0f;
}

QString refusal(int step, int field, const FieldTexts& t) {
    switch (step) {
    case 1:
        if (field == 0)
            return u"Enter a Name for the new project"_s;
        return (field == 1 ? u"Enter the Product name for "_s : u"Enter the Brand name for "_s) +
               t.projectName();
    case 2:
        return (field == 0 ? u"Enter the name of the first competitor for "_s
                           : u"Enter the name of the second competitor for "_s) +
               t.projectName();
    case 3:
        return u"Enter brand name for "_s + t.competitor(field + 1);
    default:
        return numberRefusals[std::clamp(step, 4, stepCount) - 4] + t.brandOf(field);
    }
}

GuruText enteringText(int step, int projectNumber, const FieldTexts& t) {
    using namespace guru;
    const int help = helpContext(step, 0);
    switch (step) {
    case 1:
        return {projectName(projectNumber), help};
    case 2:
        return {firstCompetitor(), help};
    case 3:
        return {firstCompetitorBrand(t.productName(), t.competitor(1)), help};
    case 4:
        return {marketShareOwn(t.brandOf(0), t.competitor(1), t.brandOf(1), t.competitor(2),
                               t.brandOf(2)),
                help};
    case 5:
        return {interestOwn(t.brandOf(0)), help};
    case 6:
        return {incomeOwn(t.brandOf(0)), help};
    case 7:
        return {loanValueOwn(t.brandOf(0)), help};
    case 8:
        return {loanPercentageOwn(t.brandOf(0)), help};
    case 9:
        return {repaymentOwn(t.brandOf(0)), help};
    case 10:
        return {emiComputed(t.at(10, 0), t.at(10, 1), t.at(10, 2)), help};
    default:
        return {freebiesOwn(t.brandOf(0), t.brandOf(1), t.brandOf(2)), help};
    }
}

std::optional<GuruText> acceptedText(int step, int field, const FieldTexts& t) {
    using namespace guru;
    if (step == emiStep)
        return std::nullopt;
    const bool last = field + 1 >= wizard::step(step).fieldCount;
    if (last) {
        switch (step) {
        case 1:
            return GuruText{namesNext()};
        case 2:
            return GuruText{competitorsNext()};
        case 3:
            return GuruText{competitorBrandsNext(t.competitor(1), t.competitor(2))};
        case 4:
            return GuruText{marketShareNext()};
        case 5:
            return GuruText{interestNext()};
        case 6:
            return GuruText{incomeNext()};
        case 7:
            return GuruText{loanValueNext()};
        case 8:
            return GuruText{loanPercentageNext()};
        case 9:
            return GuruText{repaymentNext()};
        default:
            return GuruText{freebiesNext()};
        }
    }
    const int next = field + 1; // the field the text is about
    const int help = helpContext(step, next);
    const QString& brand = t.brandOf(next);
    switch (step) {
    case 1:
        return GuruText{next == 1 ? productName() : brandName(t.productName()), help};
    case 2:
        return GuruText{secondCompetitor(t.competitor(1)), help};
    case 3:
        return GuruText{secondCompetitorBrand(t.competitor(2)), help};
    case 4:
        return GuruText{next == 1 ? marketShareCompetitor1(brand) : marketShareCompetitor2(brand),
                        help};
    case 5:
        return GuruText{next == 1 ? interestCompetitor1(t.competitor(1), brand)
                                  : interestCompetitor2(t.competitor(2), brand),
                        help};
    case 6:
        return GuruText{next == 1 ? incomeCompetitor1(brand) : incomeCompetitor2(brand), help};
    case 7:
        return GuruText{next == 1 ? loanValueCompetitor1(brand) : loanValueCompetitor2(brand),
                        help};
    case 8:
        return GuruText{
            next == 1 ? loanPercentageCompetitor1(brand) : loanPercentageCompetitor2(brand), help};
    case 9:
        return GuruText{next == 1 ? repaymentCompetitor1(brand) : repaymentCompetitor2(brand),
                        help};
    default:
        return GuruText{next == 1 ? freebiesCompetitor1(brand) : freebiesCompetitor2(brand), help};
    }
}

std::optional<GuruText> backText(int step, const FieldTexts& t) {
    using namespace guru;
    // Steps 5 to 9 name the values of the step before.
    auto before = [&](int field) -> const QString& { return t.at(step - 1, field); };
    switch (step) {
    case 2:
        return GuruText{competitorsBack()};
    case 3:
        return GuruText{competitorBrandsBack()};
    case 4:
        return GuruText{marketShareBack(t.brandOf(0), t.brandOf(1), t.brandOf(2))};
    case 5:
        return GuruText{interestBack(before(0), before(1), before(2))};
    case 6:
        return GuruText{incomeBack(before(0), before(1), before(2))};
    case 7:
        return GuruText{loanValueBack(before(0), before(1), before(2))};
    case 8:
        return GuruText{loanPercentageBack(before(0), before(1), before(2))};
    case 9:
        return GuruText{repaymentBack(before(0), before(1), before(2))};
    case lastStep:
        return GuruText{freebiesBack()};
    default:
        return std::nullopt;
    }
}

} // namespace lendora::wizard
