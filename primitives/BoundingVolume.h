#pragma once
#include "core/Vector3.h"

class TAV_DrawHelper;

// The extent of a primitive. Volumes live by value inside their owners and are
// never deleted through this interface, so the destructor is protected.
class TAV_BoundingVolume
{
public:
    // Kind of volume; every test between volumes only combines volumes of equal kind.
    virtual int GetType() const = 0;
    virtual TAV_Vector3 GetCenter() const = 0;
    // Grows to include the other volume; null and unknown kinds add nothing.
    virtual void Add(const TAV_BoundingVolume* other) = 0;
    // Null and unknown kinds never intersect.
    virtual bool Intersects(const TAV_BoundingVolume* other) const = 0;
    virtual bool ContainsPoint(float x, float y, float z) const = 0;
    // Outlines the volume with the helper's current attributes; this base draws nothing.
    virtual void Draw(TAV_DrawHelper* helper) const;

protected:
    TAV_BoundingVolume() = default;
    TAV_BoundingVolume(const TAV_BoundingVolume&) = default;
    TAV_BoundingVolume& operator=(const TAV_BoundingVolume&) = default;
    ~TAV_BoundingVolume() = default;
};
