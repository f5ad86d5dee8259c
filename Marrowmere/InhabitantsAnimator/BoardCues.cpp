#include "Core/Sound/Sound.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimatorActions.h"
#include "Marrowmere/Locations/Locations.h"

namespace {

// Every cue of the board plays at full level with no priority.
constexpr int cuePriority = 0;
constexpr double cueLevel = 1.0;

}  // namespace

bool IsSwimmerInFlood(int row, int column)
{
    return Inhabitants::IsFlooded(row, column) && Inhabitants::IsOccupied(row, column) &&
           Inhabitants::Object(row, column) == swimmer;
}

void QueueBoardCue(const BoardCue& cue, const Point2D& position, int renderingOrderPosition, int column,
                   int otherColumn)
{
    new Sound::PlayAsynchronouslyAction(cue.soundID, cuePriority, cueLevel,
                                        Locations::InhabitantsSoundPan(column, otherColumn));
    new Graphic8BitSprite::AnimationAction(cue.animationID, position, renderingOrderPosition);
}

void QueueBoardCue(const BoardCue& cue, int row, int column, int renderingOrderPosition)
{
    QueueBoardCue(cue, Locations::ObjectAnimationPosition(row, column), renderingOrderPosition, column, column);
}

void QueueBoardAnimation(ResourceID animationID, int row, int column, int renderingOrderPosition)
{
    new Graphic8BitSprite::AnimationAction(animationID, Locations::ObjectAnimationPosition(row, column),
                                           renderingOrderPosition);
}

BoardCue KillCue(int row, int column)
{
    const DirectionType direction = Inhabitants::Direction(row, column);
    if (IsSwimmerInFlood(row, column)) {
        return {SoundIDs::SwimmerBeingKilledInFlood(), AnimationIDs::SwimmerBeingKilledInFlood(direction)};
    }
    const ObjectType object = Inhabitants::Object(row, column);
    return {SoundIDs::ObjectBeingKilled(object), AnimationIDs::ObjectBeingKilled(object, direction)};
}

BoardCue FloodCue(int row, int column)
{
    const DirectionType direction = Inhabitants::Direction(row, column);
    const ObjectType object = Inhabitants::Object(row, column);
    if (!Inhabitants::IsOccupied(row, column)) {
        return Inhabitants::IsFlooded(row, column)
                   ? BoardCue{SoundIDs::FloodBeingFlooded(), AnimationIDs::FloodBeingFlooded()}
                   : BoardCue{SoundIDs::EmptyAreaBeingFlooded(), AnimationIDs::EmptyAreaBeingFlooded()};
    }
    if (!Inhabitants::IsFlooded(row, column)) {
        return {SoundIDs::ObjectBeingFlooded(object), AnimationIDs::ObjectBeingFlooded(object, direction)};
    }
    // Only a swimmer or a tree stands in a flood.
    return object == swimmer
               ? BoardCue{SoundIDs::SwimmerBeingFloodedInFlood(), AnimationIDs::SwimmerBeingFloodedInFlood(direction)}
               : BoardCue{SoundIDs::TreeBeingFloodedInFlood(), AnimationIDs::TreeBeingFloodedInFlood()};
}

BoardCue EvaporationCue(int row, int column)
{
    if (!Inhabitants::IsOccupied(row, column)) {
        return {SoundIDs::FloodEvaporating(), AnimationIDs::FloodEvaporating()};
    }
    return Inhabitants::Object(row, column) == swimmer
               ? BoardCue{SoundIDs::SwimmerFloodEvaporating(),
                          AnimationIDs::SwimmerFloodEvaporating(Inhabitants::Direction(row, column))}
               : BoardCue{SoundIDs::TreeFloodEvaporating(), AnimationIDs::TreeFloodEvaporating()};
}
