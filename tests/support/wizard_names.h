#pragma once

#include <array>
#include <vector>

// The objectNames of the Basic Details wizard's step windows and their
// entry fields, step 1 to 11 (index 0 unused), as the window tests find them.
namespace lendora::test {

inline constexpr std::array<const char*, 12> wizardWindows = {"",
                                                              "frmNewProject",
                                                              "frmCompetitors",
                                                              "frmBrandNames",
                                                              "frmMarketShare",
                                                              "frmInterest",
                                                              "frmMEI",
                                                              "frmMLV",
                                                              "frmMLP",
                                                              "frmRepaymentPeriod",
                                                              "frmEMI",
                                                              "frmFreebies"};

inline const std::vector<std::vector<const char*>> wizardFields = {
    {},
    {"txtProjectName", "txtProductName", "txtBrandName"},
    {"txtComp_1", "txtComp_2"},
    {"TXTbRAND_1", "TXTbRAND_2"},
    {"txtMktShare_0", "txtMktShare_1", "txtMktShare_2"},
    {"txtInterest_0", "txtInterest_1", "txtInterest_2"},
    {"txtMEI_0", "txtMEI_1", "txtMEI_2"},
    {"txtMLV_0", "txtMLV_1", "txtMLV_2"},
    {"txtMLP_0", "txtMLP_1", "txtMLP_2"},
    {"txtRP_0", "txtRP_1", "txtRP_2"},
    {"txtEMI_0", "txtEMI_1", "txtEMI_2"},
    {"txtFreebies_0", "txtFreebies_1", "txtFreebies_2"},
};

} // namespace lendora::test
