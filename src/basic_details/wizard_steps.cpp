#include "basic_details/wizard_steps.h"

#include "basic_details/wizard_guru.h"
#include "storage/numbers.h"

#include <algorithm>

namespace lendora::wizard {

using names::text;

namespace {

const std::array<StepInfo, stepCount> steps = {{
    {names::steps[0], 3, FieldKind::name, 1},
    {names::steps[1], 2, FieldKind::name, 4},
    {names::steps[2], 2, FieldKind::name, 6},
    {names::steps[3], 3, FieldKind::number, 8},
    {names::steps[4], 3, FieldKind::number, 11},
    {names::steps[5], 3, FieldKind::number, 14},
    {names::steps[6], 3, FieldKind::number, 17},
    {names::steps[7], 3, FieldKind::number, 20},
    {names::steps[8], 3, FieldKind::number, 23},
    {names::steps[9], 3, FieldKind::number, 26},
    {names::steps[10], 3, FieldKind::number, 29},
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

} // namespace

const StepInfo& step(int number) {
    return steps[size_t(std::clamp(number, 1, stepCount) - 1)];
}

QStringList windowNames() {
    QStringList windows;
    for (int s = 1; s <= stepCount; ++s)
        windows << QString::fromLatin1(step(s).names.window);
    return windows;
}

int stepOfWindow(const QString& window) {
    for (int s = 1; s <= stepCount; ++s)
        if (window == QLatin1String(step(s).names.window))
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
        return text(names::competitorsFor) + t.projectName();
    case 3:
        return text(names::brandNamesFor) + t.projectName();
    case 4:
        return text(names::marketSharesFor) + t.projectName();
    case 5:
        return text(names::interestFor) + t.projectName();
    default:
        return std::nullopt;
    }
}

QStringList enteredLabels(int step, const FieldTexts& t) {
    switch (step) {
    case 3:
        return {t.competitor(1) + text(names::brandNameOf),
                t.competitor(2) + text(names::brandNameOf)};
    case 4:
        return brandLabelTexts(t, text(names::ownMarketShare), text(names::competitorMarketShare));
    case 5:
        return brandLabelTexts(t, text(names::ownInterest), text(names::competitorInterest));
    case 6:
        return prefixedLabelTexts(t, text(names::incomeFor));
    case 7:
        return prefixedLabelTexts(t, text(names::loanValueFor));
    case 8:
        return prefixedLabelTexts(t, text(names::loanPercentageFor));
    case 9:
        return prefixedLabelTexts(t, text(names::repaymentFor));
    case 10:
        return prefixedLabelTexts(t, text(names::emiOf));
    case 11:
        return prefixedLabelTexts(t, text(names::freebiesOf));
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
            return text(names::noProjectName);
        return text(field == 1 ? names::noProductName : names::noBrandName) + t.projectName();
    case 2:
        return text(field == 0 ? names::noFirstCompetitor : names::noSecondCompetitor) +
               t.projectName();
    case 3:
        return text(names::noCompetitorBrand) + t.competitor(field + 1);
    default:
        return text(names::numberRefusals[std::clamp(step, 4, stepCount) - 4]) + t.brandOf(field);
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
