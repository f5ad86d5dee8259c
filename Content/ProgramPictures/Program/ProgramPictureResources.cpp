#include "Content/ProgramPictures/Program/ProgramPictureResources.h"

namespace ProgramPictureResources {

const char* const cautionPicture = ":/pictures/IDB_CAUTION1.bmp";
const char* const icon = ":/pictures/marrowmere.png";

} // namespace ProgramPictureResources
