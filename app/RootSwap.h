#pragma once
#include <QUndoCommand>

class CWorld;
class TAV_SceneNode;

// Exchanges the world's root, with its whole tree, for another one. The root
// that is not installed belongs to this change.
class RootSwap : public QUndoCommand
{
public:
    RootSwap(CWorld& world, TAV_SceneNode* other, QUndoCommand* step);
    ~RootSwap() override;

    void redo() override { Swap(); }
    void undo() override { Swap(); }

private:
    void Swap();

    CWorld& m_world;
    TAV_SceneNode* m_other;
};
