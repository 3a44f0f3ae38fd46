#pragma once

namespace lendora {

class BasicDetailsWizard;
class Workspace;
namespace ui {
class Desk;
}

// Go > Open > Basic Details (`mnuXBD`): shows the Basic Details of the
// project selected in the All Projects window, read from its details file,
// beside the All Projects window, and the wizard's first step with the
// project's number below it.
void openBasicDetails(ui::Desk& desk, const Workspace& workspace, BasicDetailsWizard& wizard);

} // namespace lendora
