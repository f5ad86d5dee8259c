#pragma once

#include <string>

// Which resource library holds which block type, and a list of further libraries that are
// searched, in order, for types the fixed table does not name. Library names are the bare
// module names ("mm_grf1"); the back end turns them into files.
class LibraryPool {
public:
    // Empties the list of further libraries.
    static void Initialize();
    // Empties the list again, freeing its nodes.
    static void Finalize();

    static int GetSize();
    // The name of the further library at index (0 = first appended), or nullptr.
    static const char* GetElement(int index);
    // Appends a further library to be searched after those appended before it.
    static void AddLibrary(const std::string& libraryName);

    // The fixed table, by exact text: "GRF1" gives mm_grf1; "SPAN" and "QANA" mm_spqa; "SND"
    // mm_snd; "CLUT" and "DSC1" mm_vid; nullptr and any other text give nullptr.
    static const char* GetNameForResType(const char* restype);

private:
    struct LibraryNode {
        LibraryNode* m_pPrevious = nullptr;
        LibraryNode* m_pNext = nullptr;
        std::string m_pLibraryName;
    };

    static LibraryNode m_TopNode;
    static LibraryNode* m_pIterator;
    static int m_nElements;
    static const char* const pNameArray[4];
};
