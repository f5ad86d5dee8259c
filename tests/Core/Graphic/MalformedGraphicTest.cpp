#include "Core/Graphic/Graphic8Bit.h"

#include "GraphicTestScreen.h"

#include <optional>

namespace {

using Bytes = std::vector<std::uint8_t>;

class MalformedGraphic : public GraphicTestScreen {
protected:
    // Makes the graphic from the given block and checks it behaves as empty and was reported.
    void ExpectEmpty(const std::optional<Bytes>& block, const char* what)
    {
        SCOPED_TRACE(what);
        ResourceProblems::Forget();
        reports.str("");
        const ResourceID id = nextID++;
        if (block) {
            resources.Add(ResourceType::graphic, id, *block);
        }
        const auto before = screen->OffscreenBuffer();
        {
            const Graphic8Bit graphic(id);
            EXPECT_FALSE(graphic.IsValid());
            EXPECT_TRUE(graphic.Bounds().IsEmpty());
            graphic.Render({0, 0}, Graphic8Bit::dontErase, Graphic8Bit::offscreen);
            graphic.Render({0, 0}, Graphic8Bit::erase, Graphic8Bit::offscreen);
        }
        EXPECT_EQ(screen->OffscreenBuffer(), before);
        EXPECT_TRUE(screen->OffscreenInvalidations().empty());
        EXPECT_TRUE(ResourceProblems::HasBeenReported(ResourceType::graphic, id));
        EXPECT_NE(reports.str().find("GRF1 " + std::to_string(id)), std::string::npos) << reports.str();
    }
    ResourceID nextID = 1500;
};

TEST_F(MalformedGraphic, BrokenBlocksBehaveAsEmpty)
{
    ExpectEmpty(Bytes{0, 1, 0, 2, 0}, "truncated header");
    ExpectEmpty(GraphicBlockBytes(0, 0, -3, 1, 0, {0}), "negative width");
    ExpectEmpty(GraphicBlockBytes(0, 0, 3, 1, 0, {5, 4, 9, 0}), "row covers more than the width");
    ExpectEmpty(GraphicBlockBytes(0, 0, 3, 2, 0, {3, 9, 1}), "missing end code");
    ExpectEmpty(GraphicBlockBytes(0, 0, 3, 1, 0, {4, 3, 1, 2}), "dump runs past the block");
    ExpectEmpty(GraphicBlockBytes(0, 0, 3, 3, 0, {0, 0, 1, 2}), "fewer rows than the height");
    ExpectEmpty(GraphicBlockBytes(0, 0, 300, 1, 0, {2, 200, 2, 200, 0}), "skips past the width");
    ExpectEmpty(std::nullopt, "missing block");
}

TEST_F(MalformedGraphic, IsReportedOnceHoweverOftenItIsMade)
{
    resources.Add(ResourceType::graphic, 1700, GraphicBlockBytes(4, 5, 2, 1, 0, {5, 3, 1, 0}));
    for (int i = 0; i < 3; ++i) {
        const Graphic8Bit graphic(1700);
        EXPECT_EQ(graphic.Bounds(), (QuillonRectangle<int>{4, 4, 5, 5}));
    }
    const std::string text = reports.str();
    EXPECT_NE(text.find("GRF1 1700"), std::string::npos);
    EXPECT_EQ(text.find("GRF1 1700"), text.rfind("GRF1 1700"));
}

TEST_F(MalformedGraphic, TrailingBytesAfterTheLastRowAreHarmless)
{
    resources.Add(ResourceType::graphic, 1800, GraphicBlockBytes(0, 0, 2, 1, 0, {3, 6, 0, 99, 99}));
    const Graphic8Bit graphic(1800);
    EXPECT_TRUE(graphic.IsValid());
    graphic.Render({1, 1}, Graphic8Bit::dontErase, Graphic8Bit::offscreen);
    EXPECT_EQ(Offscreen(1, 1), 6);
    EXPECT_TRUE(reports.str().empty());
}

} // namespace
