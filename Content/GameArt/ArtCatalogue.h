#pragma once

#include <QImage>
#include <QPoint>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Core/Resource/ResourceType.h"

// Everything the game's pictures, animations and idle tables are made of, described before
// anything is painted: the graphic library paints the graphics, the animation library writes
// the animations and idle tables, and both agree on every id because both read this catalogue.
class ArtCatalogue {
public:
    using Painter = std::function<QImage()>;

    struct Graphic {
        ResourceID id = 0;
        QPoint placement; // the graphic's own left and top
        Painter paint;    // premultiplied ARGB; the picture's size is the graphic's size
        bool isStill = false; // a picture of its own (the palette is chosen from these)
        std::string group;    // for contact sheets
        // Only the part the picture covers is kept; the placement moves with the cut.
        bool cropToContent = false;
    };
    struct Frame {
        ResourceID graphic = 0;
        QPoint offset;
    };
    struct Animation {
        ResourceID id = 0;
        int framesPerSecond = 12;
        std::vector<Frame> frames;
        std::string name;
    };
    struct IdleEvent {
        ResourceID animation = 0;
        double period = 0;
        double variance = 0;
        double chanceOfOccurring = 0;
    };
    struct IdleTable {
        ResourceID id = 0;
        std::vector<IdleEvent> events;
    };

    // Animation frames and idle animations are numbered from here on in their id spaces, above
    // every id the identifier tables hand out for stills (below 10000) and under the alternative
    // sets (from 20000).
    static constexpr ResourceID firstFrameGraphicID = 10000;
    static constexpr ResourceID lastFrameGraphicID = 19999;
    static constexpr ResourceID firstIdleAnimationID = 10000;

    // A still picture under its fixed id. `key` names what it shows, so that a frame showing
    // the same returns this id instead of a copy.
    void AddStill(ResourceID id, QPoint placement, Painter paint, const std::string& group,
                  const std::string& key = {}, bool cropToContent = false);
    // A frame picture named by what it shows: the first request paints it under a new id,
    // later requests of the same key get that id again.
    ResourceID FrameGraphic(const std::string& key, QPoint placement, const Painter& paint, bool cropToContent = false);
    void AddAnimation(Animation animation);
    // A new id for an idle animation, never one of the identifier tables' animation ids.
    ResourceID NewIdleAnimationID() { return nextIdleAnimationID++; }
    void AddIdleTable(IdleTable table);

    const std::vector<Graphic>& Graphics() const { return graphics; }
    const std::vector<Animation>& Animations() const { return animations; }
    const std::vector<IdleTable>& IdleTables() const { return idleTables; }
    // The graphic of an id, or nullptr.
    const Graphic* FindGraphic(ResourceID id) const;

private:
    std::vector<Graphic> graphics;
    std::map<ResourceID, std::size_t> graphicIndex;
    std::map<std::string, ResourceID> graphicsByKey;
    std::vector<Animation> animations;
    std::vector<IdleTable> idleTables;
    ResourceID nextFrameGraphicID = firstFrameGraphicID;
    ResourceID nextIdleAnimationID = firstIdleAnimationID;
};
