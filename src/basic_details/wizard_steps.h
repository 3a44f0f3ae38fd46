#pragma once

#include "basic_details/wizard_names.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The eleven steps of the Basic Details wizard as data: their windows,
// captions, fields and labels, the Enter check of a field with its refusal
// message, and which Guru text each moment of a step shows. The step windows
// are built from this table and ask it what to do.
namespace lendora::wizard {

constexpr int stepCount = 11;
constexpr int emiStep = 10;
constexpr int lastStep = 11;

enum class FieldKind { name, number };

struct StepInfo {
    const names::StepNames& names; // window, caption, fields and labels
    int fieldCount;                // 2 or 3
    FieldKind kind;
    // Help context number of field 0; the other fields follow on.
    int helpContext;
};

// Step 1 to 11.
const StepInfo& step(int number);
// The objectNames of the eleven step windows, step 1 first.
QStringList windowNames();
// The step whose window carries that objectName; 0 when none does.
int stepOfWindow(const QString& window);
// Where Back leads: the step before, except from steps 10 and 11 (step 9).
int backTarget(int step);
// Help context number of a field of a step.
int helpContext(int step, int field);

// The texts of every wizard field as they stand at one moment:
// texts[s][f] is field f of step s (steps 1 to 11, fields 0 to 2). Fields of
// a step window that is not loaded read as empty texts.
struct FieldTexts {
    std::array<std::array<QString, 3>, stepCount + 1> texts;

    const QString& at(int step, int field) const { return texts[size_t(step)][size_t(field)]; }
    QString& at(int step, int field) { return texts[size_t(step)][size_t(field)]; }

    const QString& projectName() const { return at(1, 0); }
    const QString& productName() const { return at(1, 1); }
    const QString& brandName() const { return at(1, 2); }
    // Competitor 1 or 2.
    const QString& competitor(int which) const { return at(2, which - 1); }
    const QString& competitorBrand(int which) const { return at(3, which - 1); }
    // The brand of a column of steps 4 to 11: 0 own, 1 and 2 the competitors.
    const QString& brandOf(int column) const {
        return column == 0 ? brandName() : competitorBrand(column);
    }
};

// The caption a step window gets when it is entered through Next; no value
// when it keeps the caption it has.
std::optional<QString> enteredCaption(int step, const FieldTexts& texts);
// The texts of the step's labels set when it is entered through Next
// (steps 3 to 11); empty for steps 1 and 2, whose labels never change.
QStringList enteredLabels(int step, const FieldTexts& texts);

// Whether Enter accepts the field text: a name field any text that is not
// empty (blanks count), a number field a leading number that is not 0 in
// single precision (a number beyond single range counts as none).
bool accepts(FieldKind kind, const QString& text);
// The message that refuses a field, the name read from the texts appended.
QString refusal(int step, int field, const FieldTexts& texts);

// A Guru text and the help context of the field it is about (0: no field).
struct GuruText {
    QString text;
    int helpContext = 0;

    bool operator==(const GuruText&) const = default;
};

// Shown when the step is entered (whatever the Guru switch says).
GuruText enteringText(int step, int projectNumber, const FieldTexts& texts);
// Shown after an accepted Enter in the field while the Guru is on: the next
// field's text, or the step's "next" text after its last field. No text in
// the EMI step.
std::optional<GuruText> acceptedText(int step, int field, const FieldTexts& texts);
// Shown on Back from the step (whatever the Guru switch says); the EMI step
// has none.
std::optional<GuruText> backText(int step, const FieldTexts& texts);

} // namespace lendora::wizard
