#include "Core/Wave/Wave.h"

#include "Core/Wave/MemoryImageReader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr unsigned commonFormatSize = 16;
constexpr unsigned extraSizeFieldSize = 2;
// A failed query of the reader's state (no reader).
constexpr int readerUnavailable = 1;

std::uint16_t LittleEndian16(const unsigned char* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::uint32_t LittleEndian32(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(LittleEndian16(bytes)) | (static_cast<std::uint32_t>(LittleEndian16(bytes + 2)) << 16);
}

// Reads the format chunk at the reader's cursor into a new format block.
int ReadFormatBlock(HMMIO reader, const MMCKINFO& formatChunk, WAVEFORMATEX** format)
{
    if (formatChunk.cksize < commonFormatSize) {
        return waveReaderNotWave;
    }
    unsigned char common[commonFormatSize];
    if (ReaderRead(reader, common, commonFormatSize) < commonFormatSize) {
        return waveReaderFormatCutShort;
    }
    const std::uint16_t formatTag = LittleEndian16(common);

    // PCM has no extra bytes; other formats state their count behind the common fields. The
    // count and the bytes must lie inside the format chunk: a compressed format whose chunk
    // ends after the common fields has none, and one that claims more than the chunk holds is
    // not a wave we can trust.
    std::uint16_t extraSize = 0;
    if (formatTag != WAVE_FORMAT_PCM && formatChunk.cksize >= commonFormatSize + extraSizeFieldSize) {
        unsigned char field[extraSizeFieldSize];
        if (ReaderRead(reader, field, extraSizeFieldSize) < extraSizeFieldSize) {
            return waveReaderFormatCutShort;
        }
        extraSize = LittleEndian16(field);
        if (commonFormatSize + extraSizeFieldSize + extraSize > formatChunk.cksize) {
            return waveReaderNotWave;
        }
    }

    auto* block = static_cast<WAVEFORMATEX*>(std::malloc(sizeof(WAVEFORMATEX) + extraSize));
    if (block == nullptr) {
        return waveReaderOutOfMemory;
    }
    block->wFormatTag = formatTag;
    block->nChannels = LittleEndian16(common + 2);
    block->nSamplesPerSec = LittleEndian32(common + 4);
    block->nAvgBytesPerSec = LittleEndian32(common + 8);
    block->nBlockAlign = LittleEndian16(common + 12);
    block->wBitsPerSample = LittleEndian16(common + 14);
    block->cbSize = extraSize;
    *format = block;
    auto* extra = reinterpret_cast<unsigned char*>(block) + sizeof(WAVEFORMATEX);
    if (ReaderRead(reader, extra, extraSize) < extraSize) {
        return waveReaderNotWave;
    }
    return 0;
}

} // namespace

int WaveOpenMemFile(const void* pBuffer, long nSize, HMMIO* phmmioIn, WAVEFORMATEX** ppwfxInfo, MMCKINFO* pckInRIFF)
{
    *ppwfxInfo = nullptr;
    *phmmioIn = nullptr;
    HMMIO reader = ReaderOpen(pBuffer, nSize);
    if (reader == nullptr) {
        return waveReaderCannotOpen;
    }

    int result = 0;
    MMCKINFO formatChunk{};
    if (ReaderDescend(reader, pckInRIFF, nullptr, 0) != 0 || pckInRIFF->ckid != MakeFourCC('R', 'I', 'F', 'F')
        || pckInRIFF->fccType != MakeFourCC('W', 'A', 'V', 'E')) {
        result = waveReaderNotWave;
    } else if ((result = ReaderDescend(reader, &formatChunk, pckInRIFF, MakeFourCC('f', 'm', 't', ' '))) == 0) {
        result = ReadFormatBlock(reader, formatChunk, ppwfxInfo);
        if (result == 0) {
            ReaderAscend(reader, &formatChunk);
        }
    }

    if (result != 0) {
        std::free(*ppwfxInfo);
        *ppwfxInfo = nullptr;
        ReaderClose(reader);
        return result;
    }
    *phmmioIn = reader;
    return 0;
}

int WaveStartDataRead(HMMIO* phmmioIn, MMCKINFO* pckIn, MMCKINFO* pckInRIFF)
{
    if (phmmioIn == nullptr || *phmmioIn == nullptr) {
        return readerUnavailable;
    }
    ReaderSeek(*phmmioIn, static_cast<std::uint64_t>(pckInRIFF->dwDataOffset) + 4);
    return ReaderDescend(*phmmioIn, pckIn, pckInRIFF, MakeFourCC('d', 'a', 't', 'a'));
}

int WaveReadFile(HMMIO hmmioIn, unsigned cbRead, unsigned char* pbDest, MMCKINFO* pckIn, unsigned* cbActualRead)
{
    *cbActualRead = 0;
    if (hmmioIn == nullptr || pckIn == nullptr) {
        return readerUnavailable;
    }
    const unsigned count = std::min(cbRead, static_cast<unsigned>(pckIn->cksize));
    if (count > 0 && pbDest == nullptr) {
        return readerUnavailable;
    }
    pckIn->cksize -= count;
    if (ReaderRead(hmmioIn, pbDest, count) < count) {
        return waveReaderDataCutShort;
    }
    *cbActualRead = count;
    return 0;
}

int WaveLoadFromOpenFile(HMMIO* phmmioIn, unsigned* cbSize, MMCKINFO* pckInRiff, unsigned char** ppbData)
{
    *ppbData = nullptr;
    *cbSize = 0;
    MMCKINFO dataChunk{};
    if (int result = WaveStartDataRead(phmmioIn, &dataChunk, pckInRiff); result != 0) {
        return result;
    }
    // A data chunk that claims more bytes than the image holds is corrupt: refuse it before
    // allocating what it claims, which a damaged size field could make gigabytes.
    if (dataChunk.cksize > ReaderBytesLeft(*phmmioIn)) {
        return waveReaderDataCutShort;
    }
    auto* data = static_cast<unsigned char*>(std::malloc(std::max<std::uint32_t>(dataChunk.cksize, 1)));
    if (data == nullptr) {
        return waveReaderOutOfMemory;
    }
    unsigned read = 0;
    if (int result = WaveReadFile(*phmmioIn, dataChunk.cksize, data, &dataChunk, &read); result != 0) {
        std::free(data);
        return result;
    }
    *ppbData = data;
    *cbSize = read;
    return 0;
}

void WaveCloseReader(HMMIO hmmioIn)
{
    ReaderClose(hmmioIn);
}
