#pragma once

#include <functional>
#include <string>

#include "Content/GameArt/ArtCatalogue.h"
#include "Content/GameArt/LotScene.h"

// Turns scenes into catalogue entries: stills under their fixed ids, and animations whose
// frames are scenes at evenly spaced moments t from 0 to 1 (frames equal to a still, or to an
// earlier frame, share its graphic).
class SceneAnimator {
public:
    static constexpr int framesPerSecond = 12;
    static constexpr int margin = 16; // room around a lot's picture for frames, a whole number of coarse blocks

    explicit SceneAnimator(ArtCatalogue& catalogue) : catalogue(catalogue) {}

    void Still(ResourceID id, const LotScene& scene, const std::string& group);
    ResourceID Frame(const LotScene& scene);
    // An animation of `frameCount` frames; `offsetAt` moves the frames (zero when not given).
    void Animate(ResourceID id, const std::string& name, int frameCount, const std::function<LotScene(double)>& sceneAt,
                 const std::function<QPoint(double)>& offsetAt = {});

    ArtCatalogue& Catalogue() { return catalogue; }

private:
    ArtCatalogue& catalogue;
};

// Easing and mixing for poses.
double Ease(double t);
double Ramp(double from, double to, double t); // 0 before from, 1 after to, eased between
double Mix(double a, double b, double t);
