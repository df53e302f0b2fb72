#include "scene/TreePath.h"

#include "scene/SceneNode.h"

#include <utility>

std::vector<TAV_SceneNode*> PathTo(TAV_SceneNode* root, const TAV_SceneNode* node)
{
    if (root == nullptr || node == nullptr)
        return {};
    // Depth-first; each entry holds a node on the current path and its next child to visit.
    std::vector<std::pair<TAV_SceneNode*, int>> stack{{root, 0}};
    while (!stack.empty()) {
        auto& [current, next] = stack.back();
        if (current == node) {
            std::vector<TAV_SceneNode*> path;
            path.reserve(stack.size());
            for (const auto& entry : stack)
                path.push_back(entry.first);
            return path;
        }
        if (next >= current->NumChildren()) {
            stack.pop_back();
            continue;
        }
        if (TAV_SceneNode* child = current->GetChild(next++))
            stack.emplace_back(child, 0);
    }
    return {};
}
