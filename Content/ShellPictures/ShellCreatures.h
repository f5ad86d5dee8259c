#pragma once

#include <QString>

#include <array>

// The four species as the shell's pictures introduce them: the glyph that stands for each on
// the board, its name and what it eats, in the game's species order (flyer, swimmer, grazer,
// cannibal).
struct ShellCreature {
    const char* emoji;
    const char* name;
    const char* eats;
    const char* eatenBy;

    QString Emoji() const { return QString::fromUtf8(emoji); }
};

inline const std::array<ShellCreature, 4> shellCreatures = {{
    {"🦅", "Flyer", "Eats a swimmer anywhere ahead of it, however far", "Eaten by cannibals"},
    {"🐊", "Swimmer", "Eats the grazer just in front of it, and can swim in floods", "Eaten by flyers"},
    {"🦏", "Grazer", "Eats the cannibal or the grass just in front of it", "Eaten by swimmers"},
    {"🦖", "Cannibal", "Eats the flyer or the cannibal just in front of it", "Eaten by grazers"},
}};
