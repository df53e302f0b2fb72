#pragma once
#include <QUndoCommand>

#include <functional>
#include <vector>

class TAV_SceneNode;

// One undoable step: its changes are the child commands, done in order and
// undone in reverse. A step reported by a panel or view arrives already done, so
// its first redo leaves the scene alone. Nodes the step has taken out of the
// scene are deleted with it: those outside while it is done when it goes in the
// done state, the others when it goes undone.
class SceneStep : public QUndoCommand
{
public:
    // Called after every undo and every redo that changed the scene, with the
    // node the step acted on (null for the scene as a whole) and whether nodes
    // came or went.
    using Changed = std::function<void(TAV_SceneNode* actedOn, bool structural)>;

    SceneStep(const QString& name, TAV_SceneNode* actedOn, bool structural, Changed changed);
    ~SceneStep() override;

    // The scene already shows the step's result.
    void MarkDone() { m_skipRedo = true; }
    void OwnWhileDone(TAV_SceneNode* node) { m_outsideWhenDone.push_back(node); }
    void OwnWhileUndone(TAV_SceneNode* node) { m_outsideWhenUndone.push_back(node); }

    void redo() override;
    void undo() override;

private:
    TAV_SceneNode* m_actedOn;
    bool m_structural;
    Changed m_changed;
    bool m_skipRedo = false;
    bool m_done = false;
    std::vector<TAV_SceneNode*> m_outsideWhenDone;
    std::vector<TAV_SceneNode*> m_outsideWhenUndone;
};
