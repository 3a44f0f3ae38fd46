#pragma once

#include "support/workspace.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace lendora::test {

// One stored plan: project, audience, poll flag, analysis flag.
struct StoredPlan {
    int project;
    int audience;
    QString poll;
    QString analysis;
};

inline QString projectName(int i) {
    static const QStringList names = {"Home Loan", "Car Loan", "Education Loan"};
    return i <= names.size() ? names[i - 1] : QStringLiteral("Project %1").arg(i);
}

inline QString audienceName(int i) {
    static const QStringList names = {"Salaried, 25 to 40", "Retired"};
    return i <= names.size() ? names[i - 1] : QStringLiteral("Audience %1").arg(i);
}

// Writes the three registries and their flags: `projects` projects with
// status "KickOff", `audiences` audiences and the given plans.
inline void writeRegistries(const TempWorkspace& ws, int projects, int audiences,
                            const std::vector<StoredPlan>& plans) {
    static const QStringList products = {"Easy Home", "Quick Car", "Study Plus"};
    static const QStringList brands = {"EH", "QC", "SP"};
    QByteArray prj, ta, pptb;
    for (int i = 1; i <= projects; ++i)
        prj += QStringLiteral("%1,\"%2\",\"%3\",\"%4\",\"KickOff\"\r\n")
                   .arg(i)
                   .arg(projectName(i), products.value(i - 1, "Loan"), brands.value(i - 1, "LN"))
                   .toUtf8();
    for (int i = 1; i <= audiences; ++i)
        ta += QStringLiteral("%1,\"%2\",\"2\"\r\n").arg(i).arg(audienceName(i)).toUtf8();
    int n = 0;
    for (const StoredPlan& p : plans)
        pptb += QStringLiteral("%1,\"%2\",\"%3\",\"%4\",\"%5\",\"%6\",\"%7\"\r\n")
                    .arg(++n)
                    .arg(p.project)
                    .arg(projectName(p.project))
                    .arg(p.audience)
                    .arg(audienceName(p.audience), p.poll, p.analysis)
                    .toUtf8();
    ws.write("Prj.lnd", prj);
    ws.write("flag.lnd", "1\r\n");
    ws.write("ta.lnd", ta);
    ws.write("tfag.lnd", "1\r\n");
    if (!plans.empty()) {
        ws.write("pptb.lnd", pptb);
        ws.write("ppflag.lnd", "1\r\n");
    }
}

} // namespace lendora::test
