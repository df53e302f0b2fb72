#pragma once
#include "primitives/BoundingBox.h"
#include "render/D3DDrawHelper.h"
#include "scene/ModelLoadResult.h"

#include <istream>
#include <string>
#include <vector>

class TAV_SceneNode;
class TAV_XformInfo;

// Where a node hangs: its parent and the child slot that holds it.
struct NodePlace
{
    TAV_SceneNode* parent = nullptr;
    int slot = -1;
};

// The scene model: one tree under the root "Big Daddy" and the editing state the
// views and panels share. Every measurement (picking, overlap) and every drawing
// of the scene goes through the world's own drawing helper. Coordinates passed
// in are world coordinates.
class CWorld
{
public:
    static constexpr char RootTypeCode = 'x';

    CWorld();
    ~CWorld();
    CWorld(const CWorld&) = delete;
    CWorld& operator=(const CWorld&) = delete;

    // Whether the grid is drawn under the scene.
    bool ShowGrid = true;
    // What CreateNodeAt makes: 0 crab, 1 circle, 2 box.
    int PrimitiveType = 2;
    // The node a drag moves; a node of the tree, not owned.
    TAV_SceneNode* CurrentNode = nullptr;
    // The node of the last successful pick, outlined in yellow; not owned, may be null.
    TAV_SceneNode* HitNode = nullptr;
    // The node a drop would hang the current node under, outlined in green while
    // a drag is under way; not owned, may be null.
    TAV_SceneNode* DropTarget = nullptr;
    // Extent of the grid.
    TAV_BoundingBox WorldBounds;
    // Owned; the whole scene hangs under it.
    TAV_SceneNode* Root = nullptr;

    // Makes a node of PrimitiveType standing at (x, y), current and the last top-level object.
    void CreateNodeAt(float x, float y);
    // Picks by the boxes of the nodes' own primitives. On a hit the top-level object
    // becomes current and the hit node the highlighted one; otherwise nothing changes.
    bool SelectNodeAt(float x, float y);
    // Hangs the current node under the object its box overlaps, keeping its
    // translation relative to the world; the top-level object that now holds it
    // becomes current. False, and nothing changed, when it overlaps nothing.
    bool AttachToOverlappingNode();
    // The node a release would hang the current node under, by the search a drop
    // makes; null when it overlaps nothing or only its present parent.
    TAV_SceneNode* FindDropTarget();
    // Grid, scene, the highlight of the hit node and the outline of the drop target.
    void DrawScene();
    // Grey lines one unit apart over the box, the two axes in dark red.
    void DrawGrid(TAV_DrawHelper& helper, TAV_BoundingBox box);
    // Deletes the node with its subtree from the scene. The root is replaced by a
    // fresh one. Current and hit node are reset when they were in the subtree.
    void DeleteSubtree(TAV_SceneNode* node);
    // Leaves the bare root, current, and no highlight.
    void DeleteAllNodes();
    // A bare root named "Big Daddy", for a cleared scene.
    static TAV_SceneNode* MakeRoot();
    // Installs root (owned from now on) and hands the old root with its whole
    // tree to the caller. The new root is current; nothing is highlighted.
    TAV_SceneNode* ReplaceRoot(TAV_SceneNode* root);
    // Whether node hangs in the scene (the root included).
    bool Contains(const TAV_SceneNode* node) const;
    // The parent and slot holding node; no parent for the root or a node outside the scene.
    NodePlace PlaceOf(const TAV_SceneNode* node) const;
    // The transform that keeps node where it stands in the world once it hangs
    // under newParent, as far as a transform can express it (translation,
    // rotation, scale along the rotated axes); its pivot stays.
    TAV_XformInfo XformUnder(const TAV_SceneNode* node, const TAV_SceneNode* newParent) const;
    // Adds the model the stream holds after the existing top-level objects and
    // echoes "Model Loaded..." when every line was read.
    ModelLoadResult LoadModel(std::istream& stream);
    ModelLoadResult ReadNode(std::istream& stream, TAV_SceneNode* parent);
    // The model file text of the whole scene, root first.
    std::wstring SaveModel() const;
    // Puts the lines of node's subtree, in pre-order, in front of text.
    void WriteNode(std::wstring& text, const TAV_SceneNode* node) const;

    TAV_DrawHelper& GetDrawHelper() { return drawHelper_; }

private:
    bool SearchDropTarget(const std::vector<TAV_SceneNode*>& path, TAV_SceneNode*& target,
                          TAV_Vector3& offset, int& holder);
    void Outline(const TAV_SceneNode* node, TAV_Color color);
    void PickNode(float x, float y, bool& found, TAV_SceneNode* node);
    void FindOverlappingNode(TAV_SceneNode* node, const TAV_BoundingBox& moving, TAV_SceneNode*& target,
                             TAV_Vector3& offset);

    TAVD3D_DrawHelper drawHelper_;
};
