#pragma once
#include "primitives/BoundingBox.h"
#include "primitives/Primitive.h"

// A segment between two points; its box is refreshed from them on request.
class TAV_PrimitiveLine : public TAV_Primitive
{
public:
    void Update(float elapsedSeconds) override;
    void DefineByMouse(bool dragging, float x, float y) override;
    // Moves the end point only; the start stays.
    void MoveTo(float x, float y) override;
    TAV_Vector3 GetLocation() const override;
    const TAV_BoundingVolume* GetBoundingVolume(int lod) override;
    // Adds shade colour and shade mode; a line has no interior, so no fill mode.
    void SetupDrawAttributes(TAV_DrawHelper& helper) override;
    void DrawPrimitive(int lod, TAV_DrawHelper& helper) override;

    void SetStartPoint(float x, float y, float z) { start_ = TAV_Vector3(x, y, z); }
    TAV_Vector3 GetStartPoint() const { return start_; }
    void SetEndPoint(float x, float y, float z) { end_ = TAV_Vector3(x, y, z); }
    TAV_Vector3 GetEndPoint() const { return end_; }

private:
    TAV_Vector3 start_;
    TAV_Vector3 end_;
    TAV_BoundingBox box_;
};
