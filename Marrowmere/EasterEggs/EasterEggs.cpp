#include "Marrowmere/EasterEggs/EasterEggs.h"

#include <cstddef>

std::vector<EasterEggs::Egg> EasterEggs::eggs;

EasterEggs::Egg::Egg(const char* name, void (*activationFunction)(), ActivationType activationType)
    : name{}, charactersEnteredCount(0), isActive(false), activationFunction(activationFunction),
      activationType(activationType)
{
    if (name == nullptr) {
        return;
    }
    for (int i = 0; i < nameCapacity - 1 && name[i] != '\0'; ++i) {
        this->name[i] = name[i];
    }
}

void EasterEggs::Egg::Reset()
{
    isActive = false;
}

bool EasterEggs::Egg::IsActive() const
{
    return isActive;
}

void EasterEggs::Egg::CheckInputCharacter(char character, bool& isEggCharacter)
{
    isEggCharacter = false;
    // An empty word has nothing to match; its terminating zero must never count as typed.
    const char expected = name[charactersEnteredCount];
    if (expected == '\0' || character != expected) {
        // The mismatching character is not tried again as the word's first character.
        charactersEnteredCount = 0;
        return;
    }
    ++charactersEnteredCount;
    isEggCharacter = true;
    if (name[charactersEnteredCount] != '\0') {
        return;
    }
    charactersEnteredCount = 0;
    isActive = (activationType == toggle) ? !isActive : true;
    if (activationFunction != nullptr) {
        activationFunction();
    }
}

void EasterEggs::AddEgg(const char* name, void (*activationFunction)(), ActivationType activationType)
{
    eggs.emplace_back(name, activationFunction, activationType);
}

void EasterEggs::RemoveAllEggs()
{
    eggs.clear();
}

void EasterEggs::SetUp()
{
    for (Egg& egg : eggs) {
        egg.Reset();
    }
}

void EasterEggs::TakeDown()
{
}

void EasterEggs::CheckInputCharacter(char character, bool& isEasterEggCharacter)
{
    if (character >= 'A' && character <= 'Z') {
        character = static_cast<char>(character - 'A' + 'a');
    }
    isEasterEggCharacter = false;
    // By index: an activation function may register or remove eggs while this runs.
    for (std::size_t i = 0; i < eggs.size(); ++i) {
        bool isEggCharacter = false;
        eggs[i].CheckInputCharacter(character, isEggCharacter);
        if (isEggCharacter) {
            isEasterEggCharacter = true;
        }
    }
}

bool EasterEggs::IsActive(NameType name)
{
    const auto index = static_cast<std::size_t>(name);
    return name >= 0 && index < eggs.size() && eggs[index].IsActive();
}
