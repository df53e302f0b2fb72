#pragma once
#include "scene/EditRecorder.h"

#include <QUndoCommand>

// A node's transform and pivot marker, from one state to another.
class NodeStateChange : public QUndoCommand
{
public:
    NodeStateChange(TAV_SceneNode* node, const CEditRecorder::NodeState& before,
                    const CEditRecorder::NodeState& after, QUndoCommand* step);

    void redo() override { Apply(m_after); }
    void undo() override { Apply(m_before); }

private:
    void Apply(const CEditRecorder::NodeState& state);

    // Lives as long as the step can reach it: LIFO undo keeps it in the scene or in a step.
    TAV_SceneNode* m_node;
    CEditRecorder::NodeState m_before;
    CEditRecorder::NodeState m_after;
};
