#pragma once

// Where the program finds its own pictures among its compiled-in Qt resources.
namespace ProgramPictureResources {

extern const char* const cautionPicture; // ":/pictures/IDB_CAUTION1.bmp", see-through where pure red
extern const char* const icon;           // ":/pictures/marrowmere.png", 256 x 256

} // namespace ProgramPictureResources
