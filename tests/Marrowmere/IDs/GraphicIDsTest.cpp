#include "IDCatalog.h"

#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/IDNumbering.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(GraphicIDs, DocumentedNumbers)
{
    EXPECT_EQ(GraphicIDs::Background(), 1001);
    EXPECT_EQ(GraphicIDs::Cursor(CursorType::arrow), 1101);
    EXPECT_EQ(GraphicIDs::Cursor(CursorType::questionMark), 1121);
    EXPECT_EQ(GraphicIDs::Cursor(CursorType::cloud), 1171);
    EXPECT_EQ(GraphicIDs::StarvationTimer(0), 1201);
    EXPECT_EQ(GraphicIDs::StarvationTimer(25), 1226);
    EXPECT_EQ(GraphicIDs::FloodTimer(7), 1308);
    EXPECT_EQ(GraphicIDs::ScoreDigitsStart(), 1501);
    EXPECT_EQ(GraphicIDs::TimerDigitsStart(), 1521);
    EXPECT_EQ(GraphicIDs::PickCountDigitsStart(), 1541);
    EXPECT_EQ(GraphicIDs::FloatingScoreDigitsStart(), 1561);
    EXPECT_EQ(GraphicIDs::PickButton(ButtonType::normal), 1701);
    EXPECT_EQ(GraphicIDs::PickButton(ButtonType::disabled), 1703);
    EXPECT_EQ(GraphicIDs::PickDialogBox(), 1711);
    EXPECT_EQ(GraphicIDs::PickDialogBoxSelectionOutline(), 1721);
    EXPECT_EQ(GraphicIDs::PickDialogBoxUseButton(ButtonType::pressed), 1732);
    EXPECT_EQ(GraphicIDs::PickDialogBoxCancelButton(ButtonType::normal), 1741);
    EXPECT_EQ(GraphicIDs::TutorialPointer(right), 1801);
    EXPECT_EQ(GraphicIDs::TutorialPointer(left), 1802);
    EXPECT_EQ(GraphicIDs::TutorialPointer(down), 1803);
    EXPECT_EQ(GraphicIDs::GameOverTopHalf(), 1901);
    EXPECT_EQ(GraphicIDs::GameOverBottomHalf(), 1902);
    EXPECT_EQ(GraphicIDs::MultipleSpeciesExtinction(), 1911);
    EXPECT_EQ(GraphicIDs::CannibalExtinction(), 1915);
    EXPECT_EQ(GraphicIDs::Overpopulation(), 1921);
    EXPECT_EQ(GraphicIDs::Object(swimmer, right), 3301);
    EXPECT_EQ(GraphicIDs::Object(flyer, up), 2001);
    for (DirectionType direction : directions) {
        EXPECT_EQ(GraphicIDs::Object(grass, direction), 6001);
        EXPECT_EQ(GraphicIDs::Object(tree, direction), 7001);
    }
    EXPECT_EQ(GraphicIDs::GhostAnimal(grazer, down), 4199);
    EXPECT_EQ(GraphicIDs::FloodGhostAnimal(cannibal, left), 5799);
    EXPECT_EQ(GraphicIDs::Flood(), 8001);
    EXPECT_EQ(GraphicIDs::FloodedSwimmer(left), 3701);
    EXPECT_EQ(GraphicIDs::FloodedTree(), 7501);
    EXPECT_EQ(GraphicIDs::Reverser(), 9001);
    EXPECT_EQ(GraphicIDs::ClockwiseTurner(), 9101);
    EXPECT_EQ(GraphicIDs::CounterclockwiseTurner(), 9201);
    EXPECT_EQ(GraphicIDs::Death(), 9301);
    EXPECT_EQ(GraphicIDs::Cloud(), 9401);
}

TEST(GraphicIDs, EveryPictureOfTheGameHasItsOwnBlockInEveryMode)
{
    auto expectDistinct = [](const char* mode) {
        std::map<int, std::string> owners;
        for (const auto& [name, id] : Snapshot(AllGraphicLookups())) {
            EXPECT_GT(id, 1000) << name << " in " << mode;
            const auto [owner, isNew] = owners.emplace(id, name);
            EXPECT_TRUE(isNew) << name << " and " << owner->second << " share " << id << " in " << mode;
        }
    };
    expectDistinct("no hidden mode");
    HiddenModes modes;
    modes.SwitchOnThistleCove();
    modes.SwitchOnHarborLantern();
    modes.SwitchOnSevenKGrid();
    expectDistinct("every hidden mode");
}

TEST(GraphicIDs, ValuesOutsideTheirRangeHaveNoPicture)
{
    EXPECT_EQ(GraphicIDs::TutorialPointer(up), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::StarvationTimer(-1), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::StarvationTimer(26), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::FloodTimer(40000), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::Cursor(static_cast<CursorType>(8)), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::PickButton(static_cast<ButtonType>(3)), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::GhostAnimal(grass, up), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::Object(flyer, static_cast<DirectionType>(4)), IDNumbering::noID);
}

// What each hidden mode changes among the pictures: name -> offset.
void ExpectOnlyChanged(const std::map<std::string, std::int16_t>& normal, const std::set<std::string>& changed)
{
    for (const auto& [name, id] : Snapshot(AllGraphicLookups())) {
        EXPECT_EQ(id, normal.at(name) + (changed.contains(name) ? 20000 : 0)) << name;
    }
}

TEST(GraphicIDs, SevenKGridSwapsTheCreaturePicturesOnly)
{
    const auto normal = Snapshot(AllGraphicLookups());
    HiddenModes modes;
    modes.SwitchOnSevenKGrid();
    std::set<std::string> changed = {"Object(grass)", "Object(tree)", "FloodedTree"};
    for (ObjectType animal : animals) {
        for (DirectionType direction : directions) {
            changed.insert("Object(" + NameOf(animal) + "," + NameOf(direction) + ")");
        }
    }
    for (DirectionType direction : directions) {
        changed.insert("FloodedSwimmer(" + NameOf(direction) + ")");
    }
    ExpectOnlyChanged(normal, changed);
    EXPECT_EQ(GraphicIDs::Object(swimmer, right), 23301);
    EXPECT_EQ(GraphicIDs::FloodedTree(), 27501);
}

TEST(GraphicIDs, HarborLanternSwapsTheFloodAndThistleCoveTheDeathItem)
{
    const auto normal = Snapshot(AllGraphicLookups());
    HiddenModes modes;
    modes.SwitchOnHarborLantern();
    ExpectOnlyChanged(normal, {"Flood"});
    EXPECT_EQ(GraphicIDs::Flood(), 28001);

    modes.SwitchOnHarborLantern();
    modes.SwitchOnThistleCove();
    ExpectOnlyChanged(normal, {"Death"});
    EXPECT_EQ(GraphicIDs::Death(), 29301);

    modes.SwitchOnThistleCove();
    modes.SwitchOnTwoFiftyDunes();
    ExpectOnlyChanged(normal, {});
}

}  // namespace
