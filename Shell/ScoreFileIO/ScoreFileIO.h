#pragma once

#include "Shell/ScoreFileIO/ScoreRecords.h"

#include <filesystem>

// The table of the ten best games, held in memory and kept in the file "highscores.mm" in
// the player's data folder. The table in memory is the master copy: it is read once at
// start-up and the file is rewritten whole after each change. The file is untrusted input
// and is repaired on reading; it is replaced in one step on writing, so a failed write never
// loses the previous table.
class CScoreFileIO {
public:
    static constexpr int blockCount = 10;
    static constexpr const char* sDefaultID = "MM_HIGHSCORESHEADER";
    static constexpr const char* sDefaultVersion = "01.00.00";
    static constexpr const char* fileName = "highscores.mm";

    // Clears the table, marks it not loaded and sets the header to its defaults. The file
    // lives in `folder` (the player's data folder; created by the first write if needed).
    static void Initialize(const std::filesystem::path& folder);
    static void Finalize();

    // Loads the table from the file. A missing or unreadable file leaves the cleared table;
    // a damaged one is repaired. In every case the table counts as loaded afterwards.
    static void Read();
    // Saves the whole table. A failure leaves the table in memory and the old file as they
    // were and is not reported to the player; the result says whether the file was written.
    static bool Write();

    // The score would enter the table: some entry (empty ones hold 0) is strictly lower.
    // Never while the table is not loaded.
    static bool IsHighScore(long score);
    // Puts the entry behind every entry with an equal or better score; the old tenth
    // place drops out. Called only after IsHighScore was true; null pointers are ignored.
    static void AddEntry(_tagHSRecord* pHS, _tagStatsRecord* pStat);
    // The block of rank nRank (1 to 10), empty or not; null for any other rank.
    static const _tagHSFileBlock* GetEntry(long nRank);
    // Empties every block and gives them the ranks 1 to 10 in slot order; the header's
    // identifier and version stay as they are.
    static void Clear();
    static int GetCount();

    static std::filesystem::path FilePath();

private:
    static _tagHSHeader m_header;
    static _tagHSFileBlock m_pHSFileBlocks[blockCount];
    static bool m_bFileLoaded;
    static std::filesystem::path m_folder;
};
