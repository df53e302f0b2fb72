#pragma once
#include "primitives/BoundingBox.h"
#include "primitives/Primitive.h"

// An axis-aligned rectangle in the xy plane; its box is the rectangle itself, so
// the corners stay ordered. The anchor is the fixed corner while the rectangle
// is spanned by mouse points.
class TAV_PrimitiveRectangleXY : public TAV_Primitive
{
public:
    void Update(float elapsedSeconds) override;
    void DefineByMouse(bool dragging, float x, float y) override;
    // Centres the rectangle on (x, y), keeping its size and z.
    void MoveTo(float x, float y) override;
    TAV_Vector3 GetLocation() const override { return box_.GetCenter(); }
    const TAV_BoundingVolume* GetBoundingVolume(int lod) override;
    void SetupDrawAttributes(TAV_DrawHelper& helper) override;
    void DrawPrimitive(int lod, TAV_DrawHelper& helper) override;

    // The two corners may come in any order.
    void SetCorners(float x1, float y1, float z1, float x2, float y2, float z2);
    const TAV_BoundingBox& GetBox() const { return box_; }

private:
    // First, so it fills the word the base class leaves.
    TAV_Vector3 anchor_;
    TAV_BoundingBox box_;
};
