#pragma once
#include "core/PointerArray.h"
#include "core/PoolAllocator.h"
#include "core/SmallObjectPool.h"
#include "primitives/BoundingBox.h"
#include "scene/XformInfo.h"

#include <cstdint>
#include <memory>
#include <vector>

class TAV_DrawHelper;
class TAV_Primitive;

// An element of the scene graph. A node owns its primitive and its non-null
// children; a removed child leaves a null slot, so the slot count never shrinks
// and every walk skips null slots. There is no parent pointer: whoever needs a
// parent searches from the root.
class TAV_SceneNode
{
public:
    explicit TAV_SceneNode(const wchar_t* name);
    virtual ~TAV_SceneNode();
    TAV_SceneNode(const TAV_SceneNode&) = delete;
    TAV_SceneNode& operator=(const TAV_SceneNode&) = delete;

    // A large scene holds many of these at once: they live in the small-object pool.
    static void* operator new(std::size_t size) { return SmallObjectPool::Allocate(size); }
    static void operator delete(void* block, std::size_t size) { SmallObjectPool::Free(block, size); }

    virtual const wchar_t* GetName() const;

    // One character per kind of node, also the first field of its model-file line.
    char GetTypeCode() const { return typeCode_; }
    void SetTypeCode(char code) { typeCode_ = code; }

    // Takes ownership and deletes the primitive held so far; null is allowed.
    void SetPrimitive(TAV_Primitive* primitive);
    const TAV_Primitive* GetPrimitive() const { return primitive_.get(); }
    TAV_Primitive* GetPrimitive() { return primitive_.get(); }

    // Appends a slot; the node takes ownership. Returns the child.
    TAV_SceneNode* AddChild(TAV_SceneNode* child);
    // Empties every slot holding child without deleting it; the slot count stays.
    void RemoveChild(const TAV_SceneNode* child);
    int NumChildren() const { return static_cast<int>(children_.size()); }
    // Null for an index out of range and for an emptied slot.
    const TAV_SceneNode* GetChild(int index) const;
    TAV_SceneNode* GetChild(int index);
    // Empties slot index and hands its child to the caller; null for an index
    // out of range or an empty slot.
    TAV_SceneNode* TakeChild(int index);
    // Puts child into the empty slot index and takes ownership; false, and
    // nothing taken, when the slot is out of range or holds a node.
    bool PutChild(int index, TAV_SceneNode* child);
    // Drops the last slot and hands its child (null for an empty slot) to the caller.
    TAV_SceneNode* RemoveLastSlot();
    // Hands over all child slots, leaving the node with none.
    TAV_PointerArray<TAV_SceneNode> ReleaseChildren();

    TAV_XformInfo GetXformInfo() const { return xform_; }
    void SetXformInfo(const TAV_XformInfo& xform) { xform_ = xform; }
    void SetPivotVisible(bool visible) { showPivot_ = visible; }
    bool IsPivotVisible() const { return showPivot_; }

    // Draws the subtree under the helper's current matrix, which carries the
    // transforms of this node's ancestors.
    void Draw(int lod, TAV_DrawHelper& helper);
    // Box of this node's own primitive (children excluded), in the frame of the
    // helper's current matrix; the empty box when there is nothing to measure.
    // With draw set, the primitive's box is outlined in the node's own frame.
    TAV_BoundingBox GetWorldBoundingBox(TAV_DrawHelper& helper, bool draw);
    // Searches this subtree for target and sets box to its world box. With draw
    // set, outlines it in its own frame and then world-aligned. False, and the box
    // untouched, when target is not in the subtree.
    bool FindWorldBoundingBox(const TAV_SceneNode* target, TAV_BoundingBox& box, TAV_DrawHelper& helper,
                              bool draw);

private:
    bool FindWorldBoundingBox(const TAV_SceneNode* target, TAV_BoundingBox& box, TAV_DrawHelper& helper,
                              bool draw, int depth);

    std::unique_ptr<TAV_Primitive> primitive_;
    // Owned, null for an emptied slot; a plain vector in the pool, as a node is
    // one of many in a large scene.
    std::vector<TAV_SceneNode*, PoolAllocator<TAV_SceneNode*>> children_;
    TAV_XformInfo xform_;
    // Numbered by NodeNames.
    std::uint32_t name_;
    char typeCode_ = 0;
    bool showPivot_ = false;
};
