#include "tools/GameDriver/ToolEngine.h"

#include "Core/Resource/Resource.h"
#include "Core/SdlMixerSound/SdlMixerSound.h"
#include "Core/Timer/Timer.h"
#include "Core/ZipResource/ResourceLibraries.h"
#include "Core/ZipResource/ZipResource.h"
#include "Marrowmere/GamePlay/GamePlay.h"
#include "Marrowmere/LibraryPool/LibraryPool.h"
#include "Marrowmere/LibraryPool/LibraryPoolDirectory.h"

#include <iostream>

namespace {

LibraryPoolDirectory libraryDirectory;

} // namespace

bool StartToolEngine(DisplayScreen8Bit::PlatformSpecifics* display, bool withSound)
{
    LibraryPool::Initialize();
    const LibraryLoadResult libraries = ResourceLibraries::LoadGameLibraries();
    if (!libraries.loaded) {
        std::cerr << libraries.MissingLibraryMessage() << "\n(" << libraries.problem << ")\n";
        return false;
    }
    Resource::Initialize(new ZipResource(libraryDirectory));
    Timer::Initialize();
    if (!DisplayScreen8Bit::Initialize(display) || !DisplayScreen8Bit::Reserve(DisplayScreen8Bit::defaultScreenDescriptionID)) {
        std::cerr << "Marrowmere: the game's display could not be had\n";
        return false;
    }
    if (withSound) {
        SdlMixerSound::Initialize();
        const WAVEFORMATEX format = SdlMixerSound::StandardFormat();
        if (!SdlMixerSound::StartSdlMixerSound(&format)) {
            std::cerr << "Marrowmere: no sound device; playing without sound\n";
        }
    }
    GamePlay::Initialize();
    return true;
}

void StopToolEngine()
{
    GamePlay::Finalize();
    SdlMixerSound::Finalize();
    DisplayScreen8Bit::Finalize();
    Resource::Finalize();
    ResourceLibraries::UnloadAll();
    LibraryPool::Finalize();
}
