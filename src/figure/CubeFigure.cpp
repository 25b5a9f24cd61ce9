#include "figure/CubeFigure.h"

#include <cassert>

namespace {

constexpr int CubeWidth = 50;   // one cube along the front face
constexpr int LayerHeight = 20; // one layer
constexpr int DepthStep = 15;   // one cube of depth: 15 right, 15 up

} // namespace

void DrawBlock(FormServices& form, const Footprint& shape, int layers) {
    const int xl = shape.XL;
    const int xr = xl + CubeWidth * shape.W;
    const int d = DepthStep * shape.D;

    for (int i = 1; i <= layers; ++i) {
        const int b = shape.B - LayerHeight * i;
        const int t = b - LayerHeight;
        // Front face of the layer.
        form.DrawBox(xl, t, xr, b, Yellow);
        // Right side face.
        form.DrawLine(xr, b, xr + d, b - d, Yellow);
        form.DrawLine(xr + d, b - d, xr + d, b - d - LayerHeight, Yellow);
        form.DrawLine(xr + d, b - d - LayerHeight, xr, t, Yellow);
        // Depth lines on the side face.
        for (int j = 1; j < shape.D; ++j) {
            const int x = xr + DepthStep * j;
            form.DrawLine(x, t - DepthStep * j, x, b - DepthStep * j, Yellow);
        }
        // Width lines on the front face.
        for (int k = 1; k < shape.W; ++k) {
            const int x = xl + CubeWidth * k;
            form.DrawLine(x, t, x, b, Yellow);
        }
    }

    // Top face, once; its front and right edges belong to the top layer.
    const int top = shape.B - LayerHeight * (layers + 1);
    form.DrawLine(xl, top, xl + d, top - d, Yellow);
    form.DrawLine(xl + d, top - d, xr + d, top - d, Yellow);
    for (int k = 1; k < shape.W; ++k) {
        const int x = xl + CubeWidth * k;
        form.DrawLine(x, top, x + d, top - d, Yellow);
    }
    for (int j = 1; j < shape.D; ++j) {
        const int y = top - DepthStep * j;
        form.DrawLine(xl + DepthStep * j, y, xr + DepthStep * j, y, Yellow);
    }
}

void DrawCubeStack(FormServices& form, int footprint, int layers) {
    assert(footprint >= 1 && footprint <= FootprintCount);
    DrawBlock(form, FootprintTable[static_cast<std::size_t>(footprint)], layers);
}

void UnitCubeKey(FormServices& form) {
    struct Segment {
        int x1, y1, x2, y2;
    };
    // Top face, the rest of the front face, the rest of the side face.
    static constexpr Segment segments[] = {
        {30, 75, 80, 75},  {80, 75, 65, 90},  {65, 90, 15, 90},
        {15, 90, 30, 75},  {15, 90, 15, 110}, {15, 110, 65, 110},
        {65, 110, 65, 90}, {65, 110, 80, 95}, {80, 95, 80, 75},
    };
    for (const Segment& s : segments) {
        form.DrawLine(s.x1, s.y1, s.x2, s.y2, Yellow);
    }
}
