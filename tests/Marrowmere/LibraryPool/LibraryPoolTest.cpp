#include <gtest/gtest.h>

#include <string>

#include "Marrowmere/LibraryPool/LibraryPool.h"

namespace {

std::string NameOrNone(const char* name)
{
    return name == nullptr ? "(none)" : name;
}

TEST(LibraryPoolTest, FixedTableNamesTheLibraryOfEachGameType)
{
    EXPECT_EQ(NameOrNone(LibraryPool::GetNameForResType("GRF1")), "mm_grf1");
    EXPECT_EQ(NameOrNone(LibraryPool::GetNameForResType("SPAN")), "mm_spqa");
    EXPECT_EQ(NameOrNone(LibraryPool::GetNameForResType("QANA")), "mm_spqa");
    EXPECT_EQ(NameOrNone(LibraryPool::GetNameForResType("SND")), "mm_snd");
    EXPECT_EQ(NameOrNone(LibraryPool::GetNameForResType("CLUT")), "mm_vid");
    EXPECT_EQ(NameOrNone(LibraryPool::GetNameForResType("DSC1")), "mm_vid");
}

TEST(LibraryPoolTest, OtherTextsNameNoLibrary)
{
    for (const char* text : {"grf1", "SND ", "BITMAP", "", "GRF", "GRF12"}) {
        EXPECT_EQ(LibraryPool::GetNameForResType(text), nullptr) << text;
    }
    EXPECT_EQ(LibraryPool::GetNameForResType(nullptr), nullptr);
}

TEST(LibraryPoolTest, FurtherLibrariesKeepTheirOrderAndInitializeEmptiesThem)
{
    LibraryPool::Initialize();
    EXPECT_EQ(LibraryPool::GetSize(), 0);
    EXPECT_EQ(LibraryPool::GetElement(0), nullptr);

    LibraryPool::AddLibrary("extra_a");
    LibraryPool::AddLibrary("extra_b");
    LibraryPool::AddLibrary("extra_c");
    EXPECT_EQ(LibraryPool::GetSize(), 3);
    EXPECT_EQ(NameOrNone(LibraryPool::GetElement(0)), "extra_a");
    EXPECT_EQ(NameOrNone(LibraryPool::GetElement(2)), "extra_c");
    EXPECT_EQ(NameOrNone(LibraryPool::GetElement(1)), "extra_b");
    EXPECT_EQ(LibraryPool::GetElement(3), nullptr);
    EXPECT_EQ(LibraryPool::GetElement(-1), nullptr);

    LibraryPool::Initialize();
    EXPECT_EQ(LibraryPool::GetSize(), 0);
    EXPECT_EQ(LibraryPool::GetElement(0), nullptr);
    LibraryPool::AddLibrary("again");
    EXPECT_EQ(NameOrNone(LibraryPool::GetElement(0)), "again");
    LibraryPool::Finalize();
    EXPECT_EQ(LibraryPool::GetSize(), 0);
}

} // namespace
