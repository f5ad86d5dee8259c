#include "Content/GraphicLibrary/GraphicLibrary.h"

void BuildGrf1Library(ContentArchive&, const ContentOptions&)
{
}
