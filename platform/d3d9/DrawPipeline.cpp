#include "platform/d3d9/DrawPipeline.h"

#include "platform/d3d9/SoftwareTexture.h"

#include <cstring>
#include <limits>
#include <new>

namespace {

// More primitives than this in one call are refused.
constexpr UINT kMaxPrimitives = 1u << 24;

constexpr DWORD kKnownFvfBits = D3DFVF_XYZ | D3DFVF_PSIZE | D3DFVF_DIFFUSE | D3DFVF_TEX1;

// Byte offsets of the fields in a vertex of the format; -1 when absent.
struct VertexLayout
{
    int pointSize = -1;
    int diffuse = -1;
    int texCoords = -1;
    UINT size = 12;

    explicit VertexLayout(DWORD fvf)
    {
        if (fvf & D3DFVF_PSIZE) {
            pointSize = static_cast<int>(size);
            size += 4;
        }
        if (fvf & D3DFVF_DIFFUSE) {
            diffuse = static_cast<int>(size);
            size += 4;
        }
        if (fvf & D3DFVF_TEX1) {
            texCoords = static_cast<int>(size);
            size += 8;
        }
    }
};

template <typename T> T Read(const std::uint8_t* at)
{
    T value;
    std::memcpy(&value, at, sizeof(T));
    return value;
}

std::size_t VerticesFor(D3DPRIMITIVETYPE type, std::size_t primitives)
{
    switch (type) {
    case D3DPT_POINTLIST:
        return primitives;
    case D3DPT_LINELIST:
        return primitives * 2;
    case D3DPT_TRIANGLEFAN:
        return primitives + 2;
    }
    return 0;
}

RasterState RasterStateOf(const DeviceState& state)
{
    RasterState raster;
    const auto& rs = state.renderStates;
    raster.gouraud = rs[D3DRS_SHADEMODE] != D3DSHADE_FLAT;
    raster.blend = rs[D3DRS_ALPHABLENDENABLE] != FALSE;
    raster.pointSprite = rs[D3DRS_POINTSPRITEENABLE] != FALSE;
    // Stage 0 either selects the texture's colour and alpha or, disabled or without
    // a texture, passes the vertex colour through.
    if (state.stageStates[0][D3DTSS_COLOROP] == D3DTOP_SELECTARG1 && state.textures[0])
        if (const SoftwareTexture* texture = SoftwareTexture::From(state.textures[0]))
            raster.texture = &texture->Texels();
    return raster;
}

// Whether every triangle of a fan comes out in one colour: in flat shading each
// takes its first rim vertex's colour, so the last vertex and the centre do not count.
bool OneColor(const RasterState& raster, const std::vector<ScreenVertex>& fan)
{
    const std::size_t first = raster.gouraud ? 0 : 1;
    const std::size_t end = raster.gouraud ? fan.size() : fan.size() - 1;
    for (std::size_t i = first; i < end; ++i)
        if (fan[i].color != fan[1].color)
            return false;
    return true;
}

// Whether no triangle or line through the vertices can reach the target.
bool Misses(const PixelBuffer& target, const std::vector<ScreenVertex>& vertices)
{
    ScreenBounds bounds;
    for (const ScreenVertex& v : vertices)
        bounds.Add(v);
    return bounds.Misses(target);
}

} // namespace

std::size_t DrawPipeline::VertexCount(DWORD fvf, const Batch& batch)
{
    if (!batch.vertices || batch.primitiveCount == 0 || batch.primitiveCount > kMaxPrimitives)
        return 0;
    if ((fvf & D3DFVF_XYZ) == 0 || (fvf & ~kKnownFvfBits) != 0 || batch.stride < VertexLayout(fvf).size)
        return 0;
    return VerticesFor(batch.type, batch.primitiveCount);
}

const D3DXMATRIX& DrawPipeline::ToClip(const DeviceState& state)
{
    // Bytes, not values: a product is reused only for the very matrices it came from.
    const auto same = [](const D3DXMATRIX& a, const D3DXMATRIX& b) {
        return std::memcmp(&a, &b, sizeof(D3DXMATRIX)) == 0;
    };
    if (!toClipKnown_ || !same(world_, state.world) || !same(view_, state.view) ||
        !same(projection_, state.projection)) {
        world_ = state.world;
        view_ = state.view;
        projection_ = state.projection;
        toClip_ = world_ * view_ * projection_;
        toClipKnown_ = true;
    }
    return toClip_;
}

bool DrawPipeline::Transform(const DeviceState& state, const PixelBuffer& target, const Batch& batch,
                             std::size_t count)
{
    try {
        screen_.resize(count);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const VertexLayout layout(state.fvf);
    const D3DXMATRIX& toClip = ToClip(state);
    const double halfWidth = target.width / 2.0, halfHeight = target.height / 2.0;
    const float defaultSize = state.PointSize();
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* at = batch.vertices + i * batch.stride;
        const double x = Read<float>(at), y = Read<float>(at + 4), z = Read<float>(at + 8);
        const double cx = x * toClip._11 + y * toClip._21 + z * toClip._31 + toClip._41;
        const double cy = x * toClip._12 + y * toClip._22 + z * toClip._32 + toClip._42;
        const double w = x * toClip._14 + y * toClip._24 + z * toClip._34 + toClip._44;
        ScreenVertex& v = screen_[i];
        // Clip space [-1, 1]² covers the target with y up; nothing behind the eye is drawn.
        if (w > 0.0) {
            v.x = (cx / w + 1.0) * halfWidth;
            v.y = (1.0 - cy / w) * halfHeight;
        } else {
            v.x = v.y = std::numeric_limits<double>::quiet_NaN();
        }
        v.pointSize = layout.pointSize >= 0 ? Read<float>(at + layout.pointSize) : defaultSize;
        v.color = layout.diffuse >= 0 ? Read<std::uint32_t>(at + layout.diffuse) : 0xFFFFFFFFu;
        v.u = layout.texCoords >= 0 ? Read<float>(at + layout.texCoords) : 0.0f;
        v.v = layout.texCoords >= 0 ? Read<float>(at + layout.texCoords + 4) : 0.0f;
    }
    return true;
}

bool DrawPipeline::Draw(const DeviceState& state, PixelBuffer& target, const Batch& batch)
{
    const std::size_t count = VertexCount(state.fvf, batch);
    if (!Transform(state, target, batch, count))
        return false;
    const RasterState raster = RasterStateOf(state);
    Rasterizer rasterizer(target, raster, scratch_);
    const std::vector<ScreenVertex>& v = screen_;
    const UINT n = batch.primitiveCount;

    switch (batch.type) {
    case D3DPT_POINTLIST:
        for (const ScreenVertex& vertex : v)
            rasterizer.DrawPoint(vertex);
        return true;
    case D3DPT_LINELIST:
        if (Misses(target, v))
            return true;
        for (UINT i = 0; i < n; ++i)
            rasterizer.DrawLine(v[2 * i], v[2 * i + 1], v[2 * i].color);
        return true;
    default:
        break;
    }

    const DWORD fill = state.renderStates[D3DRS_FILLMODE];
    if (fill == D3DFILL_POINT) {
        for (const ScreenVertex& vertex : v)
            rasterizer.DrawPoint(vertex);
        return true;
    }
    if (Misses(target, v))
        return true;
    if (fill == D3DFILL_SOLID && !raster.texture) {
        if (OneColor(raster, v) ? rasterizer.FillConvexFan(v.data(), v.size(), v[1].color)
                                : raster.gouraud && rasterizer.ShadeConvexFan(v.data(), v.size()))
            return true;
    }
    for (UINT i = 0; i < n; ++i) {
        // Flat shading takes the colour of the triangle's first vertex; in a fan
        // that is its first rim vertex, not the shared centre.
        const std::size_t a = 0, b = i + 1, c = i + 2, first = b;
        if (fill == D3DFILL_WIREFRAME) {
            rasterizer.DrawLine(v[a], v[b], v[first].color);
            rasterizer.DrawLine(v[b], v[c], v[first].color);
            rasterizer.DrawLine(v[c], v[a], v[first].color);
        } else {
            rasterizer.FillTriangle(v[a], v[b], v[c], v[first].color);
        }
    }
    return true;
}
