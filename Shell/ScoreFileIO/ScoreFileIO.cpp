#include "Shell/ScoreFileIO/ScoreFileIO.h"

#include "Shell/ScoreFileIO/ReplaceFile.h"
#include "Shell/ScoreFileIO/ScoreFileLayout.h"
#include "Shell/ScoreFileIO/ScoreTableRepair.h"

#include <cstring>

static_assert(CScoreFileIO::blockCount == ScoreFileLayout::blockCount);

_tagHSHeader CScoreFileIO::m_header{};
_tagHSFileBlock CScoreFileIO::m_pHSFileBlocks[blockCount]{};
bool CScoreFileIO::m_bFileLoaded = false;
std::filesystem::path CScoreFileIO::m_folder;

namespace {

// Copies the text with its full width, zero-filled behind it.
template <std::size_t size>
void CopyText(char (&destination)[size], const char* text)
{
    std::memset(destination, 0, size);
    std::strncpy(destination, text, size);
}

}  // namespace

void CScoreFileIO::Initialize(const std::filesystem::path& folder)
{
    m_folder = folder;
    Clear();
    m_bFileLoaded = false;
    CopyText(m_header.sID, sDefaultID);
    CopyText(m_header.sVersion, sDefaultVersion);
    m_header.nScores = 0;
}

void CScoreFileIO::Finalize()
{
}

void CScoreFileIO::Read()
{
    // What the file does not hold keeps the value of the cleared table.
    Clear();
    ScoreFileLayout::FileBytes bytes = ScoreFileLayout::Serialize(m_header, m_pHSFileBlocks);
    const ScoreFileLayout::FileBytes cleared = bytes;
    if (ReadFilePrefix(FilePath(), bytes.data(), bytes.size()) < 0) {
        bytes = cleared;
    }
    ScoreFileLayout::Deserialize(bytes, m_header, m_pHSFileBlocks);
    RepairScoreTable(m_header, m_pHSFileBlocks);
    m_bFileLoaded = true;
}

bool CScoreFileIO::Write()
{
    const ScoreFileLayout::FileBytes bytes = ScoreFileLayout::Serialize(m_header, m_pHSFileBlocks);
    return ReplaceFile(FilePath(), bytes.data(), bytes.size());
}

bool CScoreFileIO::IsHighScore(long score)
{
    if (!m_bFileLoaded) {
        return false;
    }
    for (const _tagHSFileBlock& block : m_pHSFileBlocks) {
        if (block.hsRecord.nScore < score) {
            return true;
        }
    }
    return false;
}

void CScoreFileIO::AddEntry(_tagHSRecord* pHS, _tagStatsRecord* pStat)
{
    if (pHS == nullptr || pStat == nullptr) {
        return;
    }
    // k: the worst rank among the entries that score at least as well as the new one.
    int k = 0;
    int lastSlot = 0;
    for (int slot = 0; slot < blockCount; ++slot) {
        const _tagHSFileBlock& block = m_pHSFileBlocks[slot];
        if (block.hsRecord.nScore >= pHS->nScore && block.ordinal > k) {
            k = block.ordinal;
        }
        if (block.ordinal == blockCount) {
            lastSlot = slot;
        }
    }

    if (k >= blockCount) {
        return;  // not a high score: even the tenth place scores at least as well
    }

    _tagHSFileBlock& entry = m_pHSFileBlocks[lastSlot];
    entry.hsRecord = *pHS;
    entry.hsRecord.pPlayerName[_tagHSRecord::playerNameSize - 1] = '\0';
    entry.hsRecord.pContestCode[_tagHSRecord::contestCodeSize - 1] = '\0';
    entry.StatsRecord = *pStat;
    if (m_header.nScores < blockCount) {
        ++m_header.nScores;
    }

    for (int slot = 0; slot < blockCount; ++slot) {
        _tagHSFileBlock& block = m_pHSFileBlocks[slot];
        if (slot == lastSlot) {
            block.ordinal = k + 1;
        } else if (block.ordinal > k) {
            ++block.ordinal;
        }
    }
}

const _tagHSFileBlock* CScoreFileIO::GetEntry(long nRank)
{
    if (nRank < 1 || nRank > blockCount) {
        return nullptr;
    }
    for (const _tagHSFileBlock& block : m_pHSFileBlocks) {
        if (block.ordinal == nRank) {
            return &block;
        }
    }
    return nullptr;
}

void CScoreFileIO::Clear()
{
    for (int slot = 0; slot < blockCount; ++slot) {
        m_pHSFileBlocks[slot] = _tagHSFileBlock{};
        m_pHSFileBlocks[slot].ordinal = slot + 1;
    }
    m_header.nScores = 0;
}

int CScoreFileIO::GetCount()
{
    return m_header.nScores;
}

std::filesystem::path CScoreFileIO::FilePath()
{
    return m_folder / fileName;
}
