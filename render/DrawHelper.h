#pragma once
#include "core/Color.h"
#include "core/Vector3.h"
#include "render/FillMode.h"
#include "render/ShadeMode.h"

#include <string>

// The one drawing interface: a few drawing attributes, four shapes and a model
// matrix stack. This base keeps the attributes and draws nothing; every shape and
// matrix operation answers false. Coordinates are in the current model space.
class TAV_DrawHelper
{
public:
    TAV_DrawHelper();
    virtual ~TAV_DrawHelper() = default;
    TAV_DrawHelper(const TAV_DrawHelper&) = delete;
    TAV_DrawHelper& operator=(const TAV_DrawHelper&) = delete;

    virtual bool DrawPoint(float x, float y, float z);
    virtual bool DrawLine(float x1, float y1, float z1, float x2, float y2, float z2);
    virtual bool DrawCircle(float cx, float cy, float cz, float radius);
    virtual bool DrawRectangle(float x1, float y1, float z1, float x2, float y2, float z2);
    // Point size 1, both colours opaque white, blending and texturing off.
    virtual void ResetAttributes();
    // Composes T(-p) * S(s) * Rz(rotation) * T(p) * T(t) onto the top of the stack.
    virtual bool AccumulateModelTransform(float tx, float ty, float tz, float sx, float sy, float sz,
                                          float rotation, float px, float py, float pz);
    virtual bool PushModelTransform();
    virtual bool PopModelTransform();
    virtual bool InitializeModelTransform();
    // Maps a point of the current model space by the top of the stack, in place.
    virtual bool TransformPoint(TAV_Vector3& point);
    virtual void SetShadeMode(ShadeMode mode);
    virtual void SetFillMode(FillMode mode);
    virtual bool EnableBlending(bool on);
    virtual void SetTextureName(const std::wstring& name);
    virtual bool EnableTexture(bool on);
    // True when a box of the current model space lies wholly outside the visible
    // world, so what is drawn inside it would reach no pixel; this base has no
    // model matrix and answers false.
    virtual bool IsOutsideVisibleWorld(TAV_Vector3 min, TAV_Vector3 max);

    // Lets shapes wholly outside a rectangle of world coordinates (the space under
    // every model transform) be left out. The rectangle must take in whatever a
    // view draws past a shape's box, such as the width of a line or a point.
    // A helper starts without one: everything is drawn.
    void SetVisibleWorld(TAV_Vector3 min, TAV_Vector3 max);
    void ClearVisibleWorld() { hasVisibleWorld_ = false; }

    // Circle tessellation: 0 gives 10 vertices, 1 gives 20, any other value 40.
    void SetLod(int lod) { lod_ = lod; }
    int GetLod() const { return lod_; }
    ShadeMode GetShadeMode() const { return shadeMode_; }
    FillMode GetFillMode() const { return fillMode_; }
    // Each setter returns the value stored before the call.
    TAV_Color SetColor(TAV_Color color);
    TAV_Color SetShadeColor(TAV_Color color);
    float SetPointSize(float size);
    TAV_Color GetColor() const { return color_; }
    TAV_Color GetShadeColor() const { return shadeColor_; }
    float GetPointSize() const { return pointSize_; }
    const std::wstring& GetTextureName() const { return textureName_; }

protected:
    bool HasVisibleWorld() const { return hasVisibleWorld_; }
    TAV_Vector3 GetVisibleMin() const { return visibleMin_; }
    TAV_Vector3 GetVisibleMax() const { return visibleMax_; }

private:
    int lod_ = 2;
    ShadeMode shadeMode_ = ShadeMode::Gouraud;
    FillMode fillMode_ = FillMode::Solid;
    float pointSize_ = 1.0f;
    bool hasVisibleWorld_ = false;
    TAV_Vector3 visibleMin_;
    TAV_Vector3 visibleMax_;
    TAV_Color color_;
    TAV_Color shadeColor_;
    std::wstring textureName_;
};
