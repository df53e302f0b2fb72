#pragma once
#include "app/DrawOnlyHandler.h"
#include "core/Vector3.h"
#include "primitives/BoundingBox.h"
#include "scene/World.h"
#include "scene/XformInfo.h"

class CEditRecorder;
class CStatic;

// The main view: draws the world with a red outline of the zoom view's world
// window and turns mouse input into editing. A left click on empty space
// creates a node, a left press on an object selects it, dragging moves it and
// the release hangs it under the object it overlaps. Moving without the right
// button brings the zoom window along under the cursor; dragging with the
// right button resizes it.
class CMainHandler : public CDrawOnlyHandler
{
public:
    explicit CMainHandler(CWorld& world);

    // The zoom view this view steers; not owned. Set before the first frame or mouse event.
    void SetZoomHandler(CDrawOnlyHandler* zoom) { m_zoom = zoom; }
    // Hears of every node created or dragged; not owned, null for none.
    void SetEditRecorder(CEditRecorder* recorder) { m_recorder = recorder; }

    void OnMouseButton(bool down, unsigned flags, int x, int y) override;
    void OnMouseMove(unsigned flags, int x, int y) override;
    // One notch (120) zooms in by 1.2 about the world point under (x, y).
    void OnMouseWheel(int delta, int x, int y) override;

    // Takes the current world window as the start-up one that ResetView returns to
    // and that bounds zooming (1/20 to 20 times its width).
    void RememberHomeWindow() { m_homeWindow = GetWorldWindow(); }
    // The start-up world window, fitted to the view's present shape.
    void ResetView();
    // Moves the world window by fractions of its width and height.
    void PanBy(float widthFraction, float heightFraction);
    // Shows the world point under the cursor, with two decimals; not owned, null for none.
    void SetPositionLabel(CStatic* label) { m_positionLabel = label; }

    // Fits both world windows to their views' shapes: the widths stay, the
    // heights follow the aspect ratios; the main window keeps its centre.
    void AdjustWorldWindows();
    // Moves the zoom world window, size unchanged, so its centre is (wx, wy).
    void CenterZoomWindowAt(float wx, float wy);
    // Forgets a drag under way, for when the scene it moved is cleared or replaced.
    void CancelDrag()
    {
        m_dragging = false;
        m_world.DropTarget = nullptr;
    }
    // A press selected a node and the left button has not been released since.
    bool IsDragging() const { return m_dragging && m_leftHeld; }

protected:
    void DrawOverScene() override;
    void OnClientSizeChanged() override { AdjustWorldWindows(); }

private:
    // box with its left, right and bottom edges kept and its height made width / aspect.
    static TAV_BoundingBox FitHeightToAspect(const TAV_BoundingBox& box, float aspect);
    void OnLeftButton(bool down, float wx, float wy);
    void DragCurrentNode(float wx, float wy, bool snap);
    // Drops the dragged node where it overlaps another and reports the move.
    void EndDrag();
    void ShowCurrentInTree();
    void ResizeZoomWindow(int dx);
    // Scales the world window by factor about (wx, wy), within the zoom limits.
    void ZoomAbout(float wx, float wy, float factor);
    void PanFromPress(int x, int y);

    CDrawOnlyHandler* m_zoom = nullptr;
    CEditRecorder* m_recorder = nullptr;
    CStatic* m_positionLabel = nullptr;
    TAV_BoundingBox m_homeWindow;
    // The middle button's press (client pixels) and the world window then.
    bool m_panning = false;
    int m_panX = 0;
    int m_panY = 0;
    TAV_BoundingBox m_panWindow;
    // The zoom anchor, taken at the last right press in this view (device x, half sizes).
    bool m_rightPressSeen = false;
    int m_pressX = 0;
    float m_pressHalfWidth = 0.0f;
    float m_pressHalfHeight = 0.0f;
    // The last left press selected a node; later moves with the left button drag it.
    bool m_dragging = false;
    bool m_leftHeld = false;
    TAV_Vector3 m_lastDragPoint;
    // The dragged node, where it hung and its transform when the drag began; a
    // node of the scene while m_dragging is set.
    TAV_SceneNode* m_dragNode = nullptr;
    NodePlace m_dragFrom;
    TAV_XformInfo m_dragBefore;
    // Where the dragged node would stand without snapping, in its parent's frame.
    TAV_Vector3 m_dragFollow;
};
