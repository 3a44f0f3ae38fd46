#pragma once

#include "basic_details/wizard_steps.h"
#include "workspace/plan_data.h"
#include "workspace/records.h"

#include <QString>
#include <QStringList>

// What Finish makes of the wizard's fields: the project's row in the
// projects table and the Basic Details table that Save stores.
namespace lendora::finish {

// The ten headings of a Basic Details table, in the fixed feature order.
QStringList detailsHeadings();

// A competitor 2 value as its cell shows it: the whole text read as a single
// precision number (blanks around it allowed) in shortest form; "0" when the
// text is not a number as a whole.
QString competitor2Cell(const QString& fieldText);

// The project's details: the own product, competitor 1 and competitor 2.
// Values keep the field texts as typed, except the competitor 2 values, which
// are converted.
ProjectDetails projectDetails(const wizard::FieldTexts& texts);

// The project as Finish lists it: its names and status "KickOff".
Project project(const wizard::FieldTexts& texts);

} // namespace lendora::finish
