#include "scene/ModelFileLosses.h"

#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "scene/ModelLine.h"
#include "scene/ModelReader.h"
#include "scene/SceneNode.h"
#include "scene/World.h"

#include <array>
#include <sstream>
#include <utility>
#include <vector>

namespace {

enum Loss {
    Colours,
    Textures,
    Visibility,
    Outlines,
    Shading,
    Wireframe,
    Blending,
    Pivots,
    Transforms,
    Shapes,
    Count
};

constexpr std::array<const char*, Count> LossNames = {
    "colours",   "textures", "visibility",    "bounding-volume outlines", "shading",
    "wireframe", "blending", "pivot markers", "exact transforms",         "shapes and names"};

using Losses = std::array<bool, Count>;

bool Same(TAV_Vector3 a, TAV_Vector3 b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

bool SameTransform(const TAV_XformInfo& a, const TAV_XformInfo& b)
{
    return Same(a.GetTranslation(), b.GetTranslation()) && Same(a.GetPivot(), b.GetPivot()) &&
           Same(a.GetScale(), b.GetScale()) && a.GetRotationInRadians() == b.GetRotationInRadians();
}

bool SameGeometry(const TAV_Primitive& a, const TAV_Primitive& b)
{
    if (const auto* circle = dynamic_cast<const TAV_PrimitiveCircle*>(&a)) {
        const auto* other = dynamic_cast<const TAV_PrimitiveCircle*>(&b);
        return other && Same(circle->GetCenter(), other->GetCenter()) &&
               circle->GetRadius() == other->GetRadius();
    }
    if (const auto* rectangle = dynamic_cast<const TAV_PrimitiveRectangleXY*>(&a)) {
        const auto* other = dynamic_cast<const TAV_PrimitiveRectangleXY*>(&b);
        return other && Same(rectangle->GetBox().GetMin(), other->GetBox().GetMin()) &&
               Same(rectangle->GetBox().GetMax(), other->GetBox().GetMax());
    }
    if (const auto* line = dynamic_cast<const TAV_PrimitiveLine*>(&a)) {
        const auto* other = dynamic_cast<const TAV_PrimitiveLine*>(&b);
        return other && Same(line->GetStartPoint(), other->GetStartPoint()) &&
               Same(line->GetEndPoint(), other->GetEndPoint());
    }
    return dynamic_cast<const TAV_PrimitiveList*>(&a) && dynamic_cast<const TAV_PrimitiveList*>(&b);
}

void ComparePrimitives(const TAV_Primitive* a, const TAV_Primitive* b, Losses& losses)
{
    if (a == nullptr || b == nullptr) {
        losses[Shapes] = losses[Shapes] || a != b;
        return;
    }
    losses[Colours] =
        losses[Colours] || !(a->GetColor() == b->GetColor()) || !(a->GetShadeColor() == b->GetShadeColor());
    losses[Textures] = losses[Textures] || a->IsTexturing() != b->IsTexturing() ||
                       a->GetTextureName() != b->GetTextureName();
    losses[Visibility] = losses[Visibility] || a->IsVisible() != b->IsVisible();
    losses[Outlines] = losses[Outlines] || a->IsDrawBoundingVolume() != b->IsDrawBoundingVolume();
    losses[Shading] = losses[Shading] || a->GetShadeMode() != b->GetShadeMode();
    losses[Wireframe] = losses[Wireframe] || a->GetFillMode() != b->GetFillMode();
    losses[Blending] = losses[Blending] || a->IsBlending() != b->IsBlending();
    losses[Shapes] = losses[Shapes] || !SameGeometry(*a, *b);
    const auto* listA = dynamic_cast<const TAV_PrimitiveList*>(a);
    const auto* listB = dynamic_cast<const TAV_PrimitiveList*>(b);
    if (listA == nullptr || listB == nullptr)
        return;
    losses[Shapes] = losses[Shapes] || listA->NumPrimitives() != listB->NumPrimitives();
    for (int i = 0; i < listA->NumPrimitives() && i < listB->NumPrimitives(); ++i)
        ComparePrimitives(listA->GetPrimitive(i), listB->GetPrimitive(i), losses);
}

std::vector<const TAV_SceneNode*> Children(const TAV_SceneNode& node)
{
    std::vector<const TAV_SceneNode*> children;
    for (int i = 0; i < node.NumChildren(); ++i) {
        if (const TAV_SceneNode* child = node.GetChild(i))
            children.push_back(child);
    }
    return children;
}

// The model file text of the tree, written as the world writes it.
std::string ModelText(const TAV_SceneNode& root)
{
    std::string text;
    std::vector<const TAV_SceneNode*> pending{&root};
    while (!pending.empty()) {
        const TAV_SceneNode* node = pending.back();
        pending.pop_back();
        const std::vector<const TAV_SceneNode*> children = Children(*node);
        ModelLine{node->GetTypeCode(), node->GetXformInfo(), static_cast<int>(children.size())}.AppendTo(
            text);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return text;
}

} // namespace

std::string ModelFileLosses::Describe(const TAV_SceneNode& root)
{
    // What loading the model file into an empty scene gives: a bare root with the objects under it.
    TAV_SceneNode reloaded(root.GetName());
    reloaded.SetTypeCode(CWorld::RootTypeCode);
    std::istringstream stream(ModelText(root));
    ModelReader(stream).Read(&reloaded);

    Losses losses{};
    std::vector<std::pair<const TAV_SceneNode*, const TAV_SceneNode*>> pending{{&root, &reloaded}};
    while (!pending.empty()) {
        const auto [kept, read] = pending.back();
        pending.pop_back();
        losses[Pivots] = losses[Pivots] || kept->IsPivotVisible() != read->IsPivotVisible();
        losses[Transforms] = losses[Transforms] || !SameTransform(kept->GetXformInfo(), read->GetXformInfo());
        losses[Shapes] = losses[Shapes] || std::wstring(kept->GetName()) != read->GetName();
        ComparePrimitives(kept->GetPrimitive(), read->GetPrimitive(), losses);
        const std::vector<const TAV_SceneNode*> keptChildren = Children(*kept);
        const std::vector<const TAV_SceneNode*> readChildren = Children(*read);
        losses[Shapes] = losses[Shapes] || keptChildren.size() != readChildren.size();
        for (std::size_t i = 0; i < keptChildren.size() && i < readChildren.size(); ++i)
            pending.emplace_back(keptChildren[i], readChildren[i]);
    }
    std::string text;
    for (int loss = 0; loss < Count; ++loss) {
        if (losses[loss])
            text += (text.empty() ? "" : ", ") + std::string(LossNames[loss]);
    }
    return text;
}
