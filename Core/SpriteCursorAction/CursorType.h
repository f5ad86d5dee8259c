#pragma once

// The pointer pictures of the game; each names a GRF1 picture through GraphicIDs::Cursor,
// which numbers them 1101 + 10 * the value. Hot spots pick one to tell the player what a
// click would do.
enum class CursorType : int {
    arrow = 0,
    no = 1,
    questionMark = 2,
    reverser = 3,
    clockwiseTurner = 4,
    counterclockwiseTurner = 5,
    death = 6,
    cloud = 7,
};
