#include "Marrowmere/LibraryPool/LibraryPoolDirectory.h"

#include "Marrowmere/LibraryPool/LibraryPool.h"

const char* LibraryPoolDirectory::LibraryForType(const char* typeString) const
{
    return LibraryPool::GetNameForResType(typeString);
}

int LibraryPoolDirectory::FurtherLibraryCount() const
{
    return LibraryPool::GetSize();
}

const char* LibraryPoolDirectory::FurtherLibrary(int index) const
{
    return LibraryPool::GetElement(index);
}
