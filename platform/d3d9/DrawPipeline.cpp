#include "platform/d3d9/DrawPipeline.h"

std::size_t DrawPipeline::VertexCount(DWORD, const Batch&)
{
    return 0;
}

bool DrawPipeline::Draw(const DeviceState&, PixelBuffer&, const Batch&)
{
    return false;
}
