#pragma once

// How a shape is filled: its outline's corners only, its outline, or its whole
// area. The numbers are those the scene file stores.
enum class FillMode : int {
    Points = 0,
    Wireframe = 1,
    Solid = 2,
};
