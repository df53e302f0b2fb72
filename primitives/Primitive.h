#pragma once
#include "core/SmallObjectPool.h"
#include "core/Vector3.h"
#include "primitives/PrimitiveAttributes.h"
#include "primitives/SharedPrimitiveState.h"

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

    // A large scene holds many of these at once: they live in the small-object pool.
    static void* operator new(std::size_t size) { return SmallObjectPool::Allocate(size); }
    static void operator delete(void* block, std::size_t size) { SmallObjectPool::Free(block, size); }

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

    // Nothing at all reaches the helper when the primitive is invisible or lies
    // wholly outside the helper's visible world.
    void Draw(int lod, TAV_DrawHelper& helper);
    // Outlines the bounding volume flat and in wireframe; a null helper draws nothing.
    void DrawBoundingVolume(int lod, TAV_DrawHelper* helper, TAV_Color color);

    // All user-settable attributes at once.
    // Valid until an attribute or the velocity changes.
    const TAV_PrimitiveAttributes& GetAttributes() const { return Attributes(); }
    void SetAttributes(const TAV_PrimitiveAttributes& attributes)
    {
        ChangeAttributes([&](TAV_PrimitiveAttributes& a) { a = attributes; });
    }

    void SetVisible(bool visible)
    {
        ChangeAttributes([=](TAV_PrimitiveAttributes& a) { a.visible = visible; });
    }
    bool IsVisible() const { return Attributes().visible; }
    void SetDrawBoundingVolume(bool draw)
    {
        ChangeAttributes([=](TAV_PrimitiveAttributes& a) { a.drawBoundingVolume = draw; });
    }
    bool IsDrawBoundingVolume() const { return Attributes().drawBoundingVolume; }
    void SetVelocity(float x, float y, float z)
    {
        state_.Change([=](SharedPrimitiveState::Value& v) { v.velocity = TAV_Vector3(x, y, z); });
    }
    TAV_Vector3 GetVelocity() const { return state_.Get().velocity; }
    // True when no velocity component exceeds 1e-9 in magnitude.
    bool IsStationary() const;
    void SetColor(TAV_Color color)
    {
        ChangeAttributes([=](TAV_PrimitiveAttributes& a) { a.color = color; });
    }
    TAV_Color GetColor() const { return Attributes().color; }
    void SetShadeColor(TAV_Color color)
    {
        ChangeAttributes([=](TAV_PrimitiveAttributes& a) { a.shadeColor = color; });
    }
    TAV_Color GetShadeColor() const { return Attributes().shadeColor; }
    void SetFillMode(FillMode mode)
    {
        ChangeAttributes([=](TAV_PrimitiveAttributes& a) { a.fillMode = mode; });
    }
    FillMode GetFillMode() const { return Attributes().fillMode; }
    void SetShadeMode(ShadeMode mode)
    {
        ChangeAttributes([=](TAV_PrimitiveAttributes& a) { a.shadeMode = mode; });
    }
    ShadeMode GetShadeMode() const { return Attributes().shadeMode; }
    void SetBlending(bool on)
    {
        ChangeAttributes([=](TAV_PrimitiveAttributes& a) { a.blending = on; });
    }
    bool IsBlending() const { return Attributes().blending; }
    void SetTexturing(bool on)
    {
        ChangeAttributes([=](TAV_PrimitiveAttributes& a) { a.texturing = on; });
    }
    bool IsTexturing() const { return Attributes().texturing; }
    void SetTextureName(const std::wstring& name)
    {
        ChangeAttributes([&](TAV_PrimitiveAttributes& a) { a.textureName = name; });
    }
    // Valid until an attribute or the velocity changes.
    const std::wstring& GetTextureName() const { return Attributes().textureName; }

protected:
    // Whether the bounding volume lies wholly outside the helper's visible world.
    virtual bool IsOutsideVisibleWorld(int lod, TAV_DrawHelper& helper);
    // What the shapes add after the base attributes: shade colour, shade mode and,
    // for shapes with an interior, the fill mode.
    void SetupShading(TAV_DrawHelper& helper, bool withFillMode) const;

private:
    const TAV_PrimitiveAttributes& Attributes() const { return state_.Get().attributes; }
    template <typename F> void ChangeAttributes(F change)
    {
        state_.Change([&](SharedPrimitiveState::Value& v) { change(v.attributes); });
    }

    // Shared with every primitive of equal attributes and velocity.
    SharedPrimitiveState state_;
};
