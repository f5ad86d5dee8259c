#pragma once

#include <cstdint>

// The records of the RIFF WAVE format as the wave reader hands them out. Multi-byte fields hold
// host-order values; in a file they are little-endian.

// A four-character code, first character in the lowest byte, as RIFF files store it.
constexpr std::uint32_t MakeFourCC(char a, char b, char c, char d)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(a))
        | (static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 8)
        | (static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 16)
        | (static_cast<std::uint32_t>(static_cast<unsigned char>(d)) << 24);
}

// Format tags this program knows by name.
constexpr std::uint16_t WAVE_FORMAT_PCM = 0x0001;
constexpr std::uint16_t WAVE_FORMAT_ADPCM = 0x0002;
constexpr std::uint16_t WAVE_FORMAT_ALAW = 0x0006;
constexpr std::uint16_t WAVE_FORMAT_MULAW = 0x0007;
constexpr std::uint16_t WAVE_FORMAT_IMA_ADPCM = 0x0011;

#pragma pack(push, 1)
// The format block: the 16 common bytes of a format chunk, the extra size, and then `cbSize`
// extra bytes stored directly behind the block (so a block is 18 + cbSize bytes long).
struct WAVEFORMATEX {
    std::uint16_t wFormatTag;
    std::uint16_t nChannels;
    std::uint32_t nSamplesPerSec;
    std::uint32_t nAvgBytesPerSec;
    std::uint16_t nBlockAlign;
    std::uint16_t wBitsPerSample;
    std::uint16_t cbSize;
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18);

// The extra bytes of a format block.
inline const unsigned char* FormatExtraBytes(const WAVEFORMATEX* format)
{
    return reinterpret_cast<const unsigned char*>(format) + sizeof(WAVEFORMATEX);
}

// One chunk of a RIFF image: its identifier, its data size, the form type (RIFF and LIST chunks
// only), the image offset of its data (for RIFF and LIST chunks, of the form type) and flags.
struct MMCKINFO {
    std::uint32_t ckid;
    std::uint32_t cksize;
    std::uint32_t fccType;
    std::uint32_t dwDataOffset;
    std::uint32_t dwFlags;
};

struct MemoryImageReader;
// An open reader on a wave image in memory.
using HMMIO = MemoryImageReader*;
