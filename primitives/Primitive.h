#pragma once
#include "core/Vector3.h"
#include "primitives/PrimitiveAttributes.h"

#include <string>

class TAV_BoundingVolume;
class TAV_DrawHelper;

// Abstract base of everything a scene node draws. It holds the drawing
// attributes and the fixed drawing sequence: attributes, geometry, then an
// optional red outline of the bounding volume. Geometry lives in the owning
// node's own coordinates. Primitives are owned by one list or node and cannot
// be copied.
class TAV_Primitive
{
public:
    TAV_Primitive() = default;
    virtual ~TAV_Primitive() = default;
    TAV_Primitive(const TAV_Primitive&) = delete;
    TAV_Primitive& operator=(const TAV_Primitive&) = delete;

    // Moves by velocity * elapsed seconds.
    virtual void Update(float elapsedSeconds);
    // A press (dragging false) fixes the first point; drag positions stretch the shape.
    virtual void DefineByMouse(bool dragging, float x, float y);
    virtual void MoveTo(float x, float y);
    virtual TAV_Vector3 GetLocation() const;
    // Owned by the primitive, valid until it changes or dies; null when it has no extent.
    virtual const TAV_BoundingVolume* GetBoundingVolume(int lod);
    // Keeps the speed and points the velocity from the point towards the location.
    virtual void MoveAwayFrom(TAV_Vector3 point);
    virtual void SetupDrawAttributes(TAV_DrawHelper& helper);
    virtual void DrawPrimitive(int lod, TAV_DrawHelper& helper) = 0;

    // Nothing at all reaches the helper when the primitive is invisible.
    void Draw(int lod, TAV_DrawHelper& helper);
    // Outlines the bounding volume flat and in wireframe; a null helper draws nothing.
    void DrawBoundingVolume(int lod, TAV_DrawHelper* helper, TAV_Color color);

    // All user-settable attributes at once.
    const TAV_PrimitiveAttributes& GetAttributes() const { return attributes_; }
    void SetAttributes(const TAV_PrimitiveAttributes& attributes) { attributes_ = attributes; }

    void SetVisible(bool visible) { attributes_.visible = visible; }
    bool IsVisible() const { return attributes_.visible; }
    void SetDrawBoundingVolume(bool draw) { attributes_.drawBoundingVolume = draw; }
    bool IsDrawBoundingVolume() const { return attributes_.drawBoundingVolume; }
    void SetVelocity(float x, float y, float z) { velocity_ = TAV_Vector3(x, y, z); }
    TAV_Vector3 GetVelocity() const { return velocity_; }
    // True when no velocity component exceeds 1e-9 in magnitude.
    bool IsStationary() const;
    void SetColor(TAV_Color color) { attributes_.color = color; }
    TAV_Color GetColor() const { return attributes_.color; }
    void SetShadeColor(TAV_Color color) { attributes_.shadeColor = color; }
    TAV_Color GetShadeColor() const { return attributes_.shadeColor; }
    // 2 solid, 1 wireframe, anything else points.
    void SetFillMode(int mode) { attributes_.fillMode = mode; }
    int GetFillMode() const { return attributes_.fillMode; }
    // 1 Gouraud, anything else flat.
    void SetShadeMode(int mode) { attributes_.shadeMode = mode; }
    int GetShadeMode() const { return attributes_.shadeMode; }
    void SetBlending(bool on) { attributes_.blending = on; }
    bool IsBlending() const { return attributes_.blending; }
    void SetTexturing(bool on) { attributes_.texturing = on; }
    bool IsTexturing() const { return attributes_.texturing; }
    void SetTextureName(const std::wstring& name) { attributes_.textureName = name; }
    const std::wstring& GetTextureName() const { return attributes_.textureName; }

protected:
    // What the shapes add after the base attributes: shade colour, shade mode and,
    // for shapes with an interior, the fill mode.
    void SetupShading(TAV_DrawHelper& helper, bool withFillMode) const;

private:
    TAV_Vector3 velocity_;
    TAV_PrimitiveAttributes attributes_;
};
