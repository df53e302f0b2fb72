#include "app/EditHistory.h"

#include "app/AppendChildren.h"
#include "app/AttributeChange.h"
#include "app/DetachChild.h"
#include "app/NodeStateChange.h"
#include "app/RootSwap.h"
#include "scene/SceneNode.h"
#include "scene/World.h"

namespace {

QString KindOf(const TAV_SceneNode* node)
{
    switch (node->GetTypeCode()) {
    case 'B':
        return QStringLiteral("Box");
    case 'C':
        return QStringLiteral("Circle");
    case 'j':
        return QStringLiteral("Crab");
    case 'b':
        return QStringLiteral("Body Arm");
    case 'a':
        return QStringLiteral("Claw Arm");
    case 'c':
        return QStringLiteral("Claw");
    case CWorld::RootTypeCode:
        return QString::fromWCharArray(node->GetName());
    default:
        return QStringLiteral("Object");
    }
}

QString StepName(const wchar_t* action, const TAV_SceneNode* node)
{
    return QStringLiteral("%1 %2").arg(QString::fromWCharArray(action), KindOf(node));
}

} // namespace

CEditHistory::CEditHistory(CWorld& world) : m_world(world)
{
    m_stack.setUndoLimit(StepLimit);
}

SceneStep* CEditHistory::NewStep(const QString& name, TAV_SceneNode* actedOn, bool structural)
{
    return new SceneStep(name, actedOn, structural,
                         [this](TAV_SceneNode* node, bool changedTree) { StepChanged(node, changedTree); });
}

// Without nodes coming or going, the node acted on is still in the scene.
void CEditHistory::StepChanged(TAV_SceneNode* actedOn, bool structural)
{
    if (!structural) {
        m_world.CurrentNode = actedOn;
    } else {
        m_world.CurrentNode = m_world.Contains(actedOn) ? actedOn : m_world.Root;
        if (!m_world.Contains(m_world.HitNode))
            m_world.HitNode = nullptr;
    }
    if (m_changedHandler)
        m_changedHandler(m_world.CurrentNode, structural);
}

void CEditHistory::NodeEdited(const wchar_t* action, TAV_SceneNode* node, const NodeState& before,
                              const NodeState& after)
{
    if (before == after)
        return;
    SceneStep* step = NewStep(StepName(action, node), node, false);
    new NodeStateChange(node, before, after, step);
    step->MarkDone();
    m_stack.push(step);
}

void CEditHistory::PrimitiveEdited(const wchar_t* action, TAV_SceneNode* node, TAV_Primitive* primitive,
                                   const TAV_PrimitiveAttributes& before,
                                   const TAV_PrimitiveAttributes& after)
{
    if (before == after)
        return;
    SceneStep* step = NewStep(StepName(action, node), node, false);
    new AttributeChange(primitive, before, after, step);
    step->MarkDone();
    m_stack.push(step);
}

void CEditHistory::NodeCreated(TAV_SceneNode* node)
{
    SceneStep* step = NewStep(StepName(L"Create", node), node, true);
    new AppendChildren(m_world.Root, {node}, step);
    step->OwnWhileUndone(node);
    step->MarkDone();
    m_stack.push(step);
}

void CEditHistory::NodeMoved(TAV_SceneNode* node, NodePlace from, NodePlace to, const TAV_XformInfo& before,
                             const TAV_XformInfo& after)
{
    const bool rehung = from.parent != to.parent || from.slot != to.slot;
    if (!rehung && before == after)
        return;
    const QString name = rehung
                             ? QStringLiteral("%1 under %2").arg(StepName(L"Hang", node), KindOf(to.parent))
                             : StepName(L"Move", node);
    SceneStep* step = NewStep(name, node, rehung);
    if (rehung) {
        new DetachChild(from, node, step);
        new AppendChildren(to.parent, {node}, step);
    }
    const bool showPivot = node->IsPivotVisible();
    new NodeStateChange(node, {before, showPivot}, {after, showPivot}, step);
    step->MarkDone();
    m_stack.push(step);
}

void CEditHistory::DeleteNode(TAV_SceneNode* node)
{
    const NodePlace place = m_world.PlaceOf(node);
    if (place.parent == nullptr)
        return;
    SceneStep* step = NewStep(StepName(L"Delete", node), node, true);
    new DetachChild(place, node, step);
    step->OwnWhileDone(node);
    m_stack.push(step);
}

void CEditHistory::UnhingeNode(TAV_SceneNode* node)
{
    const NodePlace place = m_world.PlaceOf(node);
    if (place.parent == nullptr || place.parent == m_world.Root)
        return;
    const bool showPivot = node->IsPivotVisible();
    const NodeState before{node->GetXformInfo(), showPivot};
    const NodeState after{m_world.XformUnder(node, m_world.Root), showPivot};
    SceneStep* step = NewStep(StepName(L"UnHinge", node), node, true);
    new DetachChild(place, node, step);
    new AppendChildren(m_world.Root, {node}, step);
    new NodeStateChange(node, before, after, step);
    m_stack.push(step);
}

void CEditHistory::DeleteEverything()
{
    SceneStep* step = NewStep(QStringLiteral("Delete Everything"), nullptr, true);
    new RootSwap(m_world, CWorld::MakeRoot(), step);
    m_stack.push(step);
}

void CEditHistory::LoadRecorded(TAV_SceneNode* clearedRoot, int firstLoaded)
{
    std::vector<TAV_SceneNode*> loaded;
    for (int i = firstLoaded; i < m_world.Root->NumChildren(); ++i)
        loaded.push_back(m_world.Root->GetChild(i));
    if (clearedRoot == nullptr && loaded.empty())
        return;
    const QString name = loaded.empty() ? QStringLiteral("Delete Everything") : QStringLiteral("Load Model");
    SceneStep* step = NewStep(name, nullptr, true);
    // A cleared scene is swapped back whole; loaded objects then live in the fresh root.
    if (clearedRoot != nullptr) {
        new RootSwap(m_world, clearedRoot, step);
    } else {
        new AppendChildren(m_world.Root, loaded, step);
        for (TAV_SceneNode* node : loaded)
            step->OwnWhileUndone(node);
    }
    step->MarkDone();
    m_stack.push(step);
}
