#pragma once

// Which loaded libraries the zip back end searches for a block. The game fills this in (its
// library pool knows which library holds which block type), so the engine never asks the game.
class LibraryDirectory {
public:
    virtual ~LibraryDirectory() = default;
    // The one library that holds every block of this type ("GRF1" → "mm_grf1"), or nullptr
    // when the type is searched for in the further libraries instead.
    virtual const char* LibraryForType(const char* typeString) const = 0;
    // The further libraries, searched in order for types no single library holds.
    virtual int FurtherLibraryCount() const = 0;
    virtual const char* FurtherLibrary(int index) const = 0;
};
