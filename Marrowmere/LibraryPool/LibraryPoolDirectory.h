#pragma once

#include "Core/ZipResource/LibraryDirectory.h"

// The library pool as the zip back end's directory: the pool's fixed table, then its list.
class LibraryPoolDirectory : public LibraryDirectory {
public:
    const char* LibraryForType(const char* typeString) const override;
    int FurtherLibraryCount() const override;
    const char* FurtherLibrary(int index) const override;
};
