#pragma once
#include "platform/d3d9/ID3DXMatrixStack.h"
#include "render/DrawHelper.h"
#include "render/InterfaceRef.h"

// The drawing interface on the graphics system's one device, fetched on every
// call (no device reference is kept). Shapes are drawn at once from caller
// memory; attributes become render and texture-stage states of the shared
// device; the model matrix stack's top is installed as the world transform.
// Without a device, shapes and stack operations answer false and do nothing.
class TAVD3D_DrawHelper : public TAV_DrawHelper
{
public:
    TAVD3D_DrawHelper() = default;

    bool DrawPoint(float x, float y, float z) override;
    bool DrawLine(float x1, float y1, float z1, float x2, float y2, float z2) override;
    // A fan in the z = 0 plane; cz is not used. Nothing is drawn for radius <= 0.
    bool DrawCircle(float cx, float cy, float cz, float radius) override;
    // A fan of four triangles around the centre, in the z = 0 plane.
    bool DrawRectangle(float x1, float y1, float z1, float x2, float y2, float z2) override;
    bool AccumulateModelTransform(float tx, float ty, float tz, float sx, float sy, float sz, float rotation,
                                  float px, float py, float pz) override;
    bool PushModelTransform() override;
    // A pop on a one-entry stack leaves identity on top.
    bool PopModelTransform() override;
    bool InitializeModelTransform() override;
    // Needs no device; before any stack exists the point is left as it is.
    bool TransformPoint(TAV_Vector3& point) override;
    void SetShadeMode(ShadeMode mode) override;
    void SetFillMode(FillMode mode) override;
    // Source-alpha blending; false when there is no device.
    bool EnableBlending(bool on) override;
    // Binds the named texture on stage 0, or none; false when it cannot be bound.
    bool EnableTexture(bool on) override;
    // Maps the box's centre and half extents by the top of the stack, which only
    // ever holds affine transforms; false before any stack exists.
    bool IsOutsideVisibleWorld(TAV_Vector3 min, TAV_Vector3 max) override;

private:
    bool CreateStack();
    // Creates and initialises the stack on first use; false when that fails.
    bool EnsureStack();
    void InstallTop();

    // One reference; null until the first model-transform operation.
    InterfaceRef<ID3DXMatrixStack> matrixStack_;
};
