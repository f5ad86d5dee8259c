#include "Core/Wave/CWave.h"

#include "Core/Wave/Wave.h"

#include <cstdlib>

CWave::CWave()
    : m_hmmioIn(nullptr),
      m_pwfxInfo(nullptr), m_mmckInRIFF{}, m_pWaveData(nullptr), m_nWaveDataSize(0),
      m_bWaveLoaded(false), m_nLastError(CWE_NONE)
{
}

CWave::~CWave()
{
    WaveCloseReader(m_hmmioIn);
    std::free(m_pwfxInfo);
    std::free(m_pWaveData);
}

bool CWave::LoadWave(const unsigned char* pFile, int nSize, unsigned long dwOptions)
{
    if (m_bWaveLoaded) {
        m_nLastError = CWE_LOADED;
        return false;
    }
    if (!OpenWaveFile(pFile, nSize, dwOptions)) {
        return false;
    }
    if (int result = WaveLoadFromOpenFile(&m_hmmioIn, &m_nWaveDataSize, &m_mmckInRIFF, &m_pWaveData); result != 0) {
        m_nLastError = ParseOEMError(result);
        m_nWaveDataSize = 0;
        std::free(m_pWaveData);
        m_pWaveData = nullptr;
        return false;
    }
    m_bWaveLoaded = true;
    return true;
}

bool CWave::OpenWaveFile(const unsigned char* pFile, int nSize, unsigned long dwOptions)
{
    if (m_bWaveLoaded) {
        m_nLastError = CWE_LOADED;
        return false;
    }
    if (m_hmmioIn != nullptr) {
        m_nLastError = CWE_INVALIDPARAM;
        return false;
    }
    if (pFile == nullptr) {
        m_nLastError = CWE_NULLPTR;
        return false;
    }
    if ((dwOptions & (loadFromMemory | loadFromMemoryImage)) == 0) {
        m_nLastError = CWE_NOTIMPLEMENTED;
        return false;
    }
    if (nSize < 1) {
        m_nLastError = CWE_INVALIDPARAM;
        return false;
    }

    std::free(m_pwfxInfo);
    m_pwfxInfo = nullptr;
    m_mmckInRIFF = {};
    if (int result = WaveOpenMemFile(pFile, nSize, &m_hmmioIn, &m_pwfxInfo, &m_mmckInRIFF); result != 0) {
        m_nLastError = ParseOEMError(result);
        m_mmckInRIFF = {};
        m_hmmioIn = nullptr;
        std::free(m_pwfxInfo);
        m_pwfxInfo = nullptr;
        return false;
    }
    return true;
}

CW_ERROR CWave::ParseOEMError(int error)
{
    switch (error) {
    case waveReaderOutOfMemory:
        return CWE_MEMORY;
    case waveReaderCannotOpen:
        return CWE_OPENFAIL;
    case waveReaderNotWave:
        return CWE_BADFORMAT;
    case waveReaderFormatCutShort:
        return CWE_READFAIL;
    case waveReaderDataCutShort:
        return CWE_BADDATA;
    case waveReaderWriteFailure:
        return CWE_WRITEFAIL;
    default:
        return CWE_UNKNOWN;
    }
}
