#pragma once
#include "primitives/BoundingVolume.h"

// An axis-aligned box. It is valid when max >= min on every axis (zero size
// allowed); the empty box, min (1, 1, 1) and max (-1, -1, -1), is the neutral
// element of Add and overlaps nothing. A default box has zero size at the origin,
// so a union starts with MakeInvalid. Containment and overlap include the faces.
class TAV_BoundingBox : public TAV_BoundingVolume
{
public:
    static constexpr int BoxType = 0;

    TAV_BoundingBox() = default;
    TAV_BoundingBox(const TAV_Vector3& a, const TAV_Vector3& b);

    int GetType() const override { return BoxType; }
    TAV_Vector3 GetCenter() const override;
    void Add(const TAV_BoundingVolume* other) override;
    bool Intersects(const TAV_BoundingVolume* other) const override;
    bool ContainsPoint(float x, float y, float z) const override;
    // Four lines at z = min.z, counter-clockwise from (min.x, min.y).
    void Draw(TAV_DrawHelper* helper) const override;

    // The corners may come in any order; each axis is sorted.
    void SetCorners(TAV_Vector3 a, TAV_Vector3 b);
    TAV_Vector3 GetMin() const { return min_; }
    TAV_Vector3 GetMax() const { return max_; }
    float GetWidth() const { return max_.x - min_.x; }
    float GetHeight() const { return max_.y - min_.y; }
    // Moves both corners so the centre lands on c; the size is kept.
    void MoveCenterTo(TAV_Vector3 c);
    void MakeInvalid();
    bool IsValid() const;
    void Add(const TAV_BoundingBox& other);
    bool Intersects(const TAV_BoundingBox& other) const;

private:
    TAV_Vector3 min_;
    TAV_Vector3 max_;
};
