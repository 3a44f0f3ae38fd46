#pragma once

#include <QString>

// The Guru texts of the start-up and of the All Projects window. A line break
// in these texts is CR LF.
namespace lendora::guru {

inline const QString lineBreak = QStringLiteral("\r\n");

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
