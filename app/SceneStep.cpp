#include "app/SceneStep.h"

#include "scene/SceneNode.h"

SceneStep::SceneStep(const QString& name, TAV_SceneNode* actedOn, bool structural, Changed changed)
    : QUndoCommand(name), m_actedOn(actedOn), m_structural(structural), m_changed(std::move(changed))
{
}

SceneStep::~SceneStep()
{
    for (TAV_SceneNode* node : m_done ? m_outsideWhenDone : m_outsideWhenUndone)
        delete node;
}

void SceneStep::redo()
{
    m_done = true;
    if (m_skipRedo) {
        m_skipRedo = false;
        return;
    }
    QUndoCommand::redo();
    if (m_changed)
        m_changed(m_actedOn, m_structural);
}

void SceneStep::undo()
{
    QUndoCommand::undo();
    m_done = false;
    if (m_changed)
        m_changed(m_actedOn, m_structural);
}
