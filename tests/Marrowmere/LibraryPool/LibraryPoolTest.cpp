#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "Marrowmere/LibraryPool/LibraryPool.h"

namespace {

std::string NameOrNone(const char* name)
{
    return name == nullptr ? "(none)" : name;
}

TEST(LibraryPoolTest, FixedTableNamesTheLibraryOfEachGameTypeAndOfNoOtherText)
{
    const std::pair<const char*, const char*> table[] = {{"GRF1", "mm_grf1"}, {"SPAN", "mm_spqa"}, {"QANA", "mm_spqa"},
                                                         {"SND", "mm_snd"},   {"CLUT", "mm_vid"},  {"DSC1", "mm_vid"}};
    for (const auto& [type, library] : table) {
        EXPECT_EQ(NameOrNone(LibraryPool::GetNameForResType(type)), library) << type;
    }
    for (const char* text : {"grf1", "SND ", "BITMAP", "", "GRF", "GRF12"}) {
        EXPECT_EQ(LibraryPool::GetNameForResType(text), nullptr) << text;
    }
    EXPECT_EQ(LibraryPool::GetNameForResType(nullptr), nullptr);
}

TEST(LibraryPoolTest, FurtherLibrariesKeepTheirOrderAndInitializeEmptiesThem)
{
    // The second round's names differ, so a list that Initialize left behind would show.
    for (const std::string round : {"first_", "again_"}) {
        LibraryPool::Initialize();
        EXPECT_EQ(LibraryPool::GetSize(), 0);
        EXPECT_EQ(LibraryPool::GetElement(0), nullptr);
        for (const char* name : {"a", "b", "c"}) LibraryPool::AddLibrary(round + name);
        EXPECT_EQ(LibraryPool::GetSize(), 3);
        EXPECT_EQ(NameOrNone(LibraryPool::GetElement(0)) + NameOrNone(LibraryPool::GetElement(1)) +
                      NameOrNone(LibraryPool::GetElement(2)),
                  round + "a" + round + "b" + round + "c");
        EXPECT_EQ(LibraryPool::GetElement(3), nullptr);
        EXPECT_EQ(LibraryPool::GetElement(-1), nullptr);
    }
    LibraryPool::Finalize();
    EXPECT_EQ(LibraryPool::GetSize(), 0);
}

} // namespace
