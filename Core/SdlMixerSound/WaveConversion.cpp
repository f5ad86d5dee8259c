#include "Core/SdlMixerSound/WaveConversion.h"

#include <SDL2/SDL_rwops.h>

#include <climits>
#include <cstring>

namespace {

void Append16(std::vector<std::uint8_t>& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Append32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    Append16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    Append16(bytes, static_cast<std::uint16_t>(value >> 16));
}

void AppendFourCC(std::vector<std::uint8_t>& bytes, const char* code)
{
    bytes.insert(bytes.end(), code, code + 4);
}

// A minimal RIFF WAVE image of the format and the samples: SDL's wave loader, which knows the
// compressed formats, then does the decoding.
bool BuildWaveImage(const WAVEFORMATEX& format, const unsigned char* data, std::uint32_t size, std::vector<std::uint8_t>& image)
{
    const bool isPCM = format.wFormatTag == WAVE_FORMAT_PCM;
    const std::uint64_t formatChunkSize = isPCM ? 16 : 18 + static_cast<std::uint64_t>(format.cbSize);
    const std::uint64_t paddedFormatSize = formatChunkSize + (formatChunkSize & 1);
    const std::uint64_t paddedDataSize = static_cast<std::uint64_t>(size) + (size & 1);
    const std::uint64_t riffSize = 4 + 8 + paddedFormatSize + 8 + paddedDataSize;
    if (riffSize > UINT32_MAX - 8 || riffSize + 8 > static_cast<std::uint64_t>(INT_MAX)) {
        return false;
    }
    image.clear();
    image.reserve(riffSize + 8);
    AppendFourCC(image, "RIFF");
    Append32(image, static_cast<std::uint32_t>(riffSize));
    AppendFourCC(image, "WAVE");
    AppendFourCC(image, "fmt ");
    Append32(image, static_cast<std::uint32_t>(formatChunkSize));
    Append16(image, format.wFormatTag);
    Append16(image, format.nChannels);
    Append32(image, format.nSamplesPerSec);
    Append32(image, format.nAvgBytesPerSec);
    Append16(image, format.nBlockAlign);
    Append16(image, format.wBitsPerSample);
    if (!isPCM) {
        Append16(image, format.cbSize);
        const unsigned char* extra = FormatExtraBytes(&format);
        image.insert(image.end(), extra, extra + format.cbSize);
    }
    image.resize(12 + 8 + paddedFormatSize, 0);
    AppendFourCC(image, "data");
    Append32(image, size);
    if (size > 0) {
        image.insert(image.end(), data, data + size);
    }
    image.resize(riffSize + 8, 0);
    return true;
}

bool ConvertDecodedSamples(const SDL_AudioSpec& decoded, const Uint8* buffer, Uint32 length,
    const DeviceSampleFormat& target, std::vector<std::uint8_t>& samples)
{
    SDL_AudioCVT conversion;
    if (SDL_BuildAudioCVT(&conversion, decoded.format, decoded.channels, decoded.freq, target.format,
            static_cast<Uint8>(target.channels), target.frequency) < 0) {
        return false;
    }
    const std::uint64_t workSize = static_cast<std::uint64_t>(length) * static_cast<std::uint64_t>(conversion.len_mult);
    if (length > static_cast<Uint32>(INT_MAX) || workSize > static_cast<std::uint64_t>(INT_MAX)) {
        return false;
    }
    samples.assign(static_cast<std::size_t>(workSize > 0 ? workSize : 1), 0);
    if (length > 0) {
        std::memcpy(samples.data(), buffer, length);
    }
    conversion.buf = samples.data();
    conversion.len = static_cast<int>(length);
    if (conversion.needed && SDL_ConvertAudio(&conversion) < 0) {
        return false;
    }
    samples.resize(conversion.needed ? static_cast<std::size_t>(conversion.len_cvt) : length);
    return true;
}

} // namespace

bool IsPlayableWaveFormat(std::uint16_t formatTag)
{
    return formatTag == WAVE_FORMAT_PCM || formatTag == WAVE_FORMAT_ADPCM || formatTag == WAVE_FORMAT_ALAW
        || formatTag == WAVE_FORMAT_MULAW || formatTag == WAVE_FORMAT_IMA_ADPCM;
}

bool ConvertWaveSamples(const WAVEFORMATEX& format, const unsigned char* data, std::uint32_t size,
    const DeviceSampleFormat& target, std::vector<std::uint8_t>& samples)
{
    samples.clear();
    std::vector<std::uint8_t> image;
    if (!IsPlayableWaveFormat(format.wFormatTag) || !BuildWaveImage(format, data, size, image)) {
        return false;
    }
    SDL_RWops* stream = SDL_RWFromConstMem(image.data(), static_cast<int>(image.size()));
    if (stream == nullptr) {
        return false;
    }
    SDL_AudioSpec decoded{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(stream, 1, &decoded, &buffer, &length) == nullptr) {
        return false;
    }
    const bool converted = ConvertDecodedSamples(decoded, buffer, length, target, samples);
    SDL_FreeWAV(buffer);
    if (!converted) {
        samples.clear();
    }
    return converted;
}
