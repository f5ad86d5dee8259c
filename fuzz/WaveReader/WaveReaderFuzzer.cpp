// Feeds arbitrary bytes to the wave reader as a sound block would reach it. The image is
// copied into a heap block of exactly its size, so any read past its end is caught.

#include "Core/Wave/CWave.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > INT_MAX) {
        return 0;
    }
    auto image = std::make_unique<unsigned char[]>(size == 0 ? 1 : size);
    if (size != 0) {
        std::memcpy(image.get(), data, size);
    }
    CWave wave;
    if (wave.LoadWave(image.get(), static_cast<int>(size), CWave::loadFromMemory | CWave::loadFromMemoryImage)) {
        // A loaded wave's samples must lie within what the reader handed out.
        volatile unsigned char sum = 0;
        const unsigned char* samples = wave.GetWaveData();
        for (unsigned i = 0; i < wave.GetWaveSize(); ++i) {
            sum += samples[i];
        }
        if (wave.GetWaveFormat() == nullptr) {
            __builtin_trap();
        }
    }
    return 0;
}
