#include "ui/HierarchyControl.h"

#include "resources/ResourceIds.h"
#include "ui/PlaceControlDialog.h"

hierarchyControl::hierarchyControl(CWorld& world) : m_sceneTree(world) {}

hierarchyControl::~hierarchyControl()
{
    // Nobody may reach the panel through the application-wide pointer once it is gone.
    if (SceneTreePanel == &m_sceneTree)
        SceneTreePanel = nullptr;
}

BOOL hierarchyControl::OnInitDialog()
{
    CDialog::OnInitDialog();
    PlaceControlDialog(this, IDC_HIERARCHY_PLACEHOLDER, &m_sceneTree, IDD_SCENE_TREE);
    SceneTreePanel = &m_sceneTree;
    return TRUE;
}
