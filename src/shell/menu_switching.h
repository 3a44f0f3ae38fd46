#pragma once

#include <QString>

#include <vector>

namespace lendora {

// One change of a main-window menu entry's enabled flag.
struct MenuChange {
    QString entry;
    bool enabled;

    bool operator==(const MenuChange&) const = default;
};

// The menu changes, in the order they are applied, after a click on a plan
// row with these poll and analysis flags.
std::vector<MenuChange> planClickMenuChanges(const QString& pollFlag, const QString& analysisFlag);

} // namespace lendora
