#include "platform/d3d9/SpanShader.h"

SpanShader::SpanShader(PixelBuffer& target, const RasterState& state) : target_(target), state_(state)
{
    writer_ = state.blend ? Writer::SourceAlpha : Writer::Opaque;
}

void SpanShader::SetColor(D3DCOLOR color)
{
    gouraud_ = false;
    color_ = color;
}

void SpanShader::SetColorPlanes(const SpanPainters::GouraudPlanes& planes)
{
    gouraud_ = true;
    planes_ = planes;
}

void SpanShader::SetTexelPlanes(const Plane& u, const Plane& v)
{
    u_ = u;
    v_ = v;
}
