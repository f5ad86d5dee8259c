#include "ScoreFileTestSupport.h"
#include "tests/Support/Common/FileAccessOfNobody.h"

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <unistd.h>

namespace {

using FailedWrite = ScoreFileTest;

// Writes the table while one resource limit of this process is lowered.
bool WriteWithLimit(int resource, rlim_t limit)
{
    rlimit saved{};
    ::getrlimit(resource, &saved);
    rlimit lowered = saved;
    lowered.rlim_cur = limit;
    EXPECT_EQ(::setrlimit(resource, &lowered), 0);
    const bool isWritten = CScoreFileIO::Write();
    ::setrlimit(resource, &saved);
    return isWritten;
}

// A good file on disk and a different table in memory; a write that fails leaves the old file
// untouched and no temporary behind, keeps the table in memory, and the next write succeeds.
TEST_F(FailedWrite, AFailedWriteLeavesTheOldFileAndTheTable)
{
    const struct {
        const char* what;
        std::function<bool()> write;
    } cases[] = {
        {"a disk that fills up mid-write", [] {
             // The file-size limit makes every write beyond 100 bytes fail, as a full disk does.
             const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
             const bool isWritten = WriteWithLimit(RLIMIT_FSIZE, 100);
             std::signal(SIGXFSZ, previousHandler);
             return isWritten;
         }},
        {"no file descriptor left for the temporary file", [] {
             const int lowestFree = ::dup(0);
             ::close(lowestFree);
             return WriteWithLimit(RLIMIT_NOFILE, static_cast<rlim_t>(lowestFree));
         }},
        {"a folder without write permission", [this] {
             using std::filesystem::perms;
             std::filesystem::permissions(folder.Path(), perms::owner_read | perms::owner_exec | perms::others_read | perms::others_exec);
             const bool isWritten = WithFileAccessOfNobody(CScoreFileIO::Write);
             std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
             return isWritten;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(File());
        CScoreFileIO::Initialize(folder.Path());
        CScoreFileIO::Read();
        Add("Saved", 800);
        ASSERT_TRUE(CScoreFileIO::Write());
        const Bytes goodFile = ReadAllBytes(File());
        Add("Unsaved", 900);

        EXPECT_FALSE(c.write());
        EXPECT_EQ(ReadAllBytes(File()), goodFile);
        // A temporary file left behind would be a second entry in the folder.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), std::filesystem::directory_iterator()), 1);
        EXPECT_EQ(NamesByRank(), Names({"Unsaved", "Saved"}));

        ASSERT_TRUE(CScoreFileIO::Write());
        CScoreFileIO::Read();
        EXPECT_EQ(NamesByRank(), Names({"Unsaved", "Saved"}));
    }
}

TEST_F(FailedWrite, AFolderThatIsAFileCannotBeWrittenAndNothingBreaks)
{
    const std::filesystem::path notAFolder = folder.Path() / "plain-file";
    WriteAllBytes(notAFolder, Bytes{1, 2, 3});
    CScoreFileIO::Initialize(notAFolder);
    CScoreFileIO::Read();
    Add("Someone", 10);
    EXPECT_FALSE(CScoreFileIO::Write());
    EXPECT_EQ(ReadAllBytes(notAFolder), (Bytes{1, 2, 3}));
}

} // namespace
