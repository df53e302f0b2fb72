#include "app/NodeStateChange.h"

#include "scene/SceneNode.h"

NodeStateChange::NodeStateChange(TAV_SceneNode* node, const CEditRecorder::NodeState& before,
                                 const CEditRecorder::NodeState& after, QUndoCommand* step)
    : QUndoCommand(step), m_node(node), m_before(before), m_after(after)
{
}

void NodeStateChange::Apply(const CEditRecorder::NodeState& state)
{
    m_node->SetXformInfo(state.xform);
    m_node->SetPivotVisible(state.showPivot);
}
