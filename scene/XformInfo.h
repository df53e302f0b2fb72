#pragma once
#include "core/Vector3.h"

class TAV_DrawHelper;

// A node's transform as a plain value: scale and rotation about the pivot, then
// the translation, all on top of the parent's matrix. The pivot is in the node's
// own (untransformed) coordinates; the rotation is about +z, in radians.
class TAV_XformInfo
{
public:
    TAV_Vector3 GetTranslation() const { return translation_; }
    void SetTranslation(float x, float y, float z) { translation_ = TAV_Vector3(x, y, z); }
    TAV_Vector3 GetScale() const { return scale_; }
    void SetScale(float x, float y, float z) { scale_ = TAV_Vector3(x, y, z); }
    float GetRotationInRadians() const { return rotation_; }
    void SetRotationInRadians(float radians) { rotation_ = radians; }
    float GetRotationInDegrees() const;
    void SetRotationInDegrees(float degrees);
    TAV_Vector3 GetPivot() const { return pivot_; }
    void SetPivot(float x, float y, float z) { pivot_ = TAV_Vector3(x, y, z); }

    bool operator==(const TAV_XformInfo& other) const = default;

    // Composes T(-pivot) * S * Rz * T(pivot) * T(translation) onto the helper's
    // stack top; callers bracket it with a push and a pop.
    void SetUpModelTransform(TAV_DrawHelper& helper) const;
    // A white disc with a blue centre at the pivot, in the node's own coordinates.
    void DrawPivot(TAV_DrawHelper& helper, float radius) const;

private:
    TAV_Vector3 translation_;
    TAV_Vector3 scale_{1.0f, 1.0f, 1.0f};
    float rotation_ = 0.0f;
    TAV_Vector3 pivot_;
};
