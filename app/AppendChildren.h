#pragma once
#include <QUndoCommand>

#include <vector>

class TAV_SceneNode;

// Nodes appended, in order, as the last children of a parent. Undoing drops
// those slots again; the step owns the nodes while they are out.
class AppendChildren : public QUndoCommand
{
public:
    AppendChildren(TAV_SceneNode* parent, std::vector<TAV_SceneNode*> nodes, QUndoCommand* step);

    void redo() override;
    void undo() override;

private:
    TAV_SceneNode* m_parent;
    std::vector<TAV_SceneNode*> m_nodes;
};
