#include "ScoreFileTestSupport.h"
#include "tests/Support/Common/FileAccessOfNobody.h"

#include <csignal>
#include <functional>

#include <sys/resource.h>

namespace {

using FailedWrite = ScoreFileTest;

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
             rlimit saved{};
             ::getrlimit(RLIMIT_FSIZE, &saved);
             rlimit lowered = saved;
             lowered.rlim_cur = 100;
             EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &lowered), 0);
             const bool isWritten = CScoreFileIO::Write();
             ::setrlimit(RLIMIT_FSIZE, &saved);
             std::signal(SIGXFSZ, previousHandler);
             return isWritten;
         }},
        // No temporary file can be made, as with no file descriptor left.
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
        const Bytes goodFile = ReadFileBytes(File());
        Add("Unsaved", 900);

        EXPECT_FALSE(c.write());
        EXPECT_EQ(ReadFileBytes(File()), goodFile);
        // A temporary file left behind would be a second entry in the folder.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), std::filesystem::directory_iterator()), 1);
        EXPECT_EQ(NamesByRank(), Names({"Unsaved", "Saved"}));

        ASSERT_TRUE(CScoreFileIO::Write());
        CScoreFileIO::Read();
        EXPECT_EQ(NamesByRank(), Names({"Unsaved", "Saved"}));
    }
}

} // namespace
