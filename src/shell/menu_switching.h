#pragma once

#include "workspace/records.h"

#include <QString>

#include <vector>

namespace lendora {

// One change of a main-window menu entry's enabled flag.
struct MenuChange {
    QString entry;
    bool enabled;

    bool operator==(const MenuChange&) const = default;
};

// The menu changes, in the order they are applied, when a plan becomes the
// selected one (after a click on its row), or when no plan is selected any
// more (null): then the commands that act on the selected plan are switched
// off, so that none of them opens a window for an empty row.
std::vector<MenuChange> planMenuChanges(const Plan* selected);

} // namespace lendora
