#include "Core/HotSpots/GraphicButtonHotSpot.h"
#include "Core/HotSpots/HotSpotShapes.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <gtest/gtest.h>

#include <functional>
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
    void HandleUserBeginsSelection() override
    {
        Log("begin");
        lastBegun = name;
        if (onBegin) onBegin();
    }
    void HandleUserEndsSelection() override { Log("end"); }
    void HandleUserAbortsSelection() override { Log("abort"); }
    void HandleUserMovesOutDuringSelection() override { Log("out"); }
    void HandleUserIsStillOutDuringSelection() override { Log("stillOut"); }
    void HandleUserMovesInDuringSelection() override { Log("in"); }
    void HandleUserIsStillInDuringSelection() override { Log("stillIn"); }

    std::function<void()> onBegin;

private:
    void Log(const char* handler) { callLog += name + ":" + handler + " "; }
    std::string name;
};

using Rectangle = Recording<RectangleHotSpot>;

std::string TakeLog()
{
    return std::exchange(callLog, {});
}

class HotSpots : public ::testing::Test {
protected:
    void SetUp() override
    {
        TakeLog();
        // Start each case hovering over nothing.
        HotSpot::DispatchUserEndsSelection({-1000, -1000});
    }
};

TEST_F(HotSpots, HitTestingFollowsLayersActivityAndShapes)
{
    Rectangle lower("lower", 6, QuillonRectangle<int>{0, 100, 0, 100});
    Rectangle upper("upper", 5, QuillonRectangle<int>{50, 60, 50, 60});
    Rectangle twin("twin", 5, QuillonRectangle<int>{50, 60, 50, 60});   // same layer, made later
    Recording<CircleHotSpot> circle("circle", 4, Point2D{200, 200}, 10);
    Recording<UnboundedHotSpot> everywhere("everywhere", 7);

    // The hot spot that a click at the point selects.
    const auto hit = [](Point2D point) {
        lastBegun.clear();
        HotSpot::DispatchUserBeginsSelection(point);
        HotSpot::DispatchUserEndsSelection(point);
        return lastBegun;
    };
    EXPECT_EQ(hit({55, 55}), "upper");
    EXPECT_EQ(hit({60, 60}), "upper") << "right and bottom edges are inside";
    EXPECT_EQ(hit({61, 55}), "lower");
    EXPECT_EQ(hit({100, 100}), "lower");
    EXPECT_EQ(hit({210, 200}), "circle") << "a point at the radius is inside";
    EXPECT_EQ(hit({208, 207}), "everywhere");
    upper.Deactivate();
    EXPECT_EQ(hit({55, 55}), "twin");
    twin.Deactivate();
    EXPECT_EQ(hit({55, 55}), "lower");
    upper.Activate();
    EXPECT_EQ(hit({55, 55}), "upper");
}

TEST_F(HotSpots, HoveringThenOnlyTheSelectedHotSpotHearsAboutADrag)
{
    Rectangle a("a", 5, QuillonRectangle<int>{0, 10, 0, 10});
    Rectangle b("b", 5, QuillonRectangle<int>{20, 30, 0, 10});
    HotSpot::DispatchUserMovement({25, 5});
    HotSpot::DispatchUserMovement({26, 5});
    HotSpot::DispatchUserMovement({50, 5});
    EXPECT_EQ(TakeLog(), "b:over b:still b:away ");
    HotSpot::DispatchUserMovement({5, 5});
    HotSpot::DispatchUserBeginsSelection({5, 5});
    HotSpot::DispatchUserMovement({5, 6});
    HotSpot::DispatchUserMovement({25, 5});
    HotSpot::DispatchUserMovement({26, 5});
    HotSpot::DispatchUserMovement({5, 5});
    HotSpot::DispatchUserEndsSelection({5, 5});
    EXPECT_EQ(TakeLog(), "a:over a:begin a:stillIn a:out a:stillOut a:in a:end a:over ");
    EXPECT_FALSE(HotSpot::IsAnySelected());

    HotSpot::DispatchUserBeginsSelection({5, 5});
    HotSpot::DispatchUserEndsSelection({25, 5});
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
          actions(actions)
    {
    }
    void PerformSelectionAction() override { ++actions; }
    ResourceID Shown() const { return ButtonSprite().GraphicResourceID(); }

    static constexpr ResourceID normal = 101;
    static constexpr ResourceID pressed = 102;
    static constexpr ResourceID disabled = 103;

private:
    int& actions;
};

TEST_F(HotSpots, ButtonsPressPopUpAndActOnlyWhenReleasedOnThemselves)
{
    ScopedInMemoryResources resources;   // the pictures are missing: drawn as nothing
    std::ostringstream problems;
    ResourceProblems::SetOutput(&problems);
    int actionsA = 0;
    int actionsB = 0;
    TestButton a(0, actionsA);
    TestButton b(20, actionsB);
    EXPECT_EQ(a.Shown(), TestButton::normal);

    HotSpot::DispatchUserBeginsSelection({5, 5});
    EXPECT_EQ(a.Shown(), TestButton::pressed);
    HotSpot::DispatchUserMovement({50, 5});
    EXPECT_EQ(a.Shown(), TestButton::normal);
    HotSpot::DispatchUserMovement({5, 5});
    EXPECT_EQ(a.Shown(), TestButton::pressed);
    HotSpot::DispatchUserEndsSelection({5, 5});
    EXPECT_EQ(a.Shown(), TestButton::normal);
    EXPECT_EQ(actionsA, 1);

    HotSpot::DispatchUserBeginsSelection({5, 5});
    HotSpot::DispatchUserEndsSelection({25, 5});
    EXPECT_EQ(a.Shown(), TestButton::normal);
    EXPECT_FALSE(a.IsPressed());
    EXPECT_EQ(actionsA, 1);
    EXPECT_EQ(actionsB, 0);

    b.Deactivate();
    EXPECT_EQ(b.Shown(), TestButton::disabled);
    HotSpot::DispatchUserBeginsSelection({25, 5});
    HotSpot::DispatchUserEndsSelection({25, 5});
    EXPECT_EQ(actionsB, 0);
    b.Activate();
    EXPECT_EQ(b.Shown(), TestButton::normal);
    ResourceProblems::SetOutput(nullptr);
    ResourceProblems::Forget();
}

} // namespace
