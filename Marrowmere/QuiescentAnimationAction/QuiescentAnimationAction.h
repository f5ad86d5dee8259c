#pragma once

#include "Core/Point/Point2D.h"
#include "Core/Resource/ResourceType.h"
#include "Core/SequencedActions/SequencedAction.h"

#include <cstdint>
#include <vector>

class Graphic8BitSprite;

// Draws something at rest: a board lot's occupant or flood, or the current item in the queue
// box. It shows the thing's still picture and now and then, at random, plays one of the
// picture's idle animations (its QANA events) in the picture's place. The still picture is
// chosen when the action is made and never changes; the owner makes a new action when what
// it shows changes. The action never finishes: its owner deletes it. The caller starts a new
// sequence first, so that each one runs in a sequence of its own.
class QuiescentAnimationAction : public SequencedAction {
public:
    enum LocationType : std::uint8_t { inhabitantsArea = 0, queueArea = 1 };

    // One idle animation of the picture and when it next comes due (seconds of the action's
    // elapsed time).
    struct Event {
        ResourceID animationID;
        double period;
        double variance;
        double chanceOfOccurring;
        double nextOccurrenceTime;
    };

    // Ends the idle animation's sequence by marking its action still again.
    class ChangeIsAnimatingStatusAction : public SequencedAction {
    public:
        ChangeIsAnimatingStatusAction(QuiescentAnimationAction* controlledAction, bool status)
            : controlledAction(controlledAction), status(status) {}
        void operator()() override;

    private:
        QuiescentAnimationAction* controlledAction;
        bool status;
    };

    // For the queue area the row and column are not used.
    QuiescentAnimationAction(LocationType location, const Point2D& position, int row, int column);
    // Removes the playing idle animation, if any, and the still picture at once.
    ~QuiescentAnimationAction() override;

    void operator()() override;

    // The global switch of the idle animations; the still pictures show either way.
    static bool AreAnimationsActive() { return areAnimationsActive; }
    static void SetAnimationsActivityState(bool isActive) { areAnimationsActive = isActive; }

    // The still picture's id, for the owners' and tests' checks.
    ResourceID StillPictureID() const { return stillPictureID; }
    bool IsAnimating() const { return isAnimating; }

    static constexpr int renderingOrderPosition = 1;

private:
    static ResourceID GetResourceID(LocationType location, int row, int column);
    void ReadEventsResource(ResourceID resourceID);
    double ChooseEventTime(double period, double variance) const;
    void Play(const Event& event);

    Point2D position;
    ResourceID stillPictureID;
    Graphic8BitSprite* sprite;
    std::vector<Event> events;
    bool isAnimating = false;
    SequencedActionHandler* animationSequence = nullptr;

    static bool areAnimationsActive;
};
