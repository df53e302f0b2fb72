#include "ui/SceneTreeControl.h"

#include "platform/win/DataExchange.h"
#include "platform/win/Icons.h"
#include "platform/win/Menu.h"
#include "platform/win/WideFormat.h"
#include "primitives/PrimitiveList.h"
#include "resources/ResourceIds.h"
#include "scene/SceneNode.h"
#include "scene/World.h"
#include "ui/PlaceControlDialog.h"

#include <utility>
#include <vector>

CSceneTreeControl* SceneTreePanel = nullptr;

namespace {

// Each kind of node has its own icon, so boxes, circles and crabs can be told apart.
HICON IconOfKind(char typeCode)
{
    switch (typeCode) {
    case 'B':
        return Icons::LoadIconResource(IDI_NODE_BOX);
    case 'C':
        return Icons::LoadIconResource(IDI_NODE_CIRCLE);
    case 'j':
        return Icons::LoadIconResource(IDR_MAINFRAME);
    case 'b':
        return Icons::LoadIconResource(IDI_NODE_BODY_ARM);
    case 'a':
        return Icons::LoadIconResource(IDI_NODE_CLAW_ARM);
    case 'c':
        return Icons::LoadIconResource(IDI_NODE_CLAW);
    default:
        return Icons::LoadIconResource(IDI_NODE_ROOT);
    }
}

} // namespace

CSceneTreeControl::CSceneTreeControl(CWorld& world) : m_world(world) {}

// The subtree is gathered depth first with its own stack, so a deep scene costs no
// call stack, and reaches the tree as one batch.
void CSceneTreeControl::FillTree(TAV_SceneNode* node, HTREEITEM parent)
{
    if (!node)
        return;
    std::vector<TreeBatchItem> batch;
    // A node waiting for its item, with the batch index of its parent's item.
    std::vector<std::pair<TAV_SceneNode*, int>> pending{{node, -1}};
    while (!pending.empty()) {
        const auto [next, parentIndex] = pending.back();
        pending.pop_back();
        const int index = static_cast<int>(batch.size());
        batch.push_back(
            {next->GetName(), reinterpret_cast<LPARAM>(next), IconOfKind(next->GetTypeCode()), parentIndex});
        // Pushed last child first, so children come out in slot order; null slots are skipped.
        for (int i = next->NumChildren() - 1; i >= 0; --i)
            if (TAV_SceneNode* child = next->GetChild(i))
                pending.emplace_back(child, index);
    }
    m_tree.InsertItems(parent, batch);
}

void CSceneTreeControl::RebuildTree()
{
    ReleaseEditedObjects();
    m_tree.DeleteAllItems();
    FillTree(m_world.Root, TVI_ROOT);
}

void CSceneTreeControl::ShowNode(const TAV_SceneNode* node)
{
    const HTREEITEM item = node ? FindItem(node) : nullptr;
    if (item != nullptr)
        m_tree.EnsureVisible(item);
    if (item != nullptr && item == m_tree.GetSelectedItem())
        OnSelectionChanged(item);
    else
        m_tree.SelectItem(item);
}

void CSceneTreeControl::SetEditRecorder(CEditRecorder* recorder)
{
    m_xformPanel.SetEditRecorder(recorder);
    m_primitivePanel.SetEditRecorder(recorder);
}

// Depth first with its own stack, so a deep scene costs no call stack.
HTREEITEM CSceneTreeControl::FindItem(const TAV_SceneNode* node) const
{
    std::vector<HTREEITEM> pending;
    for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetNextSiblingItem(item))
        pending.push_back(item);
    while (!pending.empty()) {
        const HTREEITEM item = pending.back();
        pending.pop_back();
        if (reinterpret_cast<const TAV_SceneNode*>(m_tree.GetItemData(item)) == node)
            return item;
        for (HTREEITEM child = m_tree.GetChildItem(item); child; child = m_tree.GetNextSiblingItem(child))
            pending.push_back(child);
    }
    return nullptr;
}

void CSceneTreeControl::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SCENE_TREE, m_tree);
    DDX_Text(dx, IDC_INDEX_LABEL, m_indexText);
    DDX_Control(dx, IDC_INDEX_SLIDER, m_indexSlider);
}

BOOL CSceneTreeControl::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_indexSlider.SetRange(0, 0, TRUE);
    ShowIndex(0);
    m_currentList = nullptr;
    PlaceControlDialog(this, IDC_PRIMITIVE_PLACEHOLDER, &m_primitivePanel, IDD_PRIMITIVE_CONTROL);
    PlaceControlDialog(this, IDC_XFORM_PLACEHOLDER, &m_xformPanel, IDD_XFORM_INFO);
    m_xformPanel.TranslationLimits = {-10.0f, 10.0f};
    m_xformPanel.ScaleLimits = {0.1f, 3.0f};
    m_xformPanel.RotationLimits = {-180.0f, 180.0f};
    m_xformPanel.RefreshFromNode();
    FillTree(m_world.Root, TVI_ROOT);
    m_tree.SelectItem(m_tree.GetFirstVisibleItem());
    UpdateData(FALSE);
    return TRUE;
}

BOOL CSceneTreeControl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (static_cast<int>(wParam) != IDC_SCENE_TREE || !header || header->code != TVN_SELCHANGED)
        return CDialog::OnNotify(wParam, lParam, result);
    OnSelectionChanged(reinterpret_cast<const NMTREEVIEWW*>(header)->itemNew.hItem);
    *result = 0;
    return TRUE;
}

void CSceneTreeControl::OnHScroll(UINT code, UINT position, CWnd* bar)
{
    if (m_currentList) {
        m_indexText = FormatWide(L"%d", m_indexSlider.GetPos());
        UpdateData(FALSE);
    }
    CDialog::OnHScroll(code, position, bar);
}

void CSceneTreeControl::OnContextMenu(CWnd*, POINT point)
{
    POINT client = point;
    m_tree.ScreenToClient(&client);
    const HTREEITEM item = m_tree.HitTest(client);
    if (!item || !m_menuTarget)
        return;
    m_tree.SelectItem(item);
    CMenu menu;
    if (!menu.LoadMenu(IDR_PRIMITIVE_MENU))
        return;
    if (CMenu* popup = menu.GetSubMenu(0))
        popup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, m_menuTarget);
    menu.DestroyMenu();
}

void CSceneTreeControl::OnSelectionChanged(HTREEITEM item)
{
    auto* node = item ? reinterpret_cast<TAV_SceneNode*>(m_tree.GetItemData(item)) : nullptr;
    if (!node) {
        // The world's current node stays as it was.
        ReleaseEditedObjects();
        return;
    }
    m_xformPanel.ShowWindow(SW_SHOW);
    m_primitivePanel.ShowWindow(SW_SHOW);
    m_xformPanel.SetNode(node);
    m_world.CurrentNode = node;
    m_currentList = dynamic_cast<TAV_PrimitiveList*>(node->GetPrimitive());
    if (m_currentList) {
        m_indexSlider.SetRange(0, m_currentList->NumPrimitives() - 1, TRUE);
        ShowIndex(0);
        m_primitivePanel.SetPrimitive(m_currentList->GetPrimitive(0), node);
    } else {
        // The index slider and its label keep what they showed.
        m_primitivePanel.SetPrimitive(node->GetPrimitive(), node);
    }
}

// Hides both editing panels and makes them forget their node and primitive.
void CSceneTreeControl::ReleaseEditedObjects()
{
    m_currentList = nullptr;
    m_xformPanel.SetNode(nullptr);
    m_primitivePanel.SetPrimitive(nullptr);
    m_xformPanel.ShowWindow(SW_HIDE);
}

void CSceneTreeControl::ShowIndex(int index)
{
    m_indexSlider.SetPos(index);
    m_indexText = FormatWide(L"%d", index);
    UpdateData(FALSE);
}
