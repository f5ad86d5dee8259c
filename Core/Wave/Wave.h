#pragma once

#include "Core/Wave/WaveFormat.h"

// Reading a RIFF WAVE image held in memory. Each function returns 0 or one of these codes
// (or readerChunkNotFound when a chunk the image needs is absent, or 1 for a missing reader).
constexpr int waveReaderOutOfMemory = 0xE000;
constexpr int waveReaderCannotOpen = 0xE100;
constexpr int waveReaderNotWave = 0xE101;      // wrong RIFF form, format chunk too short, extra bytes missing
constexpr int waveReaderFormatCutShort = 0xE102;
constexpr int waveReaderDataCutShort = 0xE103; // the data chunk runs past the image's end
constexpr int waveReaderWriteFailure = 0xE104; // kept for completeness; reading never produces it

// Opens the image and reads its format. On success `*phmmioIn` is the open reader, `*ppwfxInfo`
// a new format block (release it with std::free) and `*pckInRIFF` the RIFF chunk; on failure
// both pointers are null and nothing stays allocated.
int WaveOpenMemFile(const void* pBuffer, long nSize, HMMIO* phmmioIn, WAVEFORMATEX** ppwfxInfo, MMCKINFO* pckInRIFF);

// Positions the reader at the data of the chunk `data`; `pckIn` receives its record.
int WaveStartDataRead(HMMIO* phmmioIn, MMCKINFO* pckIn, MMCKINFO* pckInRIFF);

// Copies up to `cbRead` bytes of the current chunk (at most what is left of it, which
// `pckIn->cksize` counts down). `*cbActualRead` is the count copied, 0 on failure.
int WaveReadFile(HMMIO hmmioIn, unsigned cbRead, unsigned char* pbDest, MMCKINFO* pckIn, unsigned* cbActualRead);

// Reads the whole data chunk into a new block (release it with std::free). On failure the
// outputs are null and 0.
int WaveLoadFromOpenFile(HMMIO* phmmioIn, unsigned* cbSize, MMCKINFO* pckInRiff, unsigned char** ppbData);

// Closes a reader that WaveOpenMemFile opened; null is allowed.
void WaveCloseReader(HMMIO hmmioIn);
