#pragma once

#include <QImage>

#include <filesystem>

// The program's own pictures, compiled into it rather than read from a library.
namespace ProgramPictures {

// The caution sign of the program's message box, 48 x 48; its see-through parts are pure red
// (255, 0, 0), which the dialog masks out.
QImage Caution();
// The program's icon, 256 x 256 with a transparent ground.
QImage Icon();

// Writes IDB_CAUTION1.bmp (8-bit, 256 colours) and marrowmere.png into the folder.
void WriteProgramPictures(const std::filesystem::path& folder);

} // namespace ProgramPictures
