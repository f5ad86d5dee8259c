#include "Content/Music/Score.h"

#include <gtest/gtest.h>

TEST(ScoreTest, PlacesNotesChordsAndRestsThroughTheForm)
{
    const Score score = ParseScore(
        "tempo 120\nmeter 2\ntail 3\n"
        "part lead program 73 velocity 90 legato 0.5\n"
        "part low program 32\n"
        "section A   # the first section\n"
        "lead | C#4:q. r:e | Bb3+D4:h |\n"
        "low  | C2:w |\n"
        "section B\n"
        "lead | E4:e3 E4:e3 E4:e3 r:q |\n"
        "form A B A\n");
    EXPECT_DOUBLE_EQ(score.tempo, 120.0);
    EXPECT_DOUBLE_EQ(score.tailSeconds, 3.0);
    EXPECT_DOUBLE_EQ(score.lengthBeats, 10.0);
    EXPECT_DOUBLE_EQ(score.LengthSeconds(), 5.0);
    const auto& lead = score.parts[0];
    EXPECT_EQ(lead.program, 73);
    EXPECT_DOUBLE_EQ(lead.legato, 0.5);
    ASSERT_EQ(lead.notes.size(), 9u);  // 3 in A, 3 in B, 3 in A again
    EXPECT_EQ(lead.notes[0].key, 61);  // C#4
    EXPECT_DOUBLE_EQ(lead.notes[0].lengthBeats, 1.5);
    EXPECT_EQ(lead.notes[1].key, 58);  // Bb3, sounding with D4
    EXPECT_EQ(lead.notes[2].key, 62);
    EXPECT_DOUBLE_EQ(lead.notes[2].startBeat, 2.0);
    EXPECT_EQ(lead.notes[0].velocity, 90);
    EXPECT_NEAR(lead.notes[4].startBeat, 4.0 + 1.0 / 3.0, 1e-9);
    EXPECT_DOUBLE_EQ(lead.notes[6].startBeat, 6.0);
    // The low part rests through B, so its second note starts with the second A.
    ASSERT_EQ(score.parts[1].notes.size(), 2u);
    EXPECT_DOUBLE_EQ(score.parts[1].notes[1].startBeat, 6.0);
}

TEST(ScoreTest, RefusesWhatItCannotPlay)
{
    const std::string parts = "meter 4\npart a\npart b\nsection A\n";
    for (const std::string& text : {parts + "a | C4:q C4:q C4:q |\n",  // a bar line off the bar
                                    parts + "a | H4:w |\n", parts + "a | C:w |\n", parts + "a | C4:x |\n",
                                    parts + "a | C4 |\n", parts + "c | C4:w |\n",
                                    parts + "a | C4:w |\nb | C4:w C4:w |\nform A\n", parts + "form Z\n",
                                    std::string("part a volume\n")}) {
        EXPECT_THROW(ParseScore(text), ScoreError) << text;
    }
}
