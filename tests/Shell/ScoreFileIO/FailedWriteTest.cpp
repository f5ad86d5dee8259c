#include "ScoreFileTestSupport.h"

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Lowers one resource limit of this process for the lifetime of the object.
class LoweredLimit {
public:
    LoweredLimit(int resource, rlim_t limit) : resource(resource)
    {
        ::getrlimit(resource, &saved);
        rlimit lowered = saved;
        lowered.rlim_cur = limit;
        isLowered = ::setrlimit(resource, &lowered) == 0;
    }
    ~LoweredLimit() { ::setrlimit(resource, &saved); }
    LoweredLimit(const LoweredLimit&) = delete;
    LoweredLimit& operator=(const LoweredLimit&) = delete;

    bool IsLowered() const { return isLowered; }

private:
    int resource;
    rlimit saved{};
    bool isLowered = false;
};

// A good file on disk and a different table in memory, ready for a write that must fail.
class FailedWrite : public ScoreFileTest {
protected:
    void SetUp() override
    {
        ScoreFileTest::SetUp();
        CScoreFileIO::Read();
        Add("Saved", 800, "SSSSS-SSSS");
        ASSERT_TRUE(CScoreFileIO::Write());
        goodFile = ReadAllBytes(File());
        Add("Unsaved", 900, "UUUUU-UUUU");
    }

    // The old file is untouched, no temporary is left behind, and the table in memory is kept.
    void ExpectNothingLost()
    {
        EXPECT_EQ(ReadAllBytes(File()), goodFile);
        EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"highscores.mm"});
        EXPECT_STREQ(CScoreFileIO::GetEntry(1)->hsRecord.pPlayerName, "Unsaved");
        EXPECT_EQ(CScoreFileIO::GetCount(), 2);
    }

    Bytes goodFile;
};

TEST_F(FailedWrite, ADiskThatFillsUpMidWriteLeavesTheOldFile)
{
    // The file-size limit makes every write beyond 100 bytes fail, as a full disk does.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    bool isWritten = true;
    {
        LoweredLimit fileSize(RLIMIT_FSIZE, 100);
        ASSERT_TRUE(fileSize.IsLowered());
        isWritten = CScoreFileIO::Write();
    }
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(isWritten);
    ExpectNothingLost();

    // The next successful write stores the full table.
    ASSERT_TRUE(CScoreFileIO::Write());
    CScoreFileIO::Initialize(folder.Path());
    CScoreFileIO::Read();
    EXPECT_EQ(NamesByRank().at(0), "Unsaved");
    EXPECT_EQ(NamesByRank().at(1), "Saved");
}

TEST_F(FailedWrite, ATemporaryFileThatCannotBeCreatedLeavesTheOldFile)
{
    // With no file descriptor left, not even the temporary file can be opened.
    const int lowestFree = ::dup(0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    bool isWritten = true;
    {
        LoweredLimit descriptors(RLIMIT_NOFILE, static_cast<rlim_t>(lowestFree));
        ASSERT_TRUE(descriptors.IsLowered());
        isWritten = CScoreFileIO::Write();
    }
    EXPECT_FALSE(isWritten);
    ExpectNothingLost();
}

TEST_F(FailedWrite, AFolderWithoutWritePermissionLeavesTheOldFile)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser may write into any folder";
    }
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool isWritten = CScoreFileIO::Write();
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
    EXPECT_FALSE(isWritten);
    ExpectNothingLost();
}

TEST_F(FailedWrite, AFolderThatIsAFileCannotBeWrittenAndNothingBreaks)
{
    const std::filesystem::path notAFolder = folder.Path() / "plain-file";
    WriteAllBytes(notAFolder, Bytes{1, 2, 3});
    CScoreFileIO::Initialize(notAFolder);
    CScoreFileIO::Read();
    EXPECT_EQ(CScoreFileIO::GetCount(), 0);
    Add("Someone", 10);
    EXPECT_FALSE(CScoreFileIO::Write());
    EXPECT_EQ(ReadAllBytes(notAFolder), (Bytes{1, 2, 3}));
    EXPECT_STREQ(CScoreFileIO::GetEntry(1)->hsRecord.pPlayerName, "Someone");
}

TEST_F(FailedWrite, AMissingDataFolderIsCreatedByTheFirstWrite)
{
    const std::filesystem::path fresh = folder.Path() / "share" / "Quillon Games" / "Marrowmere 1.0";
    CScoreFileIO::Initialize(fresh);
    CScoreFileIO::Read();
    Add("New", 50);
    ASSERT_TRUE(CScoreFileIO::Write());
    EXPECT_EQ(ReadAllBytes(fresh / "highscores.mm").size(), 836u);
    EXPECT_EQ(FolderListing(fresh), std::vector<std::string>{"highscores.mm"});
}

}  // namespace
