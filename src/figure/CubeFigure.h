// Geometry of the cube-stack figures and of the single unit cube shown as
// the key. Everything is drawn through FormServices in yellow.
#pragma once

#include <array>

#include "window/FormServices.h"

// One base shape: W cubes along the front, D cubes deep, the cubes in one
// layer, the x of the front face's left edge, and the base y (20 px below
// the bottom of the first layer).
struct Footprint {
    int W;
    int D;
    int CubesPerLayer;
    int XL;
    int B;
};

inline constexpr int FootprintCount = 7;
inline constexpr int MaxLayers = 5;

// Indexed 1..7; slot 0 is unused so the index is the footprint number.
inline constexpr std::array<Footprint, FootprintCount + 1> FootprintTable{{
    {0, 0, 0, 0, 0},
    {2, 2, 4, 145, 345},
    {3, 2, 6, 120, 345},
    {4, 2, 8, 95, 345},
    {3, 3, 9, 105, 360},
    {4, 3, 12, 80, 360},
    {4, 4, 16, 80, 360},
    {5, 4, 20, 55, 360},
}};

// Draws a block of `layers` layers on the given base shape.
void DrawBlock(FormServices& form, const Footprint& shape, int layers);

// Draws the block of footprint 1..7 with 1 or more layers.
void DrawCubeStack(FormServices& form, int footprint, int layers);

// Draws the single cube at the top left of the window.
void UnitCubeKey(FormServices& form);
