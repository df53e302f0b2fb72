#pragma once
#include "primitives/BoundingBox.h"
#include "primitives/Primitive.h"

// A filled disc in the xy plane. Its box spans centre -/+ radius at z = 0 and is
// recomputed whenever centre or radius change; a radius <= 0 draws nothing.
class TAV_PrimitiveCircle : public TAV_Primitive
{
public:
    void Update(float elapsedSeconds) override;
    void DefineByMouse(bool dragging, float x, float y) override;
    void MoveTo(float x, float y) override;
    TAV_Vector3 GetLocation() const override { return center_; }
    const TAV_BoundingVolume* GetBoundingVolume(int lod) override;
    void SetupDrawAttributes(TAV_DrawHelper& helper) override;
    // Draws at the given level of detail and leaves the helper's own level as it was.
    void DrawPrimitive(int lod, TAV_DrawHelper& helper) override;

    void SetCenter(float x, float y, float z);
    TAV_Vector3 GetCenter() const { return center_; }
    // Stored as given, without a check.
    void SetRadius(float radius);
    float GetRadius() const { return radius_; }
    const TAV_BoundingBox& GetBox() const { return box_; }

private:
    void UpdateBox();

    TAV_Vector3 center_;
    float radius_ = 0.0f;
    TAV_BoundingBox box_;
};
