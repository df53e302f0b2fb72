#pragma once
#include "platform/d3d9/DeviceState.h"
#include "platform/d3d9/PixelBuffer.h"
#include "platform/d3d9/RasterTypes.h"
#include "platform/d3d9/Rasterizer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Turns user-memory vertices into pixels: reads them by the vertex format,
// takes them through world × view × projection to target space and hands the
// primitives to the rasterizer by fill mode.
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
    // (no data, no primitives, unknown type or format bits, stride too small).
    static std::size_t VertexCount(DWORD fvf, const Batch& batch);
    // Draws a batch that VertexCount accepted; false when memory runs out.
    bool Draw(const DeviceState& state, PixelBuffer& target, const Batch& batch);

private:
    bool Transform(const DeviceState& state, const PixelBuffer& target, const Batch& batch,
                   std::size_t count);

    // world × view × projection, kept while the three transforms stay the same.
    const D3DXMATRIX& ToClip(const DeviceState& state);

    std::vector<ScreenVertex> screen_; // reused from draw to draw
    Rasterizer::Scratch scratch_;
    D3DXMATRIX world_;
    D3DXMATRIX view_;
    D3DXMATRIX projection_;
    D3DXMATRIX toClip_;
    bool toClipKnown_ = false;
};
