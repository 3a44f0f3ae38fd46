#pragma once

#include <QString>

#include <array>
#include <compare>
#include <cstdint>

// The records of the three registries as the program works with them. Their
// stored texts ("KickOff", "101", "Yes") exist only in the registry codec.
namespace lendora {

enum class ProjectStatus {
    None,    // no status text (an empty record)
    KickOff, // Basic Details just entered
    Active,  // a saved plan uses the project
};

// A project of the projects registry; its number is its place in the registry.
struct Project {
    QString name;
    QString product;
    QString brand;
    ProjectStatus status = ProjectStatus::KickOff;

    bool operator==(const Project&) const = default;
};

// A target audience; its number is its place in the registry.
struct Audience {
    QString definition;
    QString segments; // the number of segments, as its table cell shows it

    bool operator==(const Audience&) const = default;
};

// Which products' poll data are complete: the own product, competitor 1,
// competitor 2 (stored as "101").
struct PollCompletion {
    std::array<bool, 3> products{};

    bool none() const { return !products[0] && !products[1] && !products[2]; }
    bool all() const { return products[0] && products[1] && products[2]; }
    bool operator==(const PollCompletion&) const = default;
};

// A plan's identity for the whole run. Its number changes when a save of
// the plans deletes an earlier plan; its id does not, so a window opened for
// a plan finds it again. A plan given another project or audience gets a new
// id: its poll and analysis data belong to the old combination.
struct PlanId {
    std::uint64_t value = 0;

    bool valid() const { return value != 0; }
    auto operator<=>(const PlanId&) const = default;
};

// A project plan: one project combined with one target audience.
struct Plan {
    PlanId id;
    long long project = 0; // the project's number
    QString projectName;   // the project's name when the plan was made
    long long audience = 0;
    QString audienceName;
    PollCompletion poll;
    bool analysed = false; // a strategy of the plan is stored

    // Plans differ in their data, whatever their ids.
    bool sameData(const Plan& other) const {
        return project == other.project && projectName == other.projectName &&
               audience == other.audience && audienceName == other.audienceName &&
               poll == other.poll && analysed == other.analysed;
    }
};

} // namespace lendora
