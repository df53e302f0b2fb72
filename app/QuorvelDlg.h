#pragma once
#include "app/DrawOnlyHandler.h"
#include "app/MainHandler.h"
#include "platform/win/Dialog.h"
#include "platform/win/Static.h"
#include "ui/PrimitiveSelect.h"

#include <QString>

class CWorld;

// The main window: buttons, the echo line, the main and zoom views and the
// selection panel. A 25 ms timer redraws both views, main view first.
class CQuorvelDlg : public CDialog
{
public:
    explicit CQuorvelDlg(CWorld& world);
    ~CQuorvelDlg() override;

    // A model to load once the window is up, as "Load Model" would without asking.
    void SetStartupModel(const QString& path) { m_startupModel = path; }

    // One tick: the main view, then the zoom view.
    void DrawViews();

    void OnLoadModel();
    void OnSaveModel();
    void OnDeleteEverything();

    CMainHandler& GetMainHandler() { return m_mainHandler; }
    CDrawOnlyHandler& GetZoomHandler() { return m_zoomHandler; }
    primitiveSelect& GetSelectionPanel() { return m_selectionPanel; }

    static constexpr UINT TickMilliseconds = 25;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR id) override;
    void OnContextMenu(CWnd* window, POINT point) override;
    void OnDestroy() override;

private:
    bool BuildViewsAndPanel();
    void LoadFile(const QString& path);
    // Brings the scene tree in line with the world after the scene was replaced.
    void SceneReplaced();

    CWorld& m_world;
    HICON m_icon;
    CDrawOnlyHandler m_zoomHandler;
    CMainHandler m_mainHandler;
    primitiveSelect m_selectionPanel;
    CStatic m_frame;
    QString m_startupModel;
};
