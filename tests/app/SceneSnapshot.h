#pragma once
#include "scene/SceneNode.h"
#include "scene/SceneWriter.h"
#include "scene/World.h"

#include <string>

// Everything the scene holds, as text: its scene document, which keeps every
// field bit for bit, then each node's slot count, empty slots included, which
// the document leaves out. Two scenes are the same exactly when their snapshots are.
inline void AppendSlots(std::string& out, const TAV_SceneNode& node)
{
    out += ' ' + std::to_string(node.NumChildren());
    for (int i = 0; i < node.NumChildren(); ++i)
        if (const TAV_SceneNode* child = node.GetChild(i))
            AppendSlots(out, *child);
}

inline std::string Snapshot(const CWorld& world)
{
    std::string out = SceneWriter::Write(*world.Root, L"/");
    AppendSlots(out, *world.Root);
    return out;
}
