#pragma once

#include "poll/poll_tables.h"
#include "poll/survey_responses.h"
#include "workspace/plan_data.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>

// Which columns of a survey export hold the respondent's segment, liked
// product and liked feature, and which answer text means which of them.
namespace lendora::poll {

enum class Role { Segment = 0, Product = 1, Feature = 2 };
constexpr int roleCount = 3;

// What the answers of a role can stand for. Targets are numbered from 1:
// segment r, product k ("Product k"), feature f (poll table column f);
// 0 means the answer is not counted.
struct ImportChoices {
    QStringList segments; // descriptions; segment r at index r - 1
    // Other names a product may be called by: its name and its brand.
    std::array<QStringList, productCount> productNames;

    int targetCount(Role role) const;
    // "1 - Young professionals", "Product 2", "Max. Loan Value".
    QString targetText(Role role, int target) const;
};

// The choices of a plan: its audience's segments and the products' names
// and brands of its project.
ImportChoices importChoices(const SegmentDescriptions& segments, const ProjectDetails& details);

// How the numbers of a feature column are read: the questionnaire's six
// options (no EMI: 1 Interest ... 5 Repayment Period, 6 Freebies), or, when
// the column has a code 7, the poll tables' seven features in their order
// (6 EMI, 7 Freebies).
enum class FeatureCodes { None, Questionnaire, PollTable };

// The order a column's numeric answers are read in; None when it holds no
// number from 1 to 7.
FeatureCodes featureCodesOf(const SurveyColumn& column);

struct RoleMapping {
    int column = -1;             // -1: no column chosen
    QHash<QString, int> targets; // answer text to target; missing answers are not counted
};

struct ImportMapping {
    std::array<RoleMapping, roleCount> roles;
    // The order assumed for the numbers of the feature column.
    FeatureCodes featureCodes = FeatureCodes::None;

    RoleMapping& operator[](Role role) { return roles[size_t(role)]; }
    const RoleMapping& operator[](Role role) const { return roles[size_t(role)]; }
};

// The form in which two texts are compared: blanks and line breaks run
// together, letter case folded, and every double quote or typographic quote
// an apostrophe (the plan's own files keep a typed double quote as one).
QString matchingForm(const QString& text);

// The target an answer plainly names: a segment by its number ("2",
// "Segment 2", in another language "Segmento 2") or its description; a
// product as the questionnaire shows it ("Product 2", "Producto 2"), by its
// number, its name or its brand; a feature by its name as the poll table or
// the questionnaire writes it (a value after " - " is ignored), or by its
// number in the order given. 0 when none.
int defaultTarget(Role role, const QString& answer, const ImportChoices& choices,
                  FeatureCodes codes = FeatureCodes::Questionnaire);

// The role's column set to `column`, every answer of it given its default target.
void chooseColumn(ImportMapping& mapping, Role role, int column, const SurveyResponses& responses,
                  const ImportChoices& choices);

// Columns chosen by the share of their respondents whose answers name a
// target, whatever their headings say; between equal shares a column whose
// field name or question names the role goes first. Answers are given their
// defaults. No column serves two roles.
ImportMapping defaultMapping(const SurveyResponses& responses, const ImportChoices& choices);

} // namespace lendora::poll
