#pragma once
#include "platform/d3d9/DeviceState.h"
#include "platform/d3d9/PixelBuffer.h"

#include <cstddef>
#include <cstdint>

// Turns user-memory vertices into pixels: reads them by the vertex format,
// transforms them to target pixels and hands the primitives to the rasterizer.
class DrawPipeline
{
public:
    struct Batch
    {
        D3DPRIMITIVETYPE type;
        UINT primitiveCount;
        const std::uint8_t* vertices;
        UINT stride;
    };

    // How many vertices the batch reads; 0 when the batch or format is invalid
    // (no data, no primitives, unknown type or format, stride too small).
    static std::size_t VertexCount(DWORD fvf, const Batch& batch);
    // Draws a batch that VertexCount accepted; false when memory runs out.
    static bool Draw(const DeviceState& state, PixelBuffer& target, const Batch& batch);
};
