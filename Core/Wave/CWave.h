#pragma once

#include "Core/Wave/WaveFormat.h"

// Why the last operation of a CWave failed.
enum CW_ERROR {
    CWE_NONE = 0,
    CWE_NOTIMPLEMENTED = 1,
    CWE_INVALIDPARAM = 2,
    CWE_NULLPTR = 3,
    CWE_LOADED = 4,
    CWE_READFAIL = 5,
    CWE_WRITEFAIL = 6,
    CWE_OPENFAIL = 7,
    CWE_BADFORMAT = 8,
    CWE_BADDATA = 9,
    CWE_MEMORY = 10,
    CWE_UNKNOWN = 11,
};

// One wave loaded from a RIFF WAVE image in memory: its format block and its samples exactly as
// stored (compressed or not). A wave is loaded once; it owns its format block, its samples and
// its reader and releases them when destroyed.
class CWave {
public:
    // Option bits of LoadWave and OpenWaveFile; a request needs one of them (only memory images exist).
    static constexpr unsigned long loadFromMemory = 0x00000002;
    static constexpr unsigned long loadFromMemoryImage = 0x00010000;

    CWave();
    CWave(const CWave&) = delete;
    CWave& operator=(const CWave&) = delete;
    virtual ~CWave();

    // Loads a whole wave image; false with the reason in GetLastError() on failure.
    bool LoadWave(const unsigned char* pFile, int nSize, unsigned long dwOptions);
    // Opens the image and reads its format (the first half of LoadWave).
    bool OpenWaveFile(const unsigned char* pFile, int nSize, unsigned long dwOptions);

    unsigned GetWaveSize() const { return m_nWaveDataSize; }
    const unsigned char* GetWaveData() const { return m_pWaveData; }
    // The format block; null until the image has been opened.
    const WAVEFORMATEX* GetWaveFormat() const { return m_pwfxInfo; }
    bool IsLoaded() const { return m_bWaveLoaded; }
    CW_ERROR GetLastError() const { return m_nLastError; }

protected:
    // The CW_ERROR for a code of the wave reader.
    CW_ERROR ParseOEMError(int error);

private:
    HMMIO m_hmmioIn;
    WAVEFORMATEX* m_pwfxInfo;
    MMCKINFO m_mmckInRIFF;
    unsigned char* m_pWaveData;
    unsigned m_nWaveDataSize;
    bool m_bWaveLoaded;
    CW_ERROR m_nLastError;
};
