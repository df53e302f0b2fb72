#pragma once
#include "app/SceneStep.h"
#include "scene/EditRecorder.h"

#include <QUndoStack>

class CWorld;

// The undo history of one world. Panels and views report the edits they have
// made; deleting, detaching and clearing run here as steps. After every undo
// and redo the world's current node is the node the step acted on (the root
// when that node is out of the scene), the highlight is dropped when its node
// left, and the changed handler brings the views and panels in line.
class CEditHistory : public CEditRecorder
{
public:
    // Steps kept before the oldest are forgotten.
    static constexpr int StepLimit = 1000;

    explicit CEditHistory(CWorld& world);

    QUndoStack& Stack() { return m_stack; }
    const QUndoStack& Stack() const { return m_stack; }
    void SetChangedHandler(SceneStep::Changed handler) { m_changedHandler = std::move(handler); }

    void NodeEdited(const wchar_t* action, TAV_SceneNode* node, const NodeState& before,
                    const NodeState& after) override;
    void PrimitiveEdited(const wchar_t* action, TAV_SceneNode* node, TAV_Primitive* primitive,
                         const TAV_PrimitiveAttributes& before,
                         const TAV_PrimitiveAttributes& after) override;
    void NodeCreated(TAV_SceneNode* node) override;
    void NodeMoved(TAV_SceneNode* node, NodePlace from, NodePlace to, const TAV_XformInfo& before,
                   const TAV_XformInfo& after) override;

    // Deletes node with its subtree; no step for the root or a node outside the scene.
    void DeleteNode(TAV_SceneNode* node);
    // Moves node from its parent to the end of the root's children, keeping where
    // it stands in the world; no step unless it hangs below a top-level object.
    void UnhingeNode(TAV_SceneNode* node);
    // Replaces the scene by a bare root.
    void DeleteEverything();
    // A load that has run: clearedRoot is the scene it cleared first (null when it
    // kept the scene; the step owns it), and the root's slots from firstLoaded on
    // hold what it added. No step when it changed nothing.
    void LoadRecorded(TAV_SceneNode* clearedRoot, int firstLoaded);

private:
    SceneStep* NewStep(const QString& name, TAV_SceneNode* actedOn, bool structural);
    void StepChanged(TAV_SceneNode* actedOn, bool structural);

    CWorld& m_world;
    QUndoStack m_stack;
    SceneStep::Changed m_changedHandler;
};
