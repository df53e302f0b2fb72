#include "app/DetachChild.h"

#include "scene/SceneNode.h"

void DetachChild::redo()
{
    m_place.parent->TakeChild(m_place.slot);
}

void DetachChild::undo()
{
    m_place.parent->PutChild(m_place.slot, m_node);
}
