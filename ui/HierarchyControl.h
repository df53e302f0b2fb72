#pragma once
#include "platform/win/Dialog.h"
#include "ui/SceneTreeControl.h"

class CWorld;

// The hierarchy popup: a top-level window that only hosts the scene tree panel.
// OK, Cancel and the close box hide it; it lives until its owner goes.
class hierarchyControl : public CDialog
{
public:
    explicit hierarchyControl(CWorld& world);
    ~hierarchyControl() override;

    CSceneTreeControl& GetSceneTree() { return m_sceneTree; }

protected:
    // Places the scene tree panel and makes it the application's SceneTreePanel.
    BOOL OnInitDialog() override;

private:
    CSceneTreeControl m_sceneTree;
};
