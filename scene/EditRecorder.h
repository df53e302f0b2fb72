#pragma once
#include "primitives/PrimitiveAttributes.h"
#include "scene/World.h"
#include "scene/XformInfo.h"

class TAV_Primitive;
class TAV_SceneNode;

// Hears of every edit a panel or view has finished, with what it touched before
// and after, so the edit can be undone. Whoever reports has already applied the
// edit. Actions name the step together with the node's kind ("Translate" Box,
// "Hang" Circle "under" Box), so they read as a verb phrase.
class CEditRecorder
{
public:
    // What the transform panel edits on a node.
    struct NodeState
    {
        TAV_XformInfo xform;
        bool showPivot = false;

        bool operator==(const NodeState& other) const = default;
    };

    virtual ~CEditRecorder() = default;

    virtual void NodeEdited(const wchar_t* action, TAV_SceneNode* node, const NodeState& before,
                            const NodeState& after) = 0;
    // primitive belongs to node, directly or as an entry of its list.
    virtual void PrimitiveEdited(const wchar_t* action, TAV_SceneNode* node, TAV_Primitive* primitive,
                                 const TAV_PrimitiveAttributes& before,
                                 const TAV_PrimitiveAttributes& after) = 0;
    // node was made and appended as the root's last child.
    virtual void NodeCreated(TAV_SceneNode* node) = 0;
    // node was dragged from one place to another (the same place when it was only
    // moved); to is the last slot of its new parent.
    virtual void NodeMoved(TAV_SceneNode* node, NodePlace from, NodePlace to, const TAV_XformInfo& before,
                           const TAV_XformInfo& after) = 0;
};
