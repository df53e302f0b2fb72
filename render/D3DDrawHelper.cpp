#include "render/D3DDrawHelper.h"

#include "platform/d3d9/d3d9.h"
#include "render/GraphicsSystem.h"

#include <array>
#include <cmath>

namespace {

// Vertex layouts, exactly as the formats below describe them to the device.
struct PointVertex
{
    float x, y, z;
    float size;
    D3DCOLOR color;
};
struct ShapeVertex
{
    float x, y, z;
    D3DCOLOR color;
    float u, v;
};
static_assert(sizeof(PointVertex) == 20 && sizeof(ShapeVertex) == 24, "vertex layouts must have no gaps");

constexpr DWORD PointFvf = D3DFVF_XYZ | D3DFVF_PSIZE | D3DFVF_DIFFUSE;
constexpr DWORD ShapeFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;
constexpr float DegreesToRadians = 0.017453292f;
constexpr int MaxCircleVertices = 40;

IDirect3DDevice9* Device()
{
    return TAVD3D_GraphicsSystem::GetInstance().GetDevice();
}

// The device's names for the modes.
D3DSHADEMODE DeviceShadeMode(ShadeMode mode)
{
    return mode == ShadeMode::Gouraud ? D3DSHADE_GOURAUD : D3DSHADE_FLAT;
}

D3DFILLMODE DeviceFillMode(FillMode mode)
{
    switch (mode) {
    case FillMode::Solid:
        return D3DFILL_SOLID;
    case FillMode::Wireframe:
        return D3DFILL_WIREFRAME;
    case FillMode::Points:
        break;
    }
    return D3DFILL_POINT;
}

// Cosine and sine of a rim angle, rounded to float.
struct RimDirection
{
    float c, s;
};

// The three circle tessellations: 10, 20 or 40 vertices, so n - 2 rim points each.
constexpr int CircleVertexCounts[3] = {10, 20, MaxCircleVertices};

int CircleLevel(int lod)
{
    return (lod == 0 || lod == 1) ? lod : 2;
}

// Rim directions of each tessellation, counter-clockwise from +x, evaluated once:
// angle i * step in float, step = 360 / (n - 2) degrees, cos and sin in double.
const RimDirection* UnitRim(int level)
{
    using Table = std::array<RimDirection, MaxCircleVertices - 2>;
    static const std::array<Table, 3> tables = [] {
        std::array<Table, 3> result{};
        for (int k = 0; k < 3; ++k) {
            const int n = CircleVertexCounts[k];
            const float step = static_cast<float>((360.0 / (n - 2)) * static_cast<double>(DegreesToRadians));
            for (int i = 0; i < n - 2; ++i) {
                const double a = static_cast<double>(static_cast<float>(i) * step);
                result[k][i] = {static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a))};
            }
        }
        return result;
    }();
    return tables[level].data();
}

void DrawFan(IDirect3DDevice9* device, const ShapeVertex* vertices, int vertexCount)
{
    device->SetFVF(ShapeFvf);
    device->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, static_cast<UINT>(vertexCount - 2), vertices,
                            sizeof(ShapeVertex));
}

} // namespace

bool TAVD3D_DrawHelper::DrawPoint(float x, float y, float z)
{
    IDirect3DDevice9* device = Device();
    if (device == nullptr)
        return false;
    const PointVertex vertex{x, y, z, GetPointSize(), GetColor().GetARGB()};
    device->SetRenderState(D3DRS_POINTSPRITEENABLE, TRUE);
    device->SetFVF(PointFvf);
    device->DrawPrimitiveUP(D3DPT_POINTLIST, 1, &vertex, sizeof(PointVertex));
    return true;
}

bool TAVD3D_DrawHelper::DrawLine(float x1, float y1, float z1, float x2, float y2, float z2)
{
    IDirect3DDevice9* device = Device();
    if (device == nullptr)
        return false;
    // Any non-flat shade mode gives the second end the shade colour.
    const TAV_Color endColor = GetShadeMode() != ShadeMode::Flat ? GetShadeColor() : GetColor();
    const ShapeVertex vertices[2] = {{x1, y1, z1, GetColor().GetARGB(), 0.0f, 0.0f},
                                     {x2, y2, z2, endColor.GetARGB(), 1.0f, 1.0f}};
    device->SetFVF(ShapeFvf);
    device->DrawPrimitiveUP(D3DPT_LINELIST, 1, vertices, sizeof(ShapeVertex));
    return true;
}

// A regular polygon of n - 2 sides: centre, rim counter-clockwise from +x, and a
// copy of the first rim point closing the fan. The texture maps upright into the
// bounding square.
bool TAVD3D_DrawHelper::DrawCircle(float cx, float cy, float, float radius)
{
    IDirect3DDevice9* device = Device();
    if (device == nullptr || !(radius > 0.0f))
        return false;
    const int level = CircleLevel(GetLod());
    const int n = CircleVertexCounts[level];
    const RimDirection* rim = UnitRim(level);
    const D3DCOLOR color = GetColor().GetARGB();
    const D3DCOLOR centerColor = GetShadeMode() == ShadeMode::Gouraud ? GetShadeColor().GetARGB() : color;
    std::array<ShapeVertex, MaxCircleVertices> vertices;
    vertices[0] = {cx, cy, 0.0f, centerColor, 0.5f, 0.5f};
    for (int i = 0; i < n - 2; ++i) {
        const float c = rim[i].c;
        const float s = rim[i].s;
        vertices[i + 1] = {cx + radius * c, cy + radius * s, 0.0f, color, 0.5f + 0.5f * c, 0.5f - 0.5f * s};
    }
    vertices[n - 1] = vertices[1];
    DrawFan(device, vertices.data(), n);
    return true;
}

// The rim runs counter-clockwise from the top-left corner; u falls from 1 at the
// left edge to 0 at the right, v from 0 at the top to 1 at the bottom.
bool TAVD3D_DrawHelper::DrawRectangle(float x1, float y1, float, float x2, float y2, float)
{
    IDirect3DDevice9* device = Device();
    if (device == nullptr)
        return false;
    const float minX = std::fmin(x1, x2);
    const float maxX = std::fmax(x1, x2);
    const float minY = std::fmin(y1, y2);
    const float maxY = std::fmax(y1, y2);
    const D3DCOLOR color = GetColor().GetARGB();
    const D3DCOLOR centerColor = GetShadeMode() == ShadeMode::Gouraud ? GetShadeColor().GetARGB() : color;
    const ShapeVertex vertices[6] = {
        {(x1 + x2) / 2.0f, (y1 + y2) / 2.0f, 0.0f, centerColor, 0.5f, 0.5f},
        {minX, maxY, 0.0f, color, 1.0f, 0.0f},
        {minX, minY, 0.0f, color, 1.0f, 1.0f},
        {maxX, minY, 0.0f, color, 0.0f, 1.0f},
        {maxX, maxY, 0.0f, color, 0.0f, 0.0f},
        {minX, maxY, 0.0f, color, 1.0f, 0.0f},
    };
    DrawFan(device, vertices, 6);
    return true;
}

// With row vectors a point q of the node's own space ends at
// q * T(-p) * S(s) * Rz(rotation) * T(p) * T(t) * M, M the top before the call.
bool TAVD3D_DrawHelper::AccumulateModelTransform(float tx, float ty, float tz, float sx, float sy, float sz,
                                                 float rotation, float px, float py, float pz)
{
    if (!EnsureStack() || Device() == nullptr)
        return false;
    const D3DXVECTOR3 zAxis(0.0f, 0.0f, 1.0f);
    matrixStack_->TranslateLocal(tx, ty, tz);
    matrixStack_->TranslateLocal(px, py, pz);
    matrixStack_->RotateAxisLocal(&zAxis, rotation);
    matrixStack_->ScaleLocal(sx, sy, sz);
    matrixStack_->TranslateLocal(-px, -py, -pz);
    InstallTop();
    return true;
}

bool TAVD3D_DrawHelper::PushModelTransform()
{
    if (!EnsureStack() || Device() == nullptr)
        return false;
    matrixStack_->Push();
    InstallTop();
    return true;
}

bool TAVD3D_DrawHelper::PopModelTransform()
{
    if (!EnsureStack() || Device() == nullptr)
        return false;
    // The stack keeps its last entry; an unbalanced pop resets it instead.
    if (FAILED(matrixStack_->Pop()))
        matrixStack_->LoadIdentity();
    InstallTop();
    return true;
}

bool TAVD3D_DrawHelper::InitializeModelTransform()
{
    if (Device() == nullptr || !CreateStack())
        return false;
    matrixStack_->LoadIdentity();
    InstallTop();
    return true;
}

bool TAVD3D_DrawHelper::TransformPoint(TAV_Vector3& point)
{
    if (!CreateStack())
        return false;
    D3DXVECTOR3 v(point.x, point.y, point.z);
    D3DXVec3TransformCoord(&v, &v, matrixStack_->GetTop());
    point = TAV_Vector3(v.x, v.y, v.z);
    return true;
}

void TAVD3D_DrawHelper::SetShadeMode(ShadeMode mode)
{
    TAV_DrawHelper::SetShadeMode(mode);
    if (IDirect3DDevice9* device = Device())
        device->SetRenderState(D3DRS_SHADEMODE, DeviceShadeMode(mode));
}

void TAVD3D_DrawHelper::SetFillMode(FillMode mode)
{
    TAV_DrawHelper::SetFillMode(mode);
    if (IDirect3DDevice9* device = Device())
        device->SetRenderState(D3DRS_FILLMODE, DeviceFillMode(mode));
}

bool TAVD3D_DrawHelper::EnableBlending(bool on)
{
    IDirect3DDevice9* device = Device();
    if (device == nullptr)
        return false;
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, on ? TRUE : FALSE);
    if (on) {
        device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
        device->SetRenderState(D3DRS_BLENDOP, D3DBLENDOP_ADD);
    }
    return true;
}

bool TAVD3D_DrawHelper::EnableTexture(bool on)
{
    if (Device() == nullptr)
        return false;
    TAVD3D_GraphicsSystem& graphics = TAVD3D_GraphicsSystem::GetInstance();
    if (on)
        return graphics.ActivateTexture(GetTextureName(), 0);
    graphics.DeactivateTexture(0);
    return true;
}

bool TAVD3D_DrawHelper::IsOutsideVisibleWorld(TAV_Vector3 min, TAV_Vector3 max)
{
    if (!HasVisibleWorld() || !matrixStack_)
        return false;
    const D3DXMATRIX& m = *matrixStack_->GetTop();
    const TAV_Vector3 c((min.x + max.x) * 0.5f, (min.y + max.y) * 0.5f, (min.z + max.z) * 0.5f);
    const TAV_Vector3 h((max.x - min.x) * 0.5f, (max.y - min.y) * 0.5f, (max.z - min.z) * 0.5f);
    // Row vectors: the world centre is c * m, and the world box's half extent
    // along each axis the sum of the magnitudes the half extents map to.
    const float x = c.x * m._11 + c.y * m._21 + c.z * m._31 + m._41;
    const float y = c.x * m._12 + c.y * m._22 + c.z * m._32 + m._42;
    const float ex = std::fabs(h.x * m._11) + std::fabs(h.y * m._21) + std::fabs(h.z * m._31);
    const float ey = std::fabs(h.x * m._12) + std::fabs(h.y * m._22) + std::fabs(h.z * m._32);
    const TAV_Vector3 lo = GetVisibleMin(), hi = GetVisibleMax();
    return x + ex < lo.x || x - ex > hi.x || y + ey < lo.y || y - ey > hi.y;
}

bool TAVD3D_DrawHelper::CreateStack()
{
    return matrixStack_ || SUCCEEDED(D3DXCreateMatrixStack(0, matrixStack_.Receive()));
}

bool TAVD3D_DrawHelper::EnsureStack()
{
    return matrixStack_ || InitializeModelTransform();
}

void TAVD3D_DrawHelper::InstallTop()
{
    if (IDirect3DDevice9* device = Device())
        device->SetTransform(D3DTS_WORLD, matrixStack_->GetTop());
}
