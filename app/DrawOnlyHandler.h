#pragma once
#include "ui/UIWindow.h"
#include "view/D3DWindowHandler.h"

class CWorld;

// The zoom view: draws the whole world into its own view window on every tick that changes it and
// echoes the world point under a left press or drag; it never changes the world.
class CDrawOnlyHandler : public TAVD3D_WindowHandler
{
public:
    explicit CDrawOnlyHandler(CWorld& world);
    ~CDrawOnlyHandler() override;

    // The window this view draws into; it takes the place of a dialog placeholder.
    TAVMFC_UIWindow& GetViewWindow() { return m_viewWindow; }

    // Clears to grey and draws grid, scene and highlight; nothing without a device,
    // and nothing when the frame would equal the one the view shows.
    void DrawGraphics() override;
    void OnMouseButton(bool down, unsigned flags, int x, int y) override;
    void OnMouseMove(unsigned flags, int x, int y) override;

protected:
    // Drawn after the scene, before the frame is presented.
    virtual void DrawOverScene() {}
    // Client pixel to world point, through device pixels.
    bool ClientToWorld(int x, int y, float& wx, float& wy) const;

    CWorld& m_world;

private:
    void EchoHeroPosition(int x, int y) const;

    TAVMFC_UIWindow m_viewWindow{true};
};
