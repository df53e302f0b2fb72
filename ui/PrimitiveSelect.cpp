#include "ui/PrimitiveSelect.h"

#include "core/Echo.h"
#include "platform/win/DataExchange.h"
#include "platform/win/WindowFunctions.h"
#include "resources/ResourceIds.h"
#include "scene/World.h"

#include <algorithm>

primitiveSelect::primitiveSelect(CWorld& world) : m_world(world), m_hierarchy(world) {}

void primitiveSelect::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Check(dx, IDC_GRID, m_grid);
}

BOOL primitiveSelect::OnInitDialog()
{
    CDialog::OnInitDialog();
    // A failed popup leaves later show and hide requests without a window to act on.
    m_hierarchy.Create(IDD_HIERARCHY, this);
    // Checking from code sends no command: nothing is echoed, and the world's type is already 2.
    CheckRadioButton(IDC_CIRCLE, IDC_CRAB, IDC_RECTANGLE);
    m_hierarchy.ShowWindow(SW_HIDE);
    return TRUE;
}

BOOL primitiveSelect::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return CDialog::OnCommand(wParam, lParam);
    switch (static_cast<int>(LOWORD(wParam))) {
    case IDC_CIRCLE:
        SelectType(1, L"Circle selected");
        return TRUE;
    case IDC_RECTANGLE:
        SelectType(2, L"Rectangle selected");
        return TRUE;
    case IDC_CRAB:
        SelectType(0, L"Crab Selected, get ready for some pinching!!");
        return TRUE;
    case IDC_GRID:
        OnGrid();
        return TRUE;
    case IDC_VIEW_HIERARCHY:
        OnViewHierarchy();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

// The type is stored before the echo, so whoever watches the echo sees the new type.
void primitiveSelect::SelectType(int primitiveType, const wchar_t* text)
{
    m_world.PrimitiveType = primitiveType;
    EchoMessage(text);
}

// Toggles the stored value, not the control's: the check box toggles itself on
// the click, so both stay in step.
void primitiveSelect::OnGrid()
{
    m_grid = m_grid == 0 ? 1 : 0;
    m_world.ShowGrid = m_grid == 1;
    UpdateData(FALSE);
}

// Follows the popup's real visibility, so a popup closed with its own buttons
// or close box comes back on the next press.
void primitiveSelect::OnViewHierarchy()
{
    UpdateData(TRUE);
    if (!m_hierarchyPlaced && !m_hierarchy.IsWindowVisible()) {
        PlaceHierarchyBesideMainWindow();
        m_hierarchyPlaced = true;
    }
    m_hierarchy.ShowWindow(m_hierarchy.IsWindowVisible() ? SW_HIDE : SW_SHOW);
}

void primitiveSelect::PlaceHierarchyBesideMainWindow()
{
    CWnd* mainWindow = GetParent();
    if (!mainWindow)
        return;
    RECT main{};
    RECT popup{};
    mainWindow->GetWindowRect(&main);
    m_hierarchy.GetWindowRect(&popup);
    constexpr int gap = 8;
    const int width = popup.right - popup.left;
    const int height = popup.bottom - popup.top;
    // To the right where the screen has room, else to the left; on a screen too
    // narrow for either it keeps to the screen's right edge, wholly visible.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int x = main.right + gap;
    if (x + width > screenWidth)
        x = main.left - gap - width >= 0 ? main.left - gap - width : std::max(0, screenWidth - width);
    m_hierarchy.MoveWindow(x, main.top, width, height);
}
