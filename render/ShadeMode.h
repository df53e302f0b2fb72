#pragma once

// How colour runs over a shape: one colour, or blended from the shade colour at
// the centre (the second end of a line) to the colour at the rim. The numbers
// are those the scene file stores.
enum class ShadeMode : int {
    Flat = 0,
    Gouraud = 1,
};
