#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

#include <string>
#include <vector>

#include "Marrowmere/Inhabitants/InhabitantTypes.h"

// One picture of a board lot: water, then creatures and plants in their poses. Stills and
// every frame of the board's animations are scenes, so a frame that ends an animation is the
// very picture that follows it. Coordinates are pixels from the lot's animation position,
// where the 84 x 84 picture of one lot starts.
struct CreaturePose {
    ObjectType kind = flyer;
    double angle = 0;       // turn of the glyph in degrees clockwise; the glyph itself faces left
    double scaleX = 1;      // -1 mirrors it (facing right)
    double scaleY = 1;
    double arrowAngle = 180; // the facing mark: 0 right, 90 down, 180 left, 270 up
    QPointF shift;          // from the lot's centre
    double size = 1;
    double opacity = 1;     // below 1 the creature is dithered away
    double arrowSize = 1;

    // The same picture written one way: angles in [0, 360), a half turn folded into the mirrors.
    CreaturePose Canonical() const;
};

enum class SceneLook { normal, coarse, ghost, floodGhost };

struct LotScene {
    static constexpr int lotPicture = 84; // a lot's picture, inside the 88-pixel lot
    static constexpr int lotPitch = 88;   // from one lot to the next

    QRect canvas{0, 0, lotPicture, lotPicture};
    double waterLevel = 0;   // 0 dry … 1 the lot full of water
    double waterPhase = 0;   // ripples, 0 … 1 is one cycle
    bool waterOverCreatures = false; // a rising flood covers what stands in it
    bool lantern = false;    // the lantern-lit night flood of the hidden mode
    double lanternGlow = 1;
    std::vector<CreaturePose> creatures;
    SceneLook look = SceneLook::normal;
    double coarseOpacity = 1; // the coarse set dissolves by whole blocks

    std::string Key() const;
    QImage Paint() const;
};

// The resting pose of a creature facing `direction` (plants face no way).
CreaturePose StillPose(ObjectType kind, DirectionType direction);
// The facing mark's angle for a direction.
double ArrowAngle(DirectionType direction);
// One lot's step in a direction, in pixels.
QPoint LotStep(DirectionType direction);
