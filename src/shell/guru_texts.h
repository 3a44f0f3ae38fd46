#pragma once

#include <QString>

// The Guru texts of the start-up and of the All Projects window. A line break
// in these texts is CR LF. The texts are translation sources (context
// "ProjectsGuru") and keep their spelling exactly as users and tests know
// it, misspellings included: "Grur", "prject", "hes", "ahve", "keyborad",
// "as many as Target Audience sets", the missing blanks in "button.By
// default,Grur", "Lendora 2012.When" and after "For example," before the
// project's name, and the sentences of the plans' text that meet without a
// blank ("enteredIf", "respectively.As").
namespace lendora::guru {

// The welcome text, shown once at every start.
QString aboutGuru();

// After a click on a project row.
QString basicDetails(const QString& projectName, const QString& productName,
                     const QString& brandName);

// After a click on an audience row.
QString targetAudience(const QString& definition, const QString& segments);

// After a click on a plan row.
QString projectPlans(const QString& id, const QString& basicDetails, const QString& targetAudience,
                     const QString& pollStatus);

} // namespace lendora::guru
