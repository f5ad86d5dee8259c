#include "Content/GameArt/BoardArt.h"

#include "Content/ArtKit/ArtStyle.h"
#include "Content/GameArt/SceneAnimator.h"
#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/GraphicIDs.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr ObjectType animals[] = {flyer, swimmer, grazer, cannibal};
constexpr DirectionType directions[] = {up, down, left, right};
const char* const directionNames[] = {"up", "down", "left", "right"};
const char* const kindNames[] = {"flyer", "swimmer", "grazer", "cannibal", "grass", "tree"};

// Pose of one turn: the glyph and the mark sweep a quarter (or a half) turn; where the resting
// pose at the end is mirrored against the sweep, the glyph rolls over in the middle.
CreaturePose SweepPose(ObjectType kind, DirectionType from, DirectionType to, double sweep, double t)
{
    const CreaturePose start = StillPose(kind, from);
    const CreaturePose end = StillPose(kind, to);
    const double turned = start.angle + sweep;
    const bool halfTurnApart = std::fmod(std::fmod(end.angle - turned, 360.0) + 360.0, 360.0) > 90;
    const double endScaleX = halfTurnApart ? -end.scaleX : end.scaleX;
    const double endScaleY = halfTurnApart ? -1 : 1;
    // Quick enough to fall between two frames, so no frame shows the glyph edge-on.
    const double roll = Ramp(0.35, 0.65, t);
    CreaturePose pose = start;
    pose.angle = start.angle + sweep * Ease(t);
    pose.arrowAngle = start.arrowAngle + sweep * Ease(t);
    pose.scaleX = Mix(start.scaleX, endScaleX, roll);
    pose.scaleY = Mix(1, endScaleY, roll);
    return pose;
}

// A reversal: sideways creatures turn round on the spot, upright ones spin a half turn; both hop.
CreaturePose ReversePose(ObjectType kind, DirectionType from, double t)
{
    CreaturePose pose = StillPose(kind, from);
    const double e = Ease(t);
    if (from == left || from == right) {
        pose.scaleX = pose.scaleX * std::cos(M_PI * Ramp(0.3, 0.7, t));
    } else {
        pose.angle += 180 * e;
    }
    pose.arrowAngle += 180 * e;
    pose.shift.setY(-8 * std::sin(M_PI * t));
    return pose;
}

LotScene WithWater(LotScene scene, double level = 1)
{
    scene.waterLevel = level;
    return scene;
}

LotScene Scene(std::vector<CreaturePose> creatures, double water = 0)
{
    LotScene scene;
    scene.creatures = std::move(creatures);
    scene.waterLevel = water;
    return scene;
}

// A creature shrinking and dissolving away from `from` (0) to the end (1) of t.
CreaturePose Vanishing(CreaturePose pose, double from, double t, double spin = 0)
{
    const double gone = Ramp(from, 1.0, t);
    pose.size *= 1 - gone;
    pose.opacity = 1 - gone;
    pose.angle += spin * gone;
    return pose;
}

void AddTurnsAndReversals(SceneAnimator& animator, ObjectType kind, DirectionType d, bool inFlood)
{
    static const DirectionType clockwise[4] = {right, left, up, down};
    static const DirectionType counterclockwise[4] = {left, right, down, up};
    static const DirectionType reversed[4] = {down, up, right, left};
    const double water = inFlood ? 1 : 0;
    const auto end = [&](DirectionType to) {
        return inFlood ? FloodedScene(kind, to) : ObjectScene(kind, to);
    };
    const std::string where = std::string(kindNames[kind]) + (inFlood ? " in flood " : " ") + directionNames[d];
    animator.Animate(inFlood ? AnimationIDs::SwimmerReversingInFlood(d) : AnimationIDs::AnimalReversing(kind, d),
                     "reverse " + where, 8, [=](double t) {
                         return t >= 1 ? end(reversed[d]) : Scene({ReversePose(kind, d, t)}, water);
                     });
    animator.Animate(inFlood ? AnimationIDs::SwimmerTurningClockwiseInFlood(d)
                             : AnimationIDs::AnimalTurningClockwise(kind, d),
                     "turn clockwise " + where, 8, [=](double t) {
                         return t >= 1 ? end(clockwise[d]) : Scene({SweepPose(kind, d, clockwise[d], 90, t)}, water);
                     });
    animator.Animate(inFlood ? AnimationIDs::SwimmerTurningCounterclockwiseInFlood(d)
                             : AnimationIDs::AnimalTurningCounterclockwise(kind, d),
                     "turn counterclockwise " + where, 8, [=](double t) {
                         return t >= 1 ? end(counterclockwise[d])
                                       : Scene({SweepPose(kind, d, counterclockwise[d], -90, t)}, water);
                     });
}

// Killing on dry land: the animal spins down and dissolves while grass grows in its place.
void AddDeaths(SceneAnimator& animator, ObjectType kind, DirectionType d)
{
    animator.Animate(AnimationIDs::ObjectBeingKilled(kind, d), std::string("die ") + kindNames[kind] + " " + directionNames[d],
                     10, [=](double t) {
                         if (t >= 1) {
                             return ObjectScene(grass, d);
                         }
                         CreaturePose grassPose = StillPose(grass, d);
                         grassPose.size = Ramp(0.35, 1.0, t);
                         return Scene({Vanishing(StillPose(kind, d), 0.0, std::min(1.0, t / 0.75), 120), grassPose});
                     });
}

// A flood rising over a dry lot: what cannot swim goes under, a swimmer and a tree stay on top.
void AddFlooding(SceneAnimator& animator, ObjectType kind, DirectionType d, ResourceID id)
{
    const bool stays = kind == swimmer || kind == tree;
    animator.Animate(id, std::string("flood ") + kindNames[kind] + " " + directionNames[d], 10, [=](double t) {
        if (t >= 1) {
            return stays ? FloodedScene(kind, d) : FloodScene();
        }
        CreaturePose pose = StillPose(kind, d);
        LotScene scene = Scene({}, Ease(t));
        if (!stays) {
            pose.shift.setY(-5 * std::sin(M_PI * std::min(1.0, t * 1.6)));
            pose = Vanishing(pose, 0.55, t);
            scene.waterOverCreatures = true;
        }
        scene.creatures = {pose};
        return scene;
    });
}

// An animal dropped into a flood: it splashes in; all but the swimmer sink.
void AddEnteringFlood(SceneAnimator& animator, ObjectType kind, DirectionType d)
{
    animator.Animate(AnimationIDs::AnimalEnteringFlood(kind, d),
                     std::string("enter flood ") + kindNames[kind] + " " + directionNames[d], 10, [=](double t) {
                         if (t >= 1) {
                             return kind == swimmer ? FloodedScene(kind, d) : FloodScene();
                         }
                         CreaturePose pose = StillPose(kind, d);
                         const double fall = Ramp(0.0, 0.35, t);
                         pose.shift.setY(-28 * (1 - fall));
                         pose.size = Mix(1.2, 1.0, fall);
                         if (kind != swimmer) {
                             pose = Vanishing(pose, 0.45, t, 40);
                         }
                         LotScene scene = Scene({pose}, 1);
                         scene.waterPhase = 0.5 * t;
                         return scene;
                     });
}

// The prey of an eating trembles, leans away from the predator,
// then is gone as the predator arrives (after as many frames as the predator's lunge).
// `away` is the predator's facing: the way it pushes into this lot.
LotScene PreyScene(ObjectType kind, DirectionType preyDirection, QPointF away, double t)
{
    if (t >= 1) {
        return LotScene{};
    }
    CreaturePose pose = StillPose(kind, preyDirection);
    const double lean = Ramp(0.0, 0.5, t);
    const double tremble = t < 0.6 ? 3.5 * std::sin(t * 46) : 0;
    const double startle = -7 * std::sin(M_PI * std::min(1.0, t / 0.25));
    pose.shift = away * (11 * lean) + QPointF(tremble, startle);
    pose.arrowSize = 1 + 0.3 * std::sin(M_PI * std::min(1.0, t / 0.6));
    return Scene({Vanishing(pose, 0.6, t)});
}

constexpr int eatingFrames = 12;
constexpr int stepFrames = 8;

QPointF Unit(DirectionType d)
{
    const QPoint step = LotStep(d);
    return QPointF(step) / LotScene::lotPitch;
}

// The predator winds up, lunges into the prey's lot and bites; it ends at rest in that lot.
LotScene PredatorScene(ObjectType kind, DirectionType d, double t)
{
    if (t >= 1) {
        return ObjectScene(kind, d);
    }
    CreaturePose pose = StillPose(kind, d);
    pose.shift = Unit(d) * (-7 * std::sin(M_PI * std::min(1.0, t / 0.3)));
    const double bite = Ramp(0.7, 1.0, t);
    pose.size = 1 - 0.12 * std::sin(M_PI * bite); // the bite: a quick squash as it lands
    // The mark swells as it sets off but keeps its size in the bite, so it stays in the lot.
    pose.arrowSize = (1 + 0.4 * std::sin(M_PI * Ramp(0.2, 0.6, t))) / pose.size;
    return Scene({pose});
}

QPoint LungeOffset(DirectionType d, double t)
{
    const QPointF moved = QPointF(LotStep(d)) * Ramp(0.3, 0.72, t);
    return QPoint(static_cast<int>(std::lround(moved.x())), static_cast<int>(std::lround(moved.y())));
}

void AddEatings(SceneAnimator& animator, DirectionType d)
{
    struct Eating {
        ObjectType predator;
        ObjectType prey;
    };
    static constexpr Eating eatings[] = {{flyer, swimmer},  {swimmer, grazer},  {grazer, cannibal},
                                         {grazer, grass},   {cannibal, flyer}, {cannibal, cannibal}};
    for (const Eating& eating : eatings) {
        animator.Animate(AnimationIDs::PredatorEatingPrey(eating.predator, eating.prey, d),
                         std::string(kindNames[eating.predator]) + " eats " + kindNames[eating.prey] + " " +
                             directionNames[d],
                         eatingFrames, [=](double t) { return PredatorScene(eating.predator, d, t); },
                         [=](double t) { return LungeOffset(d, t); });
    }
    // From a flood the swimmer leaves its water behind: one picture spans both lots.
    const QPoint step = LotStep(d);
    const QRect both(std::min(0, step.x()), std::min(0, step.y()), LotScene::lotPicture + std::abs(step.x()),
                     LotScene::lotPicture + std::abs(step.y()));
    animator.Animate(AnimationIDs::SwimmerEatingGrazerFromFlood(d), std::string("swimmer eats from flood ") + directionNames[d],
                     eatingFrames, [=](double t) {
                         LotScene scene = t >= 1 ? ObjectScene(swimmer, d) : PredatorScene(swimmer, d, t);
                         scene.canvas = both;
                         scene.waterLevel = 1;
                         scene.creatures.front().shift += QPointF(LungeOffset(d, t));
                         return scene;
                     });
    // Prey of every kind, for every facing of the prey, the predator facing d.
    for (DirectionType preyDirection : directions) {
        const auto prey = [&](ObjectType kind, ObjectType predator, ResourceID id) {
            animator.Animate(id,
                             std::string(kindNames[kind]) + " " + directionNames[preyDirection] + " eaten by " +
                                 kindNames[predator] + " " + directionNames[d],
                             eatingFrames, [=](double t) { return PreyScene(kind, preyDirection, Unit(d), t); });
        };
        prey(flyer, cannibal, AnimationIDs::PreyPreparingToBeEaten(flyer, preyDirection, cannibal, d));
        prey(swimmer, flyer, AnimationIDs::PreyPreparingToBeEaten(swimmer, preyDirection, flyer, d));
        prey(grazer, swimmer, AnimationIDs::PreyPreparingToBeEaten(grazer, preyDirection, swimmer, d));
        prey(cannibal, grazer, AnimationIDs::PreyPreparingToBeEaten(cannibal, preyDirection, grazer, d));
        prey(cannibal, cannibal, AnimationIDs::PreyPreparingToBeEaten(cannibal, preyDirection, cannibal, d));
    }
}

// The flyer's hunt: it crouches, flies lot by lot, and the swimmer waits for it nervously.
void AddHunt(SceneAnimator& animator, DirectionType d)
{
    animator.Animate(AnimationIDs::FlyerPreparingToEat(d), std::string("flyer prepares ") + directionNames[d], stepFrames,
                     [=](double t) {
                         CreaturePose pose = StillPose(flyer, d);
                         pose.size = 1 - 0.12 * std::sin(M_PI * Ramp(0, 0.5, t)) + 0.08 * std::sin(M_PI * Ramp(0.5, 1, t));
                         pose.arrowSize = 1 + 0.5 * std::sin(M_PI * t);
                         return t >= 1 ? ObjectScene(flyer, d) : Scene({pose});
                     });
    animator.Animate(AnimationIDs::FlyerFlying(d), std::string("flyer flies ") + directionNames[d], stepFrames,
                     [=](double t) {
                         CreaturePose pose = StillPose(flyer, d);
                         pose.size = 1 + 0.1 * std::sin(M_PI * t);
                         pose.shift.setY(-4 * std::sin(M_PI * t));
                         return t >= 1 ? ObjectScene(flyer, d) : Scene({pose});
                     },
                     [=](double t) {
                         const QPointF moved = QPointF(LotStep(d)) * t;
                         return QPoint(static_cast<int>(std::lround(moved.x())), static_cast<int>(std::lround(moved.y())));
                     });
    animator.Animate(AnimationIDs::SwimmerPreparingToWaitToBeEaten(d), std::string("swimmer looks up ") + directionNames[d],
                     stepFrames, [=](double t) {
                         CreaturePose pose = StillPose(swimmer, d);
                         pose.angle += 12 * std::sin(2 * M_PI * t);
                         pose.arrowSize = 1 + 0.3 * std::sin(M_PI * t);
                         return t >= 1 ? ObjectScene(swimmer, d) : Scene({pose});
                     });
    animator.Animate(AnimationIDs::SwimmerWaitingToBeEaten(d), std::string("swimmer waits ") + directionNames[d],
                     stepFrames, [=](double t) {
                         CreaturePose pose = StillPose(swimmer, d);
                         pose.shift.setX(2.5 * std::sin(4 * M_PI * t));
                         return t >= 1 ? ObjectScene(swimmer, d) : Scene({pose});
                     });
}

void AddFloodAnimations(SceneAnimator& animator, DirectionType d)
{
    const std::string facing = directionNames[d];
    animator.Animate(AnimationIDs::SwimmerBeingKilledInFlood(d), "swimmer dies in flood " + facing, 10, [=](double t) {
        return t >= 1 ? FloodScene() : Scene({Vanishing(StillPose(swimmer, d), 0.0, t, 200)}, 1);
    });
    animator.Animate(AnimationIDs::SwimmerBeingFloodedInFlood(d), "swimmer flooded again " + facing, 8, [=](double t) {
        CreaturePose pose = StillPose(swimmer, d);
        pose.shift.setY(-6 * std::sin(M_PI * t));
        LotScene scene = Scene({pose}, 1);
        scene.waterPhase = t;
        return t >= 1 ? FloodedScene(swimmer, d) : scene;
    });
    animator.Animate(AnimationIDs::SwimmerFloodEvaporating(d), "flood dries under swimmer " + facing, 10, [=](double t) {
        return t >= 1 ? ObjectScene(swimmer, d) : Scene({StillPose(swimmer, d)}, 1 - Ease(t));
    });
}

void AddPlantAndWaterAnimations(SceneAnimator& animator)
{
    animator.Animate(AnimationIDs::ObjectBeingKilled(grass, up), "grass grows into a tree", 10, [](double t) {
        if (t >= 1) {
            return ObjectScene(tree, up);
        }
        CreaturePose treePose = StillPose(tree, up);
        treePose.size = Ramp(0.3, 1.0, t);
        return Scene({Vanishing(StillPose(grass, up), 0.0, std::min(1.0, t / 0.7)), treePose});
    });
    AddFlooding(animator, grass, up, AnimationIDs::ObjectBeingFlooded(grass, up));
    AddFlooding(animator, tree, up, AnimationIDs::ObjectBeingFlooded(tree, up));
    animator.Animate(AnimationIDs::EmptyAreaBeingFlooded(), "flood rises", 10,
                     [](double t) { return t >= 1 ? FloodScene() : Scene({}, Ease(t)); });
    animator.Animate(AnimationIDs::FloodBeingFlooded(), "flood renewed", 8, [](double t) {
        LotScene scene = FloodScene();
        scene.waterPhase = t;
        return scene;
    });
    animator.Animate(AnimationIDs::TreeBeingFloodedInFlood(), "tree flooded again", 8, [](double t) {
        LotScene scene = FloodedScene(tree, up);
        scene.waterPhase = t;
        return scene;
    });
    animator.Animate(AnimationIDs::FloodEvaporating(), "flood dries up", 10,
                     [](double t) { return Scene({}, 1 - Ease(t)); });
    animator.Animate(AnimationIDs::TreeFloodEvaporating(), "flood dries under tree", 10, [](double t) {
        return t >= 1 ? ObjectScene(tree, up) : Scene({StillPose(tree, up)}, 1 - Ease(t));
    });
    animator.Animate(AnimationIDs::GrassPreparingToBeEaten(), "grass eaten", eatingFrames,
                     [](double t) { return PreyScene(grass, up, QPointF(), t); });
}

// The coarse mode's one animation for everything: a square burst of big pixels.
QImage CoarseBurst(double t)
{
    QImage picture(LotScene::lotPicture, LotScene::lotPicture, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    constexpr int block = 6;
    const double radius = 6 + 34 * t;
    for (int y = 0; y < LotScene::lotPicture / block; ++y) {
        for (int x = 0; x < LotScene::lotPicture / block; ++x) {
            const double dx = (x + 0.5) * block - 42, dy = (y + 0.5) * block - 42;
            const double ring = std::max(std::abs(dx), std::abs(dy));
            if (std::abs(ring - radius) < block * 1.1 && ((x + y) % 2 == 0 || t < 0.5)) {
                painter.fillRect(x * block, y * block, block, block,
                                 ArtStyle::speciesColors[(x * 3 + y) % 4].lighter(100 + static_cast<int>(40 * t)));
            }
        }
    }
    return picture;
}

} // namespace

LotScene ObjectScene(ObjectType kind, DirectionType direction)
{
    return Scene({StillPose(kind, kind > cannibal ? up : direction)});
}

LotScene FloodedScene(ObjectType kind, DirectionType direction)
{
    return WithWater(ObjectScene(kind, direction));
}

LotScene FloodScene(bool lantern)
{
    LotScene scene = Scene({}, 1);
    scene.lantern = lantern;
    return scene;
}

void AddBoardStills(ArtCatalogue& catalogue)
{
    SceneAnimator animator(catalogue);
    for (ObjectType kind : {flyer, swimmer, grazer, cannibal, grass, tree}) {
        for (DirectionType d : directions) {
            if (kind > cannibal && d != up) {
                continue;
            }
            LotScene scene = ObjectScene(kind, d);
            animator.Still(GraphicIDs::Object(kind, d), scene, "creatures");
            scene.look = SceneLook::coarse;
            animator.Still(static_cast<ResourceID>(GraphicIDs::Object(kind, d) + alternativeSetOffset), scene, "coarse set");
            if (kind <= cannibal) {
                LotScene ghost = ObjectScene(kind, d);
                ghost.look = SceneLook::ghost;
                animator.Still(GraphicIDs::GhostAnimal(kind, d), ghost, "ghosts");
                ghost.look = SceneLook::floodGhost;
                animator.Still(GraphicIDs::FloodGhostAnimal(kind, d), ghost, "ghosts");
            }
        }
    }
    for (DirectionType d : directions) {
        LotScene scene = FloodedScene(swimmer, d);
        animator.Still(GraphicIDs::FloodedSwimmer(d), scene, "floods");
        scene.look = SceneLook::coarse;
        animator.Still(static_cast<ResourceID>(GraphicIDs::FloodedSwimmer(d) + alternativeSetOffset), scene, "coarse set");
    }
    LotScene floodedTree = FloodedScene(tree, up);
    animator.Still(GraphicIDs::FloodedTree(), floodedTree, "floods");
    floodedTree.look = SceneLook::coarse;
    animator.Still(static_cast<ResourceID>(GraphicIDs::FloodedTree() + alternativeSetOffset), floodedTree, "coarse set");
    animator.Still(GraphicIDs::Flood(), FloodScene(), "floods");
    animator.Still(static_cast<ResourceID>(GraphicIDs::Flood() + alternativeSetOffset), FloodScene(true), "floods");
}

void AddBoardAnimations(ArtCatalogue& catalogue)
{
    SceneAnimator animator(catalogue);
    for (ObjectType kind : animals) {
        for (DirectionType d : directions) {
            AddTurnsAndReversals(animator, kind, d, false);
            AddDeaths(animator, kind, d);
            AddFlooding(animator, kind, d, AnimationIDs::ObjectBeingFlooded(kind, d));
            AddEnteringFlood(animator, kind, d);
        }
    }
    for (DirectionType d : directions) {
        AddTurnsAndReversals(animator, swimmer, d, true);
        AddFloodAnimations(animator, d);
        AddEatings(animator, d);
        AddHunt(animator, d);
    }
    AddPlantAndWaterAnimations(animator);
    ArtCatalogue::Animation burst{coarseModeAnimationID, SceneAnimator::framesPerSecond, {}, "coarse mode burst"};
    for (int frame = 0; frame < 8; ++frame) {
        const double t = frame / 7.0;
        burst.frames.push_back({catalogue.FrameGraphic("coarse burst " + std::to_string(frame), {},
                                                       [t] { return CoarseBurst(t); }),
                                {}});
    }
    catalogue.AddAnimation(std::move(burst));
}
