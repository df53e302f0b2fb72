#include "scene/World.h"

#include "core/Echo.h"
#include "scene/Affine2D.h"
#include "scene/Box.h"
#include "scene/Circle.h"
#include "scene/Crab.h"
#include "scene/ModelLine.h"
#include "scene/ModelReader.h"
#include "scene/TreePath.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

// Number of children a node's line announces: the ones whose lines follow it.
int WrittenChildCount(const TAV_SceneNode& node)
{
    int count = 0;
    for (int i = 0; i < node.NumChildren(); ++i)
        count += node.GetChild(i) != nullptr ? 1 : 0;
    return count;
}

// Where node's own frame stands in the world: its matrix followed by those of its ancestors.
Affine2D WorldMatrixOf(const std::vector<TAV_SceneNode*>& path)
{
    Affine2D m;
    for (auto it = path.rbegin(); it != path.rend(); ++it)
        m = m.Then(Affine2D::Of((*it)->GetXformInfo()));
    return m;
}

} // namespace

CWorld::CWorld()
    : WorldBounds(TAV_Vector3(-25.0f, -25.0f, 0.0f), TAV_Vector3(25.0f, 25.0f, 0.0f)), Root(MakeRoot())
{
    CurrentNode = Root;
}

CWorld::~CWorld()
{
    delete Root;
}

TAV_SceneNode* CWorld::MakeRoot()
{
    auto* root = new TAV_SceneNode(L"Big Daddy");
    root->SetTypeCode(RootTypeCode);
    return root;
}

TAV_SceneNode* CWorld::ReplaceRoot(TAV_SceneNode* root)
{
    TAV_SceneNode* old = std::exchange(Root, root);
    CurrentNode = Root;
    HitNode = nullptr;
    DropTarget = nullptr;
    return old;
}

bool CWorld::Contains(const TAV_SceneNode* node) const
{
    return node != nullptr && !PathTo(Root, node).empty();
}

NodePlace CWorld::PlaceOf(const TAV_SceneNode* node) const
{
    const std::vector<TAV_SceneNode*> path = PathTo(Root, node);
    if (path.size() < 2)
        return {};
    TAV_SceneNode* parent = path[path.size() - 2];
    for (int i = 0; i < parent->NumChildren(); ++i) {
        if (parent->GetChild(i) == node)
            return {parent, i};
    }
    return {};
}

TAV_XformInfo CWorld::XformUnder(const TAV_SceneNode* node, const TAV_SceneNode* newParent) const
{
    const std::vector<TAV_SceneNode*> nodePath = PathTo(Root, node);
    const std::vector<TAV_SceneNode*> parentPath = PathTo(Root, newParent);
    if (nodePath.empty() || parentPath.empty())
        return node != nullptr ? node->GetXformInfo() : TAV_XformInfo();
    const Affine2D local = WorldMatrixOf(nodePath).Then(WorldMatrixOf(parentPath).Inverse());
    return local.ToXform(node->GetXformInfo());
}

void CWorld::CreateNodeAt(float x, float y)
{
    TAV_SceneNode* node = nullptr;
    if (PrimitiveType == 0)
        node = new CCrab(x, y, 0.0f);
    else if (PrimitiveType == 1)
        node = new CCircle(x, y, 0.0f);
    else
        node = new CBox(x, y, 0.0f);
    CurrentNode = node;
    Root->AddChild(node);
}

// One walk down each top-level object with the accumulated matrix on the helper's
// stack. A node whose box holds the point becomes the hit node and its children
// are not looked at; the walk goes on through later siblings, so the last node in
// walk order that holds the point wins. The first top-level object with a hit
// ends the search.
bool CWorld::SelectNodeAt(float x, float y)
{
    drawHelper_.InitializeModelTransform();
    drawHelper_.PushModelTransform();
    Root->GetXformInfo().SetUpModelTransform(drawHelper_);
    bool found = false;
    for (int i = 0; i < Root->NumChildren() && !found; ++i) {
        if (TAV_SceneNode* child = Root->GetChild(i)) {
            PickNode(x, y, found, child);
            if (found)
                CurrentNode = child;
        }
    }
    drawHelper_.PopModelTransform();
    return found;
}

// The helper's top carries the transforms of node's ancestors, root included.
void CWorld::PickNode(float x, float y, bool& found, TAV_SceneNode* node)
{
    if (node->GetWorldBoundingBox(drawHelper_, false).ContainsPoint(x, y, 0.0f)) {
        found = true;
        HitNode = node;
        return;
    }
    drawHelper_.PushModelTransform();
    node->GetXformInfo().SetUpModelTransform(drawHelper_);
    const int count = node->NumChildren();
    for (int i = 0; i < count; ++i) {
        if (TAV_SceneNode* child = node->GetChild(i))
            PickNode(x, y, found, child);
    }
    drawHelper_.PopModelTransform();
}

// Top-level objects are searched from the last to the first. The current node may
// sit anywhere in the tree; its own subtree is never searched, so it never ends
// up under itself.
bool CWorld::SearchDropTarget(const std::vector<TAV_SceneNode*>& path, TAV_SceneNode*& target,
                              TAV_Vector3& offset, int& holder)
{
    target = nullptr;
    if (path.size() < 2)
        return false;
    TAV_BoundingBox moving;
    drawHelper_.InitializeModelTransform();
    Root->FindWorldBoundingBox(CurrentNode, moving, drawHelper_, false);

    holder = Root->NumChildren() - 1;
    drawHelper_.PushModelTransform();
    Root->GetXformInfo().SetUpModelTransform(drawHelper_);
    for (; holder >= 0; --holder) {
        TAV_SceneNode* child = Root->GetChild(holder);
        if (child != nullptr && child != CurrentNode)
            FindOverlappingNode(child, moving, target, offset);
        if (target != nullptr)
            break;
    }
    drawHelper_.PopModelTransform();
    return target != nullptr;
}

TAV_SceneNode* CWorld::FindDropTarget()
{
    const std::vector<TAV_SceneNode*> path = PathTo(Root, CurrentNode);
    TAV_SceneNode* target = nullptr;
    TAV_Vector3 offset;
    int holder = 0;
    if (!SearchDropTarget(path, target, offset, holder) || target == path[path.size() - 2])
        return nullptr;
    return target;
}

// The node leaves its actual parent for the target.
bool CWorld::AttachToOverlappingNode()
{
    const std::vector<TAV_SceneNode*> path = PathTo(Root, CurrentNode);
    TAV_SceneNode* target = nullptr;
    TAV_Vector3 offset;
    int holder = 0;
    if (!SearchDropTarget(path, target, offset, holder))
        return false;

    // Only translations are compensated: the node's translation becomes relative
    // to its new parent as if every node between it and the root were only translated.
    TAV_Vector3 oldOffset;
    for (std::size_t i = 1; i + 1 < path.size(); ++i)
        oldOffset += path[i]->GetXformInfo().GetTranslation();
    TAV_XformInfo xform = CurrentNode->GetXformInfo();
    const TAV_Vector3 translation = xform.GetTranslation() + oldOffset - offset;
    xform.SetTranslation(translation.x, translation.y, translation.z);
    path[path.size() - 2]->RemoveChild(CurrentNode);
    target->AddChild(CurrentNode);
    CurrentNode->SetXformInfo(xform);
    CurrentNode = Root->GetChild(holder);
    return true;
}

// Searches node's subtree in the order: the subtree in its first child slot, the
// node itself, the subtrees in its other slots; a node without slots is tested
// alone. The current node's slot counts as empty. Every box is a world box,
// measured with the accumulated matrix (the helper's top carries node's
// ancestors). On a hit, offset gains the translations of the target and of its
// ancestors up to node.
void CWorld::FindOverlappingNode(TAV_SceneNode* node, const TAV_BoundingBox& moving, TAV_SceneNode*& target,
                                 TAV_Vector3& offset)
{
    const bool overlaps = moving.Intersects(node->GetWorldBoundingBox(drawHelper_, false));
    const int count = node->NumChildren();
    drawHelper_.PushModelTransform();
    node->GetXformInfo().SetUpModelTransform(drawHelper_);
    for (int i = 0; i < count && target == nullptr; ++i) {
        TAV_SceneNode* child = node->GetChild(i);
        if (child != nullptr && child != CurrentNode)
            FindOverlappingNode(child, moving, target, offset);
        if (target == nullptr && i == 0 && overlaps)
            target = node;
    }
    drawHelper_.PopModelTransform();
    if (count == 0 && overlaps)
        target = node;
    if (target != nullptr)
        offset += node->GetXformInfo().GetTranslation();
}

void CWorld::DrawScene()
{
    drawHelper_.InitializeModelTransform();
    if (ShowGrid)
        DrawGrid(drawHelper_, WorldBounds);
    Root->Draw(drawHelper_.GetLod(), drawHelper_);
    if (HitNode != nullptr)
        Outline(HitNode, TAV_Color(255, 255, 0, 255));
    if (DropTarget != nullptr)
        Outline(DropTarget, TAV_Color(0, 200, 0, 255));
}

// The outline sets every attribute it relies on: the device keeps whatever
// shade colour, blending and texture the last primitive left.
void CWorld::Outline(const TAV_SceneNode* node, TAV_Color color)
{
    drawHelper_.ResetAttributes();
    drawHelper_.SetColor(color);
    drawHelper_.SetShadeColor(color);
    TAV_BoundingBox box;
    Root->FindWorldBoundingBox(node, box, drawHelper_, true);
}

// In world coordinates, under the identity model matrix. The helper is left grey.
void CWorld::DrawGrid(TAV_DrawHelper& helper, TAV_BoundingBox box)
{
    const TAV_Color grey(120, 120, 120, 255);
    const TAV_Color axis(130, 30, 30, 255);
    const TAV_Vector3 lo = box.GetMin();
    const TAV_Vector3 hi = box.GetMax();
    // Blending and texture may still be on from the last primitive of the previous frame.
    helper.ResetAttributes();
    helper.SetColor(grey);
    helper.SetShadeColor(grey);
    const auto drawLine = [&](float x1, float y1, float x2, float y2, bool isAxis) {
        if (isAxis) {
            helper.SetColor(axis);
            helper.SetShadeColor(axis);
        }
        helper.DrawLine(x1, y1, 0.0f, x2, y2, 0.0f);
        if (isAxis) {
            helper.SetColor(grey);
            helper.SetShadeColor(grey);
        }
    };
    for (float y = std::floor(lo.y); y <= hi.y; y += 1.0f)
        drawLine(lo.x, y, hi.x, y, y == 0.0f);
    for (float x = std::floor(lo.x); x <= hi.x; x += 1.0f)
        drawLine(x, lo.y, x, hi.y, x == 0.0f);
}

void CWorld::DeleteSubtree(TAV_SceneNode* node)
{
    if (node == nullptr)
        return;
    if (node == Root) {
        delete ReplaceRoot(MakeRoot());
        return;
    }
    const std::vector<TAV_SceneNode*> path = PathTo(Root, node);
    if (path.empty())
        return;
    if (!PathTo(node, CurrentNode).empty())
        CurrentNode = Root;
    if (!PathTo(node, HitNode).empty())
        HitNode = nullptr;
    if (!PathTo(node, DropTarget).empty())
        DropTarget = nullptr;
    path[path.size() - 2]->RemoveChild(node);
    delete node;
}

void CWorld::DeleteAllNodes()
{
    DeleteSubtree(Root);
}

ModelLoadResult CWorld::LoadModel(std::istream& stream)
{
    const ModelLoadResult result = ReadNode(stream, Root);
    if (result.IsComplete())
        EchoMessage(L"Model Loaded...");
    return result;
}

ModelLoadResult CWorld::ReadNode(std::istream& stream, TAV_SceneNode* parent)
{
    return ModelReader(stream).Read(parent);
}

std::wstring CWorld::SaveModel() const
{
    std::wstring text;
    WriteNode(text, Root);
    return text;
}

// Pre-order with its own stack: children are pushed last to first so they come
// out in index order.
void CWorld::WriteNode(std::wstring& text, const TAV_SceneNode* node) const
{
    std::string lines;
    std::vector<const TAV_SceneNode*> pending;
    if (node != nullptr)
        pending.push_back(node);
    while (!pending.empty()) {
        const TAV_SceneNode* current = pending.back();
        pending.pop_back();
        ModelLine line{current->GetTypeCode(), current->GetXformInfo(), WrittenChildCount(*current)};
        line.AppendTo(lines);
        for (int i = current->NumChildren() - 1; i >= 0; --i) {
            if (const TAV_SceneNode* child = current->GetChild(i))
                pending.push_back(child);
        }
    }
    text.insert(text.begin(), lines.begin(), lines.end());
}
