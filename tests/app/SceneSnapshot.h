#pragma once
#include "primitives/PrimitiveList.h"
#include "scene/SceneNode.h"
#include "scene/World.h"

#include <bit>
#include <sstream>
#include <string>

// Everything the scene holds, as text: each node's kind, name, transform bits,
// pivot marker and slot layout, and every attribute of its primitive and of
// each list entry. Two scenes are the same exactly when their snapshots are.
inline void SnapshotPrimitive(std::wostringstream& out, const TAV_Primitive* primitive)
{
    if (!primitive) {
        out << L" -";
        return;
    }
    const TAV_PrimitiveAttributes& a = primitive->GetAttributes();
    out << L" [" << a.visible << a.drawBoundingVolume << a.blending << a.texturing << L' '
        << static_cast<int>(a.fillMode) << static_cast<int>(a.shadeMode) << L' ' << std::hex
        << a.color.GetARGB() << L' ' << a.shadeColor.GetARGB() << std::dec << L' ' << a.textureName;
    if (auto* list = dynamic_cast<const TAV_PrimitiveList*>(primitive))
        for (int i = 0; i < list->NumPrimitives(); ++i)
            SnapshotPrimitive(out, list->GetPrimitive(i));
    out << L']';
}

inline void SnapshotNode(std::wostringstream& out, const TAV_SceneNode* node, int depth)
{
    const TAV_XformInfo x = node->GetXformInfo();
    out << std::wstring(depth, L' ') << node->GetTypeCode() << L' ' << node->GetName() << std::hex;
    for (const TAV_Vector3& v : {x.GetTranslation(), x.GetPivot(), x.GetScale()})
        out << L' ' << std::bit_cast<unsigned>(v.x) << L',' << std::bit_cast<unsigned>(v.y) << L','
            << std::bit_cast<unsigned>(v.z);
    out << L' ' << std::bit_cast<unsigned>(x.GetRotationInRadians()) << std::dec << L" pivot "
        << node->IsPivotVisible() << L" slots " << node->NumChildren();
    SnapshotPrimitive(out, node->GetPrimitive());
    out << L'\n';
    for (int i = 0; i < node->NumChildren(); ++i)
        if (const TAV_SceneNode* child = node->GetChild(i))
            SnapshotNode(out, child, depth + 1);
}

inline std::wstring Snapshot(const CWorld& world)
{
    std::wostringstream out;
    SnapshotNode(out, world.Root, 0);
    return out.str();
}
