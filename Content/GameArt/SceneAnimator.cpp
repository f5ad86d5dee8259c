#include "Content/GameArt/SceneAnimator.h"

#include <algorithm>
#include <cmath>

void SceneAnimator::Still(ResourceID id, const LotScene& scene, const std::string& group)
{
    catalogue.AddStill(id, scene.canvas.topLeft(), [scene] { return scene.Paint(); }, group, scene.Key(), true);
}

ResourceID SceneAnimator::Frame(const LotScene& scene)
{
    // In motion a creature may lean or hop past its lot's picture: frames are painted with room
    // around it (then cut to what they cover), under the key of the scene as described.
    LotScene roomy = scene;
    if (roomy.canvas == LotScene{}.canvas) {
        roomy.canvas.adjust(-margin, -margin, margin, margin);
    }
    return catalogue.FrameGraphic(scene.Key(), roomy.canvas.topLeft(), [roomy] { return roomy.Paint(); }, true);
}

void SceneAnimator::Animate(ResourceID id, const std::string& name, int frameCount,
                            const std::function<LotScene(double)>& sceneAt,
                            const std::function<QPoint(double)>& offsetAt)
{
    ArtCatalogue::Animation animation{id, framesPerSecond, {}, name};
    for (int frame = 0; frame < frameCount; ++frame) {
        const double t = frameCount == 1 ? 1.0 : static_cast<double>(frame) / (frameCount - 1);
        animation.frames.push_back({Frame(sceneAt(t)), offsetAt ? offsetAt(t) : QPoint()});
    }
    catalogue.AddAnimation(std::move(animation));
}

double Ease(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double Ramp(double from, double to, double t)
{
    return Ease((t - from) / (to - from));
}

double Mix(double a, double b, double t)
{
    return a + (b - a) * t;
}
