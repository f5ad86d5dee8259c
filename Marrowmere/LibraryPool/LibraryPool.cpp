#include "Marrowmere/LibraryPool/LibraryPool.h"

#include <cstring>

LibraryPool::LibraryNode LibraryPool::m_TopNode;
LibraryPool::LibraryNode* LibraryPool::m_pIterator = &LibraryPool::m_TopNode;
int LibraryPool::m_nElements = 0;
const char* const LibraryPool::pNameArray[4] = {"mm_grf1", "mm_spqa", "mm_snd", "mm_vid"};

void LibraryPool::Initialize()
{
    LibraryNode* node = m_TopNode.m_pNext;
    while (node != nullptr) {
        LibraryNode* next = node->m_pNext;
        delete node;
        node = next;
    }
    m_TopNode.m_pNext = nullptr;
    m_nElements = 0;
    m_pIterator = &m_TopNode;
}

void LibraryPool::Finalize()
{
    Initialize();
}

int LibraryPool::GetSize()
{
    return m_nElements;
}

const char* LibraryPool::GetElement(int index)
{
    if (index < 0 || index >= m_nElements) {
        return nullptr;
    }
    m_pIterator = m_TopNode.m_pNext;
    for (int step = 0; step < index && m_pIterator != nullptr; ++step) {
        m_pIterator = m_pIterator->m_pNext;
    }
    return m_pIterator == nullptr ? nullptr : m_pIterator->m_pLibraryName.c_str();
}

void LibraryPool::AddLibrary(const std::string& libraryName)
{
    LibraryNode* last = &m_TopNode;
    while (last->m_pNext != nullptr) {
        last = last->m_pNext;
    }
    auto* node = new LibraryNode;
    node->m_pPrevious = last;
    node->m_pLibraryName = libraryName;
    last->m_pNext = node;
    ++m_nElements;
}

const char* LibraryPool::GetNameForResType(const char* restype)
{
    if (restype == nullptr) {
        return nullptr;
    }
    if (std::strcmp(restype, "GRF1") == 0) {
        return pNameArray[0];
    }
    if (std::strcmp(restype, "SPAN") == 0 || std::strcmp(restype, "QANA") == 0) {
        return pNameArray[1];
    }
    if (std::strcmp(restype, "SND") == 0) {
        return pNameArray[2];
    }
    if (std::strcmp(restype, "CLUT") == 0 || std::strcmp(restype, "DSC1") == 0) {
        return pNameArray[3];
    }
    return nullptr;
}
