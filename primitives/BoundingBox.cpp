#include "primitives/BoundingBox.h"

#include "render/DrawHelper.h"

#include <algorithm>

namespace {

TAV_Vector3 ComponentMin(const TAV_Vector3& a, const TAV_Vector3& b)
{
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)};
}

TAV_Vector3 ComponentMax(const TAV_Vector3& a, const TAV_Vector3& b)
{
    return {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)};
}

} // namespace

TAV_BoundingBox::TAV_BoundingBox(const TAV_Vector3& a, const TAV_Vector3& b)
{
    SetCorners(a, b);
}

TAV_Vector3 TAV_BoundingBox::GetCenter() const
{
    return (min_ + max_) / 2.0f;
}

void TAV_BoundingBox::Add(const TAV_BoundingVolume* other)
{
    if (other != nullptr && other->GetType() == BoxType)
        Add(*static_cast<const TAV_BoundingBox*>(other));
}

bool TAV_BoundingBox::Intersects(const TAV_BoundingVolume* other) const
{
    if (other == nullptr || other->GetType() != BoxType)
        return false;
    return Intersects(*static_cast<const TAV_BoundingBox*>(other));
}

bool TAV_BoundingBox::ContainsPoint(float x, float y, float z) const
{
    return min_.x <= x && x <= max_.x && min_.y <= y && y <= max_.y && min_.z <= z && z <= max_.z;
}

void TAV_BoundingBox::Draw(TAV_DrawHelper* helper) const
{
    if (helper == nullptr)
        return;
    const float z = min_.z;
    helper->DrawLine(min_.x, min_.y, z, max_.x, min_.y, z);
    helper->DrawLine(max_.x, min_.y, z, max_.x, max_.y, z);
    helper->DrawLine(max_.x, max_.y, z, min_.x, max_.y, z);
    helper->DrawLine(min_.x, max_.y, z, min_.x, min_.y, z);
}

void TAV_BoundingBox::SetCorners(TAV_Vector3 a, TAV_Vector3 b)
{
    min_ = ComponentMin(a, b);
    max_ = ComponentMax(a, b);
}

void TAV_BoundingBox::MoveCenterTo(TAV_Vector3 c)
{
    const TAV_Vector3 d = c - GetCenter();
    min_ += d;
    max_ += d;
}

void TAV_BoundingBox::MakeInvalid()
{
    min_ = TAV_Vector3(1.0f);
    max_ = TAV_Vector3(-1.0f);
}

bool TAV_BoundingBox::IsValid() const
{
    return max_.x >= min_.x && max_.y >= min_.y && max_.z >= min_.z;
}

void TAV_BoundingBox::Add(const TAV_BoundingBox& other)
{
    if (!other.IsValid())
        return;
    if (!IsValid()) {
        min_ = other.min_;
        max_ = other.max_;
        return;
    }
    min_ = ComponentMin(min_, other.min_);
    max_ = ComponentMax(max_, other.max_);
}

// An empty (invalid) box covers no point, so it overlaps nothing.
bool TAV_BoundingBox::Intersects(const TAV_BoundingBox& o) const
{
    if (!IsValid() || !o.IsValid())
        return false;
    if (o.max_.x < min_.x || o.min_.x > max_.x)
        return false;
    if (o.max_.y < min_.y || o.min_.y > max_.y)
        return false;
    return !(o.max_.z < min_.z || o.min_.z > max_.z);
}
