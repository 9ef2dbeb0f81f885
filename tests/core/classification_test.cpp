// Classification of the four lengths, the shortest-link test and the kind of row range per name.
#include <gtest/gtest.h>

#include <string>

#include "core/linkage.h"

namespace fourbar {
namespace {

struct ClassCase {
    double L1, L2, L3, L4;
    std::string_view name;  // empty: the closure test fails
};

class Classify : public ::testing::TestWithParam<ClassCase> {};

TEST_P(Classify, NamesTheLinkage) {
    const ClassCase& c = GetParam();
    LinkageState state;
    state.L1 = c.L1;
    state.L2 = c.L2;
    state.L3 = c.L3;
    state.L4 = c.L4;
    state.mechanismName = "earlier";
    const Classification result = mechdetermine(state);
    if (c.name.empty()) {
        EXPECT_EQ(result, Classification::CannotClose);
        EXPECT_EQ(state.mechanismName, "earlier");
    } else {
        EXPECT_EQ(result, Classification::Named);
        EXPECT_EQ(state.mechanismName, c.name);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Classify,
                         ::testing::Values(ClassCase{150, 220, 250, 300, names::crankRockerB},
                                           ClassCase{250, 220, 150, 300, names::rockerCrankB},
                                           ClassCase{220, 250, 300, 150, names::doubleCrank},
                                           ClassCase{300, 150, 220, 250, names::doubleRocker},
                                           ClassCase{220, 150, 300, 100, names::doubleRocker},
                                           ClassCase{300, 150, 220, 100, names::doubleRocker},
                                           ClassCase{150, 300, 100, 220, names::doubleRocker},
                                           ClassCase{100, 100, 100, 100, names::parallelogram},
                                           ClassCase{300, 100, 300, 100, names::parallelogram},
                                           ClassCase{100, 100, 200, 200, names::crankRockerCentred},
                                           ClassCase{100, 200, 200, 100, names::crankRockerA},
                                           ClassCase{12.3, 22, 25, 30, names::crankRockerA},
                                           ClassCase{300, 220, 150, 250, names::rockerCrankA},
                                           ClassCase{200, 200, 100, 100, names::rockerCrankA},
                                           ClassCase{200, 100, 100, 200, names::rockerCrankCentred},
                                           ClassCase{100, 100, 100, 300, ""},
                                           ClassCase{0, 0, 0, 0, ""}, ClassCase{1, 2, 3, 6, ""}));

TEST(Classify, StoresShortestLinkEvenWhenTheLoopCannotClose) {
    LinkageState state;
    state.L1 = 100;
    state.L2 = 100;
    state.L3 = 12.3;
    state.L4 = 300;
    EXPECT_EQ(mechdetermine(state), Classification::CannotClose);
    EXPECT_EQ(state.shortestLink, 12.3f);
    EXPECT_TRUE(isShortestLink(12.3, state.shortestLink));
    EXPECT_FALSE(isShortestLink(12.300001, state.shortestLink));
}

TEST(Kind, FromNameAndLengths) {
    LinkageState state{250, 220, 150, 300, 100, 0, -1, std::string(names::rockerCrankB), 150};
    EXPECT_EQ(kindFromNameAndLengths(state), MechanismKind::RockerCrank);
    state.mechanismName = names::doubleRocker;
    EXPECT_EQ(kindFromNameAndLengths(state), MechanismKind::DoubleRocker);
    state.mechanismName = names::parallelogram;
    state.L1 = 150;  // L3 shortest but equal to L1: a full turn
    EXPECT_EQ(kindFromNameAndLengths(state), MechanismKind::FullTurn);

    EXPECT_EQ(kindFromName(names::rockerCrankA), MechanismKind::RockerCrank);
    EXPECT_EQ(kindFromName(names::rockerCrankCentred), MechanismKind::RockerCrank);
    EXPECT_EQ(kindFromName(names::doubleRocker), MechanismKind::DoubleRocker);
    EXPECT_EQ(kindFromName(names::doubleCrank), MechanismKind::FullTurn);
    EXPECT_EQ(kindFromName(""), MechanismKind::FullTurn);
}

}  // namespace
}  // namespace fourbar
