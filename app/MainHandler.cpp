#include "app/MainHandler.h"

#include "platform/win/Static.h"
#include "platform/win/WideFormat.h"
#include "render/D3DDrawHelper.h"
#include "scene/EditRecorder.h"
#include "scene/SceneNode.h"
#include "scene/World.h"
#include "ui/SceneTreeControl.h"

#include <algorithm>
#include <cmath>

CMainHandler::CMainHandler(CWorld& world) : CDrawOnlyHandler(world) {}

void CMainHandler::DrawOverScene()
{
    if (!m_zoom)
        return;
    // A fresh helper, so the outline is drawn with an identity model transform
    // whatever the scene left on the world's helper.
    TAVD3D_DrawHelper outline;
    outline.InitializeModelTransform();
    m_zoom->DrawWorldWindowBounds(&outline);
}

void CMainHandler::OnMouseButton(bool down, unsigned flags, int x, int y)
{
    float wx = 0.0f;
    float wy = 0.0f;
    if (!ClientToWorld(x, y, wx, wy))
        return;
    // The branches test the flags, not which button changed: a right release
    // with the left button still held also runs the left-release branch.
    if (flags & MK_LBUTTON)
        OnLeftButton(down, wx, wy);
    if (flags & MK_MBUTTON) {
        m_panning = down;
        m_panX = x;
        m_panY = y;
        m_panWindow = GetWorldWindow();
    }
    if ((flags & MK_RBUTTON) && down && m_zoom) {
        const TAV_BoundingBox zoomWindow = m_zoom->GetWorldWindow();
        m_rightPressSeen = true;
        m_pressX = x; // device x equals client x
        m_pressHalfWidth = zoomWindow.GetWidth() * 0.5f;
        m_pressHalfHeight = zoomWindow.GetHeight() * 0.5f;
    }
}

void CMainHandler::OnLeftButton(bool down, float wx, float wy)
{
    m_leftHeld = down;
    if (down) {
        m_dragging = m_world.SelectNodeAt(wx, wy);
        if (m_dragging) {
            m_lastDragPoint = TAV_Vector3(wx, wy, 0.0f);
            m_dragNode = m_world.CurrentNode;
            m_dragFrom = m_world.PlaceOf(m_dragNode);
            m_dragBefore = m_dragNode->GetXformInfo();
            m_dragFollow = m_dragBefore.GetTranslation();
            ShowCurrentInTree();
        }
        return;
    }
    if (m_dragging) {
        EndDrag();
        return;
    }
    m_world.CreateNodeAt(wx, wy);
    if (m_recorder)
        m_recorder->NodeCreated(m_world.CurrentNode);
    // The new object hangs under the root, and so does its item.
    if (SceneTreePanel)
        SceneTreePanel->FillTree(m_world.CurrentNode, SceneTreePanel->GetTreeCtrl().GetRootItem());
}

// A release can come twice for one press (the right button's release while the
// left is held runs this too), so each report starts where the last one ended,
// with the node a drop makes current.
void CMainHandler::EndDrag()
{
    m_world.DropTarget = nullptr;
    // The root is never dropped anywhere (the tree panel can make it current).
    if (m_dragNode != m_world.Root) {
        const NodePlace to = m_world.AttachToOverlappingNode() ? m_world.PlaceOf(m_dragNode) : m_dragFrom;
        if (m_recorder)
            m_recorder->NodeMoved(m_dragNode, m_dragFrom, to, m_dragBefore, m_dragNode->GetXformInfo());
        m_dragNode = m_world.CurrentNode;
        m_dragFrom = m_world.PlaceOf(m_dragNode);
        m_dragBefore = m_dragNode->GetXformInfo();
        m_dragFollow = m_dragBefore.GetTranslation();
    }
    if (SceneTreePanel)
        SceneTreePanel->RebuildTree();
    ShowCurrentInTree();
}

// While the hierarchy popup is open, the tree follows what a press picked.
void CMainHandler::ShowCurrentInTree()
{
    if (SceneTreePanel && SceneTreePanel->IsWindowVisible())
        SceneTreePanel->ShowNode(m_world.CurrentNode);
}

void CMainHandler::OnMouseMove(unsigned flags, int x, int y)
{
    float wx = 0.0f;
    float wy = 0.0f;
    if (!ClientToWorld(x, y, wx, wy))
        return;
    if ((flags & MK_MBUTTON) && m_panning) {
        PanFromPress(x, y);
        ClientToWorld(x, y, wx, wy);
    }
    if (m_positionLabel)
        m_positionLabel->SetWindowText(FormatWide(L"x %.2f  y %.2f", wx, wy).c_str());
    if ((flags & MK_LBUTTON) && m_dragging) {
        DragCurrentNode(wx, wy, flags & MK_CONTROL);
        m_world.DropTarget = m_world.CurrentNode != m_world.Root ? m_world.FindDropTarget() : nullptr;
    }
    if (!(flags & MK_RBUTTON))
        CenterZoomWindowAt(wx, wy);
    else if (m_rightPressSeen)
        ResizeZoomWindow(x);
}

void CMainHandler::OnMouseWheel(int delta, int x, int y)
{
    float wx = 0.0f;
    float wy = 0.0f;
    if (delta != 0 && ClientToWorld(x, y, wx, wy))
        ZoomAbout(wx, wy, std::pow(1.2f, -static_cast<float>(delta) / WHEEL_DELTA));
}

// Every point keeps its place relative to (wx, wy), scaled by factor, so the
// point under the cursor stays under it.
void CMainHandler::ZoomAbout(float wx, float wy, float factor)
{
    const TAV_BoundingBox window = GetWorldWindow();
    const float width = window.GetWidth();
    const float homeWidth = m_homeWindow.GetWidth();
    if (!(width > 0.0f))
        return;
    if (homeWidth > 0.0f)
        factor = std::clamp(width * factor, homeWidth / 20.0f, homeWidth * 20.0f) / width;
    const TAV_Vector3 lo = window.GetMin();
    const TAV_Vector3 hi = window.GetMax();
    SetWorldWindow(TAV_BoundingBox(TAV_Vector3(wx + (lo.x - wx) * factor, wy + (lo.y - wy) * factor, lo.z),
                                   TAV_Vector3(wx + (hi.x - wx) * factor, wy + (hi.y - wy) * factor, hi.z)));
}

// Device y runs up, client y down: dragging down shows what lies above.
void CMainHandler::PanFromPress(int x, int y)
{
    int width = 0;
    int height = 0;
    GetDeviceSize(width, height);
    if (width <= 0 || height <= 0)
        return;
    const float dx = -static_cast<float>(x - m_panX) * m_panWindow.GetWidth() / static_cast<float>(width);
    const float dy = static_cast<float>(y - m_panY) * m_panWindow.GetHeight() / static_cast<float>(height);
    const TAV_Vector3 lo = m_panWindow.GetMin();
    const TAV_Vector3 hi = m_panWindow.GetMax();
    SetWorldWindow(
        TAV_BoundingBox(TAV_Vector3(lo.x + dx, lo.y + dy, lo.z), TAV_Vector3(hi.x + dx, hi.y + dy, hi.z)));
}

void CMainHandler::PanBy(float widthFraction, float heightFraction)
{
    const TAV_BoundingBox window = GetWorldWindow();
    const TAV_Vector3 shift(window.GetWidth() * widthFraction, window.GetHeight() * heightFraction, 0.0f);
    SetWorldWindow(TAV_BoundingBox(window.GetMin() + shift, window.GetMax() + shift));
}

void CMainHandler::ResetView()
{
    if (m_homeWindow.GetWidth() > 0.0f) {
        SetWorldWindow(m_homeWindow);
        AdjustWorldWindows();
    }
}

// The node follows the mouse from where it stood at the press; with Ctrl held
// it keeps to whole grid units of its parent's frame.
void CMainHandler::DragCurrentNode(float wx, float wy, bool snap)
{
    TAV_SceneNode* node = m_world.CurrentNode;
    if (node && node != m_world.Root) {
        m_dragFollow += TAV_Vector3(wx - m_lastDragPoint.x, wy - m_lastDragPoint.y, 0.0f);
        const float nx = snap ? std::round(m_dragFollow.x) : m_dragFollow.x;
        const float ny = snap ? std::round(m_dragFollow.y) : m_dragFollow.y;
        TAV_XformInfo xform = node->GetXformInfo();
        const float z = xform.GetTranslation().z;
        xform.SetTranslation(nx, ny, z);
        xform.SetPivot(nx, ny, z);
        node->SetXformInfo(xform);
    }
    m_lastDragPoint = TAV_Vector3(wx, wy, 0.0f);
}

void CMainHandler::ResizeZoomWindow(int dx)
{
    if (!m_zoom)
        return;
    // The size always derives from the size at the press, so moving back
    // towards the press point brings it back; distances outside -44..49 and 0
    // leave it alone, which keeps the factor between 0.12 and 1.98.
    const int d = dx - m_pressX;
    if (!((d >= 1 && d <= 49) || (d >= -44 && d <= -1)))
        return;
    const float k = 1.0f + 0.02f * static_cast<float>(d);
    const float halfWidth = m_pressHalfWidth * k;
    const float halfHeight = m_pressHalfHeight * k;
    const TAV_Vector3 c = m_zoom->GetWorldWindow().GetCenter();
    m_zoom->SetWorldWindow(TAV_BoundingBox(TAV_Vector3(c.x - halfWidth, c.y - halfHeight, 0.0f),
                                           TAV_Vector3(c.x + halfWidth, c.y + halfHeight, 0.0f)));
}

void CMainHandler::CenterZoomWindowAt(float wx, float wy)
{
    if (!m_zoom)
        return;
    const TAV_BoundingBox g = m_zoom->GetWorldWindow();
    const float hw = g.GetWidth() * 0.5f;
    const float hh = g.GetHeight() * 0.5f;
    m_zoom->SetWorldWindow(
        TAV_BoundingBox(TAV_Vector3(wx - hw, wy - hh, 0.0f), TAV_Vector3(wx + hw, wy + hh, 0.0f)));
}

TAV_BoundingBox CMainHandler::FitHeightToAspect(const TAV_BoundingBox& box, float aspect)
{
    if (aspect == 0.0f)
        return box;
    const TAV_Vector3 min = box.GetMin();
    const TAV_Vector3 max = box.GetMax();
    return TAV_BoundingBox(min, TAV_Vector3(max.x, min.y + (max.x - min.x) / aspect, max.z));
}

void CMainHandler::AdjustWorldWindows()
{
    if (m_zoom)
        m_zoom->SetWorldWindow(FitHeightToAspect(m_zoom->GetWorldWindow(), m_zoom->GetAspectRatio()));

    const TAV_BoundingBox before = GetWorldWindow();
    TAV_BoundingBox fitted = FitHeightToAspect(before, GetAspectRatio());
    int width = 0;
    int height = 0;
    GetDeviceSize(width, height);
    if (width > 0)
        fitted.MoveCenterTo(before.GetCenter());
    SetWorldWindow(fitted);
}
