#pragma once
#include "scene/World.h"

#include <QUndoCommand>

// A node taken out of its slot, which stays empty; undoing puts it back there.
class DetachChild : public QUndoCommand
{
public:
    DetachChild(NodePlace place, TAV_SceneNode* node, QUndoCommand* step)
        : QUndoCommand(step), m_place(place), m_node(node)
    {
    }

    void redo() override;
    void undo() override;

private:
    NodePlace m_place;
    TAV_SceneNode* m_node;
};
