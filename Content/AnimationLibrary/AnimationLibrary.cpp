#include "Content/AnimationLibrary/AnimationLibrary.h"

void BuildSpqaLibrary(ContentArchive&, const ContentOptions&)
{
}
