#pragma once

// The three looks of a push button drawn by a sprite; GraphicIDs numbers its pictures by it.
enum class ButtonType : int {
    normal = 0,
    pressed = 1,
    disabled = 2,
};
