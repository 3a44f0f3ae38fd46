#pragma once

namespace lendora {

class MainWindow;

// Go > Open > Basic Details (`mnuXBD`): shows the Basic Details of the
// project selected in the All Projects window, read from its details file,
// beside the All Projects window, and the wizard's first step with the
// project's number below it.
void openBasicDetails(MainWindow& mother);

// Connects `mnuXBD` to openBasicDetails.
void installBasicDetailsViewer(MainWindow& mother);

} // namespace lendora
