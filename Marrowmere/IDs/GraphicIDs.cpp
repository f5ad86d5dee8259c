#include "Marrowmere/IDs/GraphicIDs.h"

#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/IDs/IDNumbering.h"

using namespace IDNumbering;

namespace {

// How far the alternative pictures of a hidden mode lie from the ordinary ones.
constexpr int alternativeSetOffset = 20000;

// The number, or its alternative while the hidden mode is on.
std::int16_t Alternated(int number, EasterEggs::NameType mode)
{
    if (number == noID) {
        return noID;
    }
    return ToID(EasterEggs::IsActive(mode) ? number + alternativeSetOffset : number);
}

// base + the button's look; no id for a value that is no look.
std::int16_t ButtonPicture(int base, ButtonType buttonType)
{
    const int look = static_cast<int>(buttonType);
    return (look >= 0 && look <= 2) ? ToID(base + look) : noID;
}

// base + the time remaining; no id for a time that no dial shows (below 0, beyond 25 turns).
std::int16_t DialPicture(int base, int timeRemaining)
{
    return (timeRemaining >= 0 && timeRemaining <= 25) ? ToID(base + timeRemaining) : noID;
}

// 1000 * S + 100 * h + offset for an animal in a direction.
int AnimalPicture(ObjectType animal, DirectionType direction, int offset)
{
    if (!IsDirection(direction)) {
        return noID;
    }
    return AnimalNumber(animal, 100 * DirectionIndex(direction) + offset);
}

}  // namespace

std::int16_t GraphicIDs::Background()
{
    return 1001;
}

std::int16_t GraphicIDs::Cursor(CursorType cursor)
{
    const int shape = static_cast<int>(cursor);
    return (shape >= 0 && shape <= 7) ? ToID(1101 + 10 * shape) : noID;
}

std::int16_t GraphicIDs::StarvationTimer(int timeRemaining)
{
    return DialPicture(1201, timeRemaining);
}

std::int16_t GraphicIDs::FloodTimer(int timeRemaining)
{
    return DialPicture(1301, timeRemaining);
}

std::int16_t GraphicIDs::ScoreDigitsStart()
{
    return 1501;
}

std::int16_t GraphicIDs::TimerDigitsStart()
{
    return 1521;
}

std::int16_t GraphicIDs::PickCountDigitsStart()
{
    return 1541;
}

std::int16_t GraphicIDs::FloatingScoreDigitsStart()
{
    return 1561;
}

std::int16_t GraphicIDs::PickButton(ButtonType buttonType)
{
    return ButtonPicture(1701, buttonType);
}

std::int16_t GraphicIDs::PickDialogBox()
{
    return 1711;
}

std::int16_t GraphicIDs::PickDialogBoxSelectionOutline()
{
    return 1721;
}

std::int16_t GraphicIDs::PickDialogBoxUseButton(ButtonType buttonType)
{
    return ButtonPicture(1731, buttonType);
}

std::int16_t GraphicIDs::PickDialogBoxCancelButton(ButtonType buttonType)
{
    return ButtonPicture(1741, buttonType);
}

std::int16_t GraphicIDs::TutorialPointer(DirectionType direction)
{
    switch (direction) {
    case right:
        return 1801;
    case left:
        return 1802;
    case down:
        return 1803;
    default:
        return noID;
    }
}

std::int16_t GraphicIDs::GameOverTopHalf()
{
    return 1901;
}

std::int16_t GraphicIDs::GameOverBottomHalf()
{
    return 1902;
}

std::int16_t GraphicIDs::MultipleSpeciesExtinction()
{
    return 1911;
}

std::int16_t GraphicIDs::FlyerExtinction()
{
    return 1912;
}

std::int16_t GraphicIDs::SwimmerExtinction()
{
    return 1913;
}

std::int16_t GraphicIDs::GrazerExtinction()
{
    return 1914;
}

std::int16_t GraphicIDs::CannibalExtinction()
{
    return 1915;
}

std::int16_t GraphicIDs::Overpopulation()
{
    return 1921;
}

std::int16_t GraphicIDs::Object(ObjectType object, DirectionType direction)
{
    int number = noID;
    if (object == grass) {
        number = 6001;
    } else if (object == tree) {
        number = 7001;
    } else {
        number = AnimalPicture(object, direction, 1);
    }
    return Alternated(number, EasterEggs::sevenKGrid);
}

std::int16_t GraphicIDs::GhostAnimal(ObjectType animal, DirectionType direction)
{
    return ToID(AnimalPicture(animal, direction, 99));
}

std::int16_t GraphicIDs::FloodGhostAnimal(ObjectType animal, DirectionType direction)
{
    return ToID(AnimalPicture(animal, direction, 599));
}

std::int16_t GraphicIDs::Flood()
{
    return Alternated(8001, EasterEggs::harborLantern);
}

std::int16_t GraphicIDs::FloodedSwimmer(DirectionType direction)
{
    return Alternated(IsDirection(direction) ? 3501 + 100 * DirectionIndex(direction) : noID, EasterEggs::sevenKGrid);
}

std::int16_t GraphicIDs::FloodedTree()
{
    return Alternated(7501, EasterEggs::sevenKGrid);
}

std::int16_t GraphicIDs::Reverser()
{
    return 9001;
}

std::int16_t GraphicIDs::ClockwiseTurner()
{
    return 9101;
}

std::int16_t GraphicIDs::CounterclockwiseTurner()
{
    return 9201;
}

std::int16_t GraphicIDs::Death()
{
    return Alternated(9301, EasterEggs::thistleCove);
}

std::int16_t GraphicIDs::Cloud()
{
    return 9401;
}
