#include "Content/GameArt/IdleArt.h"

#include "Content/GameArt/BoardArt.h"
#include "Content/GameArt/SceneAnimator.h"
#include "Content/GameArt/ToolArt.h"
#include "Marrowmere/IDs/GraphicIDs.h"

#include <cmath>
#include <functional>

namespace {

constexpr DirectionType directions[] = {up, down, left, right};

struct Idle {
    const char* name;
    int frames;
    double period;
    double variance;
    double chance;
    std::function<void(LotScene&, double)> move; // changes the still's scene at moment t
};

// Creatures at rest: calm, a few seconds apart, not every time.
const std::vector<Idle>& CreatureIdles()
{
    static const std::vector<Idle> idles = {
        {"fidget", 8, 6.0, 3.0, 0.6,
         [](LotScene& scene, double t) { scene.creatures.front().angle += 7 * std::sin(2 * M_PI * t); }},
        {"hop", 6, 9.0, 4.0, 0.5,
         [](LotScene& scene, double t) { scene.creatures.front().shift.ry() -= 6 * std::sin(M_PI * t); }},
        {"look", 6, 13.0, 5.0, 0.5,
         [](LotScene& scene, double t) { scene.creatures.front().arrowSize = 1 + 0.35 * std::sin(M_PI * t); }},
    };
    return idles;
}

const Idle plantSway{"sway", 10, 7.0, 3.0, 0.6,
                     [](LotScene& scene, double t) { scene.creatures.front().angle += 5 * std::sin(2 * M_PI * t); }};
const Idle ripple{"ripple", 8, 4.0, 2.0, 0.8, [](LotScene& scene, double t) {
                      scene.waterPhase = t;
                      scene.lanternGlow = 1 - 0.15 * std::sin(M_PI * t);
                  }};
const Idle bob{"bob", 8, 6.0, 3.0, 0.6, [](LotScene& scene, double t) {
                   scene.waterPhase = t;
                   scene.creatures.front().shift.ry() += 3 * std::sin(2 * M_PI * t);
               }};
const Idle coarseHop{"blocky hop", 4, 8.0, 4.0, 0.6,
                     [](LotScene& scene, double t) { scene.creatures.front().shift.ry() -= t > 0 && t < 1 ? 4 : 0; }};

void AddTable(SceneAnimator& animator, ResourceID stillID, const LotScene& still, const std::vector<Idle>& idles)
{
    ArtCatalogue::IdleTable table{stillID, {}};
    for (const Idle& idle : idles) {
        const ResourceID id = animator.Catalogue().NewIdleAnimationID();
        animator.Animate(id, std::string(idle.name) + " of " + std::to_string(stillID), idle.frames, [&](double t) {
            LotScene scene = still;
            if (t < 1) {
                idle.move(scene, t);
            }
            return scene;
        });
        table.events.push_back({id, idle.period, idle.variance, idle.chance});
    }
    animator.Catalogue().AddIdleTable(std::move(table));
}

void AddToolTable(ArtCatalogue& catalogue, ResourceID stillID, Tool tool)
{
    const ResourceID id = catalogue.NewIdleAnimationID();
    ArtCatalogue::Animation pulse{id, SceneAnimator::framesPerSecond, {}, "pulse of " + std::to_string(stillID)};
    constexpr int frames = 8;
    for (int frame = 0; frame < frames; ++frame) {
        const double t = frame / double(frames - 1);
        const double size = 1 + 0.06 * std::sin(M_PI * t);
        const double spin = 10 * std::sin(2 * M_PI * t);
        const ResourceID graphic =
            frame == 0 || frame == frames - 1
                ? stillID
                : catalogue.FrameGraphic("tool " + std::to_string(static_cast<int>(tool)) + " " + std::to_string(frame),
                                         {}, [=] { return PaintTool(tool, LotScene::lotPicture, size, spin); });
        pulse.frames.push_back({graphic, {}});
    }
    catalogue.AddAnimation(std::move(pulse));
    catalogue.AddIdleTable({stillID, {{id, 5.0, 2.0, 0.7}}});
}

} // namespace

void AddIdleAnimations(ArtCatalogue& catalogue)
{
    SceneAnimator animator(catalogue);
    const auto both = [&](ResourceID id, LotScene scene, const std::vector<Idle>& idles) {
        AddTable(animator, id, scene, idles);
        scene.look = SceneLook::coarse;
        AddTable(animator, static_cast<ResourceID>(id + alternativeSetOffset), scene, {coarseHop});
    };
    for (ObjectType kind : {flyer, swimmer, grazer, cannibal}) {
        for (DirectionType d : directions) {
            both(GraphicIDs::Object(kind, d), ObjectScene(kind, d), CreatureIdles());
        }
    }
    both(GraphicIDs::Object(grass, up), ObjectScene(grass, up), {plantSway});
    both(GraphicIDs::Object(tree, up), ObjectScene(tree, up), {plantSway});
    for (DirectionType d : directions) {
        both(GraphicIDs::FloodedSwimmer(d), FloodedScene(swimmer, d), {bob});
    }
    both(GraphicIDs::FloodedTree(), FloodedScene(tree, up), {ripple});
    AddTable(animator, GraphicIDs::Flood(), FloodScene(), {ripple});
    AddTable(animator, static_cast<ResourceID>(GraphicIDs::Flood() + alternativeSetOffset), FloodScene(true), {ripple});
    AddToolTable(catalogue, GraphicIDs::Reverser(), Tool::reverser);
    AddToolTable(catalogue, GraphicIDs::ClockwiseTurner(), Tool::clockwiseTurner);
    AddToolTable(catalogue, GraphicIDs::CounterclockwiseTurner(), Tool::counterclockwiseTurner);
    AddToolTable(catalogue, GraphicIDs::Death(), Tool::death);
    AddToolTable(catalogue, GraphicIDs::Cloud(), Tool::cloud);
    AddToolTable(catalogue, static_cast<ResourceID>(GraphicIDs::Death() + alternativeSetOffset), Tool::otherDeath);
}
