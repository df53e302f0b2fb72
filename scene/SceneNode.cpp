#include "scene/SceneNode.h"

#include "primitives/Primitive.h"
#include "render/DrawHelper.h"
#include "scene/NodeNames.h"

#include <array>
#include <utility>
#include <vector>

namespace {
constexpr float PivotMarkerRadius = 0.2f;
} // namespace

TAV_SceneNode::TAV_SceneNode(const wchar_t* name) : name_(NodeNames::Intern(name)) {}

// Descendants are detached level by level and deleted childless, so tearing down
// a deep chain does not recurse once per level.
TAV_SceneNode::~TAV_SceneNode()
{
    std::vector<TAV_SceneNode*> pending;
    TAV_SceneNode* node = this;
    while (true) {
        for (auto slot = node->children_.rbegin(); slot != node->children_.rend(); ++slot) {
            if (*slot != nullptr)
                pending.push_back(std::exchange(*slot, nullptr));
        }
        if (node != this)
            delete node;
        if (pending.empty())
            break;
        node = pending.back();
        pending.pop_back();
    }
}

const wchar_t* TAV_SceneNode::GetName() const
{
    return NodeNames::Text(name_);
}

void TAV_SceneNode::SetPrimitive(TAV_Primitive* primitive)
{
    primitive_.reset(primitive);
}

TAV_SceneNode* TAV_SceneNode::AddChild(TAV_SceneNode* child)
{
    children_.push_back(child);
    return child;
}

void TAV_SceneNode::RemoveChild(const TAV_SceneNode* child)
{
    for (TAV_SceneNode*& slot : children_) {
        if (slot == child)
            slot = nullptr;
    }
}

const TAV_SceneNode* TAV_SceneNode::GetChild(int index) const
{
    if (index < 0 || index >= NumChildren())
        return nullptr;
    return children_[static_cast<std::size_t>(index)];
}

TAV_SceneNode* TAV_SceneNode::GetChild(int index)
{
    if (index < 0 || index >= NumChildren())
        return nullptr;
    return children_[static_cast<std::size_t>(index)];
}

TAV_SceneNode* TAV_SceneNode::TakeChild(int index)
{
    if (index < 0 || index >= NumChildren())
        return nullptr;
    return std::exchange(children_[static_cast<std::size_t>(index)], nullptr);
}

bool TAV_SceneNode::PutChild(int index, TAV_SceneNode* child)
{
    if (index < 0 || index >= NumChildren() || children_[static_cast<std::size_t>(index)] != nullptr)
        return false;
    children_[static_cast<std::size_t>(index)] = child;
    return true;
}

TAV_SceneNode* TAV_SceneNode::RemoveLastSlot()
{
    if (children_.empty())
        return nullptr;
    TAV_SceneNode* child = children_.back();
    children_.pop_back();
    return child;
}

TAV_PointerArray<TAV_SceneNode> TAV_SceneNode::ReleaseChildren()
{
    TAV_PointerArray<TAV_SceneNode> released(true);
    for (TAV_SceneNode* child : children_)
        released.Append(child);
    children_ = {};
    return released;
}

void TAV_SceneNode::Draw(int lod, TAV_DrawHelper& helper)
{
    helper.PushModelTransform();
    xform_.SetUpModelTransform(helper);
    if (primitive_ != nullptr)
        primitive_->Draw(lod, helper);
    const std::size_t count = children_.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (TAV_SceneNode* child = children_[i])
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
        const std::size_t count = children_.size();
        for (std::size_t i = 0; i < count && !found; ++i) {
            if (TAV_SceneNode* child = children_[i])
                found = child->FindWorldBoundingBox(target, box, helper, draw, depth + 1);
        }
        helper.PopModelTransform();
    }
    // The outer call outlines the world-aligned box under the matrix it started with.
    if (depth == 0 && found && draw)
        box.Draw(&helper);
    return found;
}
