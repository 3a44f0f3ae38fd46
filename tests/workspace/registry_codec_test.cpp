#include "workspace/registry_codec.h"

#include <gtest/gtest.h>

using namespace lendora;

namespace {

// Each plan keeps the names its own record holds, whatever other plans of
// the same project or audience say, and its poll flags as far as written.
TEST(RegistryCodec, EachPlanKeepsItsOwnNamesAndFlags) {
    const QByteArray bytes = "1,\"1\",\"Home\",\"2\",\"Salaried\",\"111\",\"Yes\"\r\n"
                             "2,\"1\",\"Home renamed\",\"2\",\"Salaried\",\"1\",\"No\"\r\n"
                             "3,\"1\",\"Home\",\"2\",\"\",\"1101\",\"yes\"\r\n"
                             "4,\"70000\",\"Far\",\"65536\",\"Edge\",\"\",\"Yes\"\r\n"
                             "5,\"70000\",\"Farther\",\"65536\",\"Edge 2\",\"010\",\"Yes\"\r\n";
    const registry::Slots<Plan> plans = registry::parsePlans(bytes);
    ASSERT_EQ(plans.size(), 5u);
    struct Expected {
        long long project;
        const char* projectName;
        long long audience;
        const char* audienceName;
        std::array<bool, 3> poll;
        bool analysed;
    };
    const Expected expected[] = {
        {1, "Home", 2, "Salaried", {true, true, true}, true},
        {1, "Home renamed", 2, "Salaried", {true, false, false}, false},
        {1, "Home", 2, "", {true, true, false}, false},
        {70000, "Far", 65536, "Edge", {false, false, false}, true},
        {70000, "Farther", 65536, "Edge 2", {false, true, false}, true},
    };
    for (size_t i = 0; i < plans.size(); ++i) {
        SCOPED_TRACE(i + 1);
        ASSERT_TRUE(plans[i].has_value());
        EXPECT_EQ(plans[i]->project, expected[i].project);
        EXPECT_EQ(plans[i]->projectName, QString::fromUtf8(expected[i].projectName));
        EXPECT_EQ(plans[i]->audience, expected[i].audience);
        EXPECT_EQ(plans[i]->audienceName, QString::fromUtf8(expected[i].audienceName));
        EXPECT_EQ(plans[i]->poll.products, expected[i].poll);
        EXPECT_EQ(plans[i]->analysed, expected[i].analysed);
    }
    // Written back, only the cut flags differ from what was read.
    QByteArray written = bytes;
    written.replace("\"1\",\"No\"", "\"100\",\"No\"")
        .replace("\"1101\",\"yes\"", "\"110\",\"No\"")
        .replace("\"\",\"Yes\"", "\"000\",\"Yes\"");
    EXPECT_EQ(registry::plansBytes(plans), written);
}

// A slot without a record is written under its own number as a record of
// empty texts, and the records after it keep theirs.
TEST(RegistryCodec, AnEmptySlotKeepsItsNumber) {
    registry::Slots<Project> projects(3);
    projects[0] = Project{"A", "a", "aa", ProjectStatus::Active};
    projects[2] = Project{"C", "c", "cc", ProjectStatus::KickOff};
    const QByteArray bytes = registry::projectsBytes(projects);
    EXPECT_TRUE(bytes.contains("\r\n2,\"\",\"\",\"\",\"\"\r\n3,\"C\"")) << bytes.constData();
    const registry::Slots<Project> back = registry::parseProjects(bytes);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[2], projects[2]);
}

} // namespace
