#pragma once
#include "platform/win/Dialog.h"
#include "platform/win/SliderCtrl.h"
#include "platform/win/TreeCtrl.h"
#include "ui/PrimitiveControl.h"
#include "ui/XformInfoControl.h"

#include <string>

class CWorld;
class TAV_PrimitiveList;
class TAV_SceneNode;

// The scene as a tree, one item per node, with the transform and attribute
// panels beside it. Selecting an item makes its node the world's current node
// and points both panels at it; for a node whose primitive is a list, the
// attribute panel edits the list's first entry and the index slider spans the list.
class CSceneTreeControl : public CDialog
{
public:
    explicit CSceneTreeControl(CWorld& world);

    // Inserts node and its subtree as the last child of parent (TVI_ROOT for the
    // top level), one collapsed item per node carrying the node; null slots are skipped.
    void FillTree(TAV_SceneNode* node, HTREEITEM parent);
    // Empties the tree and fills it again from the world's root. Nothing is
    // selected afterwards and both editing panels are hidden and let go of what
    // they edited, since the nodes behind the old items may be gone already.
    void RebuildTree();

    // Selects node's item, which points both editing panels at the node and loads
    // them again even when the item was selected already; nothing selected for
    // a node without an item.
    void ShowNode(const TAV_SceneNode* node);
    // Hands the recorder (not owned; null for none) to both editing panels.
    void SetEditRecorder(CEditRecorder* recorder);
    // The window that receives the commands of the popup menu a right click on
    // an item opens (not owned; null: no menu).
    void SetMenuCommandTarget(CWnd* target) { m_menuTarget = target; }

    CTreeCtrl& GetTreeCtrl() { return m_tree; }
    CXformInfoControl& GetXformPanel() { return m_xformPanel; }
    CPrimitiveControl& GetPrimitivePanel() { return m_primitivePanel; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnHScroll(UINT code, UINT position, CWnd* bar) override;
    // Over an item: selects it, so its node is current, and opens the popup menu.
    void OnContextMenu(CWnd* window, POINT point) override;

private:
    void OnSelectionChanged(HTREEITEM item);
    void ReleaseEditedObjects();
    void ShowIndex(int index);
    HTREEITEM FindItem(const TAV_SceneNode* node) const;

    CWorld& m_world;
    CTreeCtrl m_tree;
    // The selected node's primitive when that is a list, else null; owned by the node.
    TAV_PrimitiveList* m_currentList = nullptr;
    std::wstring m_indexText;
    CSliderCtrl m_indexSlider;
    CWnd* m_menuTarget = nullptr;
    CXformInfoControl m_xformPanel;
    CPrimitiveControl m_primitivePanel;
};

// The application's scene tree panel, for those who change the scene and must
// bring the tree in line; null until the hierarchy popup is created.
extern CSceneTreeControl* SceneTreePanel;
