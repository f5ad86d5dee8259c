#include "Core/HotSpots/GraphicButtonHotSpot.h"
#include "Core/HotSpots/HotSpotShapes.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

namespace {

// Every handler call goes into one shared log as "<name>:<handler>".
std::string callLog;
std::string lastBegun;

template <typename Shape>
class Recording : public Shape {
public:
    template <typename... Arguments>
    explicit Recording(std::string name, Arguments... arguments) : Shape(arguments...), name(std::move(name)) {}
    void HandleUserMovesOver() override { Log("over"); }
    void HandleUserIsStillOver() override { Log("still"); }
    void HandleUserMovesAway() override { Log("away"); }
    void HandleUserBeginsSelection() override { Log("begin"), lastBegun = name, onBegin ? onBegin() : void(); }
    void HandleUserEndsSelection() override { Log("end"); }
    void HandleUserAbortsSelection() override { Log("abort"); }
    void HandleUserMovesOutDuringSelection() override { Log("out"); }
    void HandleUserIsStillOutDuringSelection() override { Log("stillOut"); }
    void HandleUserMovesInDuringSelection() override { Log("in"); }
    void HandleUserIsStillInDuringSelection() override { Log("stillIn"); }

    std::function<void()> onBegin;
    void Log(const char* handler) { callLog += name + ":" + handler + " "; }
    std::string name;
};

using Rectangle = Recording<RectangleHotSpot>;

std::string TakeLog() { return std::exchange(callLog, {}); }
void Click(Point2D at, Point2D to) { HotSpot::DispatchUserBeginsSelection(at), HotSpot::DispatchUserEndsSelection(to); }
void MoveThrough(std::initializer_list<Point2D> points) { for (Point2D p : points) HotSpot::DispatchUserMovement(p); }

// Each case starts hovering over nothing.
class HotSpots : public ::testing::Test {
protected:
    void SetUp() override { HotSpot::DispatchUserEndsSelection({-1000, -1000}), TakeLog(); }
};

TEST_F(HotSpots, HitTestingFollowsLayersActivityAndShapes)
{
    Rectangle lower("lower", 6, QuillonRectangle<int>{0, 100, 0, 100});
    Rectangle upper("upper", 5, QuillonRectangle<int>{50, 60, 50, 60});
    Rectangle twin("twin", 5, QuillonRectangle<int>{50, 60, 50, 60});   // same layer, made later
    Recording<CircleHotSpot> circle("circle", 4, Point2D{200, 200}, 10);
    Recording<UnboundedHotSpot> everywhere("everywhere", 7);

    // Which hot spot a click selects; all four edges, and the circle's radius, are inside.
    const struct {
        Point2D point;
        const char* selected;
        HotSpot* flip = nullptr;   // deactivated (or reactivated) before the click
    } clicks[] = {{{55, 55}, "upper"},  {{60, 60}, "upper"},          {{50, 50}, "upper"},  {{61, 55}, "lower"},
                  {{100, 100}, "lower"}, {{210, 200}, "circle"},       {{208, 207}, "everywhere"},
                  {{55, 55}, "twin", &upper}, {{55, 55}, "lower", &twin}, {{55, 55}, "upper", &upper}};
    for (const auto& click : clicks) {
        if (click.flip) click.flip->IsActive() ? click.flip->Deactivate() : click.flip->Activate();
        lastBegun.clear();
        Click(click.point, click.point);
        EXPECT_EQ(lastBegun, click.selected) << click.point.x << "," << click.point.y;
    }
}

TEST_F(HotSpots, HoveringThenOnlyTheSelectedHotSpotHearsAboutADrag)
{
    Rectangle a("a", 5, QuillonRectangle<int>{0, 10, 0, 10});
    Rectangle b("b", 5, QuillonRectangle<int>{20, 30, 0, 10});
    MoveThrough({{25, 5}, {26, 5}, {50, 5}});
    EXPECT_EQ(TakeLog(), "b:over b:still b:away ");
    MoveThrough({{5, 5}});
    HotSpot::DispatchUserBeginsSelection({5, 5});
    MoveThrough({{5, 6}, {25, 5}, {26, 5}, {5, 5}});
    HotSpot::DispatchUserEndsSelection({5, 5});
    EXPECT_EQ(TakeLog(), "a:over a:begin a:stillIn a:out a:stillOut a:in a:end a:over ");
    EXPECT_FALSE(HotSpot::IsAnySelected());

    Click({5, 5}, {25, 5});
    EXPECT_EQ(TakeLog(), "a:begin a:abort b:over ") << "b never sees the selection";

    // A press on nothing starts no selection; a release there touches nobody.
    HotSpot::DispatchUserBeginsSelection({100, 100});
    EXPECT_FALSE(HotSpot::IsAnySelected());
    HotSpot::DispatchUserEndsSelection({100, 100});
    EXPECT_EQ(TakeLog(), "b:away ");
}

TEST_F(HotSpots, DestroyingTheSelectedHotSpotEndsTheSelectionSilently)
{
    auto a = std::make_unique<Rectangle>("a", 5, QuillonRectangle<int>{0, 10, 0, 10});
    Rectangle below("below", 6, QuillonRectangle<int>{0, 10, 0, 10});
    HotSpot::DispatchUserBeginsSelection({5, 5});
    a.reset();
    EXPECT_FALSE(HotSpot::IsAnySelected());
    HotSpot::DispatchUserMovement({5, 5});
    EXPECT_EQ(TakeLog(), "a:over a:begin below:over ");

    // A hot spot that destroys itself while handling the press is not called again.
    auto selfDestroying = std::make_unique<Rectangle>("gone", 4, QuillonRectangle<int>{0, 10, 0, 10});
    selfDestroying->onBegin = [&] { selfDestroying.reset(); };
    HotSpot::DispatchUserBeginsSelection({5, 5});
    HotSpot::DispatchUserMovement({5, 5});
    HotSpot::DispatchUserEndsSelection({5, 5});
    EXPECT_EQ(TakeLog(), "below:away gone:over gone:begin below:over below:over ");
}

class TestButton : public GraphicButtonHotSpot {
public:
    TestButton(int left, int& actions)
        : GraphicButtonHotSpot(2, QuillonRectangle<int>{left, left + 10, 0, 10}, normal, pressed, disabled, 3),
          actions(actions) {}
    void PerformSelectionAction() override { ++actions; }
    ResourceID Shown() const { return ButtonSprite().GraphicResourceID(); }

    static constexpr ResourceID normal = 101, pressed = 102, disabled = 103;

private:
    int& actions;
};

TEST_F(HotSpots, ButtonsPressPopUpAndActOnlyWhenReleasedOnThemselves)
{
    ScopedInMemoryResources resources;   // the pictures are missing: drawn as nothing
    std::ostringstream problems;
    ResourceProblems::SetOutput(&problems);
    int actionsA = 0, actionsB = 0;
    TestButton a(0, actionsA);
    TestButton b(20, actionsB);
    // Press on a, drag off and back, release on it: one action; then release off it: none.
    HotSpot::DispatchUserBeginsSelection({5, 5});
    EXPECT_EQ(a.Shown(), TestButton::pressed);
    HotSpot::DispatchUserMovement({50, 5});
    EXPECT_EQ(a.Shown(), TestButton::normal);
    HotSpot::DispatchUserMovement({5, 5});
    EXPECT_EQ(a.Shown(), TestButton::pressed);
    HotSpot::DispatchUserEndsSelection({5, 5});
    EXPECT_EQ(a.Shown(), TestButton::normal);
    Click({5, 5}, {25, 5});
    EXPECT_EQ(a.Shown(), TestButton::normal);
    EXPECT_EQ(actionsA, 1);

    b.Deactivate();
    EXPECT_EQ(b.Shown(), TestButton::disabled);
    Click({25, 5}, {25, 5});
    EXPECT_EQ(actionsB, 0);
    b.Activate();
    EXPECT_EQ(b.Shown(), TestButton::normal);
    ResourceProblems::SetOutput(nullptr);
    ResourceProblems::Forget();
}

} // namespace
