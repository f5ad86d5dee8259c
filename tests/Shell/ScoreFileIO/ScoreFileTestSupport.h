#pragma once

#include "Shell/ScoreFileIO/ScoreFileIO.h"
#include "tests/Support/Common/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;


Bytes ReadAllBytes(const std::filesystem::path& file);
void WriteAllBytes(const std::filesystem::path& file, const Bytes& bytes);
std::vector<std::string> FolderListing(const std::filesystem::path& folder);

// Builds a high-score file by hand, byte by byte, independently of the program's writer.
class FileImage {
public:
    FileImage();  // the cleared table: default header, count 0, slot i holding rank i + 1

    FileImage& Count(std::int32_t count);
    FileImage& Rank(int slot, std::int32_t rank);
    FileImage& Entry(int slot, const std::string& name, std::int32_t score, const std::string& code);
    FileImage& Text(std::size_t offset, const std::string& text);  // raw characters, no zero added
    FileImage& Integer(std::size_t offset, std::int32_t value);

    static std::size_t BlockOffset(int slot) { return 36 + 80 * static_cast<std::size_t>(slot); }

    Bytes bytes;
};

// Starts each test with a freshly initialised table whose file lives in a temporary folder.
class ScoreFileTest : public ::testing::Test {
protected:
    void SetUp() override { CScoreFileIO::Initialize(folder.Path()); }

    std::filesystem::path File() const { return folder.Path() / "highscores.mm"; }
    // Writes the image as the file and reads it into the table.
    void ReadImage(const FileImage& image);
    // Adds a complete entry whose statistics carry the score.
    static void Add(const std::string& name, std::int32_t score, const std::string& code = "CODE");
    // Names by rank 1 to 10 ("" for an empty block).
    static std::vector<std::string> NamesByRank();
    // The table keeps its promises: ranks are a permutation of 1 to 10, the count lies in
    // 0..10 and every name and code ends within its field.
    static void ExpectConsistentTable();

    TemporaryFolder folder;
};
