#include "scene/SceneNode.h"

#include "primitives/Primitive.h"
#include "render/DrawHelper.h"

#include <array>
#include <utility>
#include <vector>

namespace {
constexpr float PivotMarkerRadius = 0.2f;
} // namespace

TAV_SceneNode::TAV_SceneNode(const wchar_t* name) : name_(name != nullptr ? name : L"") {}

// Descendants are detached level by level and deleted childless, so tearing down
// a deep chain does not recurse once per level.
TAV_SceneNode::~TAV_SceneNode()
{
    delete primitive_;
    std::vector<TAV_SceneNode*> pending;
    TAV_SceneNode* node = this;
    while (true) {
        for (int i = node->children_.Count() - 1; i >= 0; --i) {
            if (node->children_.GetAt(i) != nullptr)
                pending.push_back(std::exchange(node->children_.GetAt(i), nullptr));
        }
        if (node != this)
            delete node;
        if (pending.empty())
            break;
        node = pending.back();
        pending.pop_back();
    }
}

void TAV_SceneNode::SetPrimitive(TAV_Primitive* primitive)
{
    delete primitive_;
    primitive_ = primitive;
}

TAV_SceneNode* TAV_SceneNode::AddChild(TAV_SceneNode* child)
{
    children_.Append(child);
    return child;
}

void TAV_SceneNode::RemoveChild(const TAV_SceneNode* child)
{
    for (int i = children_.Count() - 1; i >= 0; --i) {
        if (children_.GetAt(i) == child)
            children_.GetAt(i) = nullptr;
    }
}

TAV_SceneNode* TAV_SceneNode::GetChild(int index) const
{
    if (index < 0 || index >= children_.Count())
        return nullptr;
    return children_.GetAt(index);
}

TAV_SceneNode* TAV_SceneNode::TakeChild(int index)
{
    if (index < 0 || index >= children_.Count())
        return nullptr;
    return std::exchange(children_.GetAt(index), nullptr);
}

bool TAV_SceneNode::PutChild(int index, TAV_SceneNode* child)
{
    if (index < 0 || index >= children_.Count() || children_.GetAt(index) != nullptr)
        return false;
    children_.GetAt(index) = child;
    return true;
}

TAV_SceneNode* TAV_SceneNode::RemoveLastSlot()
{
    const int last = children_.Count() - 1;
    if (last < 0)
        return nullptr;
    TAV_SceneNode* child = TakeChild(last);
    children_.RemoveAt(last);
    return child;
}

TAV_PointerArray<TAV_SceneNode> TAV_SceneNode::ReleaseChildren()
{
    return std::move(children_);
}

void TAV_SceneNode::Draw(int lod, TAV_DrawHelper& helper)
{
    helper.PushModelTransform();
    xform_.SetUpModelTransform(helper);
    if (primitive_ != nullptr)
        primitive_->Draw(lod, helper);
    const int count = children_.Count();
    for (int i = 0; i < count; ++i) {
        if (TAV_SceneNode* child = children_.GetAt(i))
            child->Draw(lod, helper);
    }
    if (showPivot_)
        xform_.DrawPivot(helper, PivotMarkerRadius);
    helper.PopModelTransform();
}

TAV_BoundingBox TAV_SceneNode::GetWorldBoundingBox(TAV_DrawHelper& helper, bool draw)
{
    TAV_BoundingBox box;
    box.MakeInvalid();
    if (primitive_ != nullptr)
        box.Add(primitive_->GetBoundingVolume(0));
    helper.PushModelTransform();
    xform_.SetUpModelTransform(helper);
    if (box.IsValid()) {
        if (draw)
            box.Draw(&helper);
        const TAV_Vector3 lo = box.GetMin();
        const TAV_Vector3 hi = box.GetMax();
        std::array<TAV_Vector3, 8> corners = {TAV_Vector3(lo.x, lo.y, lo.z), TAV_Vector3(hi.x, lo.y, lo.z),
                                              TAV_Vector3(hi.x, hi.y, lo.z), TAV_Vector3(lo.x, hi.y, lo.z),
                                              TAV_Vector3(lo.x, lo.y, hi.z), TAV_Vector3(hi.x, lo.y, hi.z),
                                              TAV_Vector3(hi.x, hi.y, hi.z), TAV_Vector3(lo.x, hi.y, hi.z)};
        for (TAV_Vector3& corner : corners)
            helper.TransformPoint(corner);
        box.MakeInvalid();
        for (std::size_t i = 0; i < corners.size(); i += 2)
            box.Add(TAV_BoundingBox(corners[i], corners[i + 1]));
    }
    helper.PopModelTransform();
    return box;
}

bool TAV_SceneNode::FindWorldBoundingBox(const TAV_SceneNode* target, TAV_BoundingBox& box,
                                         TAV_DrawHelper& helper, bool draw)
{
    return FindWorldBoundingBox(target, box, helper, draw, 0);
}

bool TAV_SceneNode::FindWorldBoundingBox(const TAV_SceneNode* target, TAV_BoundingBox& box,
                                         TAV_DrawHelper& helper, bool draw, int depth)
{
    bool found = false;
    if (this == target) {
        box = GetWorldBoundingBox(helper, draw);
        found = true;
    } else {
        helper.PushModelTransform();
        xform_.SetUpModelTransform(helper);
        const int count = children_.Count();
        for (int i = 0; i < count && !found; ++i) {
            if (TAV_SceneNode* child = children_.GetAt(i))
                found = child->FindWorldBoundingBox(target, box, helper, draw, depth + 1);
        }
        helper.PopModelTransform();
    }
    // The outer call outlines the world-aligned box under the matrix it started with.
    if (depth == 0 && found && draw)
        box.Draw(&helper);
    return found;
}
