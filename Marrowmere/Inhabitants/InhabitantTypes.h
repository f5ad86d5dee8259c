#pragma once

#include <cstdint>

// What lives on a land lot. Flyer to cannibal are animals; other components index their
// tables by these numbers.
enum ObjectType : std::uint8_t {
    flyer = 0,
    swimmer = 1,
    grazer = 2,
    cannibal = 3,
    grass = 4,
    tree = 5,
};

// Which way a creature faces on the board; up is towards row 0.
enum DirectionType : std::uint8_t {
    up = 0,
    down = 1,
    left = 2,
    right = 3,
};
