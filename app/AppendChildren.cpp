#include "app/AppendChildren.h"

#include "scene/SceneNode.h"

AppendChildren::AppendChildren(TAV_SceneNode* parent, std::vector<TAV_SceneNode*> nodes, QUndoCommand* step)
    : QUndoCommand(step), m_parent(parent), m_nodes(std::move(nodes))
{
}

void AppendChildren::redo()
{
    for (TAV_SceneNode* node : m_nodes)
        m_parent->AddChild(node);
}

// Later steps are undone first, so the last slots are exactly the ones appended here.
void AppendChildren::undo()
{
    for (std::size_t i = 0; i < m_nodes.size(); ++i)
        m_parent->RemoveLastSlot();
}
