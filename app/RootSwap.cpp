#include "app/RootSwap.h"

#include "scene/SceneNode.h"
#include "scene/World.h"

RootSwap::RootSwap(CWorld& world, TAV_SceneNode* other, QUndoCommand* step)
    : QUndoCommand(step), m_world(world), m_other(other)
{
}

RootSwap::~RootSwap()
{
    delete m_other;
}

void RootSwap::Swap()
{
    m_other = m_world.ReplaceRoot(m_other);
}
