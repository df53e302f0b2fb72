#pragma once
#include "platform/win/Dialog.h"
#include "ui/HierarchyControl.h"

class CWorld;

// The main window's small selection panel: which kind of node a click in the
// main view creates, the grid switch, and the button that shows or hides the
// hierarchy popup, which this panel owns.
class primitiveSelect : public CDialog
{
public:
    explicit primitiveSelect(CWorld& world);

    hierarchyControl& GetHierarchy() { return m_hierarchy; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void SelectType(int primitiveType, const wchar_t* text);
    void OnGrid();
    void OnViewHierarchy();
    // Beside the main window: to its right where the screen has room, else to its left.
    void PlaceHierarchyBesideMainWindow();

    CWorld& m_world;
    hierarchyControl m_hierarchy;
    int m_grid = 1;
    bool m_hierarchyPlaced = false;
};
