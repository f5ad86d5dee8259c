#pragma once

#include <QImage>
#include <QString>

// The pictures of the instruction pages, by the name a page uses for them
// (<img src="picture:NAME">), made from the game's own graphics. None is wider than
// `widest` pixels. Throws std::runtime_error for a name it does not know.
namespace InstructionPictures {

constexpr int widest = 456;

QImage Picture(const QString& name);

} // namespace InstructionPictures
