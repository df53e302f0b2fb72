#pragma once
#include <vector>

class TAV_SceneNode;

// The chain of nodes from root down to node, both included; empty when node is
// not in root's subtree. Walks with its own stack, so depth costs no call stack.
std::vector<TAV_SceneNode*> PathTo(TAV_SceneNode* root, const TAV_SceneNode* node);
