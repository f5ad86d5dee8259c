#include "Content/SoundLibrary/EffectRecipe.h"

#include <gtest/gtest.h>

TEST(EffectRecipeTest, ReadsLayersSettingsNotesAndComments)
{
    const auto recipes = ParseEffectTable(
        "# a comment line\n"
        "\n"
        "2601  screech pitch=1500 length=0.3 ; snap at=0.25 gain=0.8   # eats\n"
        "1601  notes program=56 C#5:e G5:q\n");
    ASSERT_EQ(recipes.size(), 2u);
    EXPECT_EQ(recipes[0].id, 2601);
    ASSERT_EQ(recipes[0].layers.size(), 2u);
    EXPECT_EQ(recipes[0].layers[0].generator, "screech");
    EXPECT_DOUBLE_EQ(recipes[0].layers[0].Get("length", 0.0), 0.3);
    EXPECT_DOUBLE_EQ(recipes[0].layers[1].Get("at", 0.0), 0.25);
    EXPECT_DOUBLE_EQ(recipes[0].layers[1].Get("pitch", 7.0), 7.0);
    EXPECT_EQ(recipes[1].layers[0].notes, (std::vector<std::string>{"C#5:e", "G5:q"}));
}

TEST(EffectRecipeTest, RefusesLinesItCannotRead)
{
    for (const char* line : {"screech pitch=1\n", "2601 screech pitch=high\n", "2601 screech pitch=1x\n", "2601 ;\n"}) {
        EXPECT_THROW(ParseEffectTable(line), EffectTableError) << line;
    }
}
