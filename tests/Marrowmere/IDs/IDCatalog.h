#pragma once

#include "Marrowmere/Inhabitants/InhabitantTypes.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Every lookup the game makes in one identifier table, each under a readable name, so
// that tests can sweep whole tables: for collisions, for the digit structure and for what a
// hidden mode changes.
struct IDLookup {
    std::string name;
    std::function<std::int16_t()> lookup;
};

std::vector<IDLookup> AllAnimationLookups();
std::vector<IDLookup> AllGraphicLookups();
std::vector<IDLookup> AllSoundLookups();

// name -> id, for every lookup.
std::map<std::string, std::int16_t> Snapshot(const std::vector<IDLookup>& lookups);

constexpr ObjectType animals[] = {flyer, swimmer, grazer, cannibal};
constexpr DirectionType directions[] = {up, down, left, right};
std::string NameOf(ObjectType object);
std::string NameOf(DirectionType direction);

// Registers the four hidden modes with their words and switches them on by typing, as a
// player does; every mode is off again when the object goes.
class HiddenModes {
public:
    HiddenModes();
    ~HiddenModes();
    HiddenModes(const HiddenModes&) = delete;
    HiddenModes& operator=(const HiddenModes&) = delete;

    void Type(const std::string& text);
    void SwitchOnThistleCove() { Type("thistlecove"); }
    void SwitchOnHarborLantern() { Type("harborlantern"); }
    void SwitchOnSevenKGrid() { Type("7kgrid"); }
    void SwitchOnTwoFiftyDunes() { Type("250dunes"); }
};
