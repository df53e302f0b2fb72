#pragma once
#include "app/DrawOnlyHandler.h"
#include "app/EditHistory.h"
#include "app/MainHandler.h"
#include "app/RecoveryFile.h"
#include "platform/win/Dialog.h"
#include "platform/win/Static.h"
#include "ui/PrimitiveSelect.h"

#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

class CWorld;

// The main window: buttons, the echo line, the main and zoom views and the
// selection panel. A 25 ms timer redraws both views, main view first. Every
// edit is a step of the window's undo history; the caption names the document
// and marks unsaved changes, and closing with unsaved changes asks first.
class CQuorvelDlg : public CDialog
{
public:
    explicit CQuorvelDlg(CWorld& world);
    ~CQuorvelDlg() override;

    // A model to load once the window is up, as "Load Model" would without asking.
    void SetStartupModel(const QString& path) { m_startupModel = path; }
    // Where the unsaved scene is kept against a crash; set before the window is created.
    void SetRecoveryFolder(const QString& folder) { m_recoveryFolder = folder; }
    // Writes the unsaved scene to the recovery file, or removes the file when nothing is unsaved.
    void KeepRecovery();

    // One tick: the main view, then the zoom view.
    void DrawViews();

    void OnLoadModel();
    // True when the model was written.
    bool OnSaveModel();
    void OnDeleteEverything();
    // Deletes the current node with its subtree; nothing for the root.
    void DeleteCurrentNode();
    // Both do nothing while a drag in the main view is under way.
    void Undo();
    void Redo();
    // Ends the run unless there are unsaved changes that the user, asked, keeps
    // (Cancel) or fails to save.
    void RequestClose();
    // "Quorvel", or "Quorvel - NAME.qvl" with "*" while there are unsaved changes.
    QString Caption() const;

    CEditHistory& GetHistory() { return m_history; }
    CMainHandler& GetMainHandler() { return m_mainHandler; }
    CDrawOnlyHandler& GetZoomHandler() { return m_zoomHandler; }
    primitiveSelect& GetSelectionPanel() { return m_selectionPanel; }

    static constexpr UINT TickMilliseconds = 25;

protected:
    BOOL OnInitDialog() override;
    // The main view takes what the window grows by; the right column and the frame follow the edges.
    void OnSize(UINT type, int cx, int cy) override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR id) override;
    void OnContextMenu(CWnd* window, POINT point) override;
    void OnDestroy() override;

private:
    bool BuildViewsAndPanel();
    // Remembers where the controls stand at start-up, which is also the smallest the window may get.
    void RecordLayout();
    // Loads the file after what is in the scene; clearedRoot is the scene the
    // load cleared first (null when it did not), which its undo step takes over.
    void LoadFile(const QString& path, TAV_SceneNode* clearedRoot);
    // Brings the scene tree in line with the world after the scene was replaced.
    void SceneReplaced();
    // Brings the views' drag, the tree and the panels in line after the history changed the scene.
    void SceneRestored(bool structural);
    void UpdateCaption();
    // Offers the scene a run that did not exit cleanly left behind; true when it was loaded.
    bool OfferRecovery();

    CWorld& m_world;
    // Before the views and panels, which report to it, so it goes after them.
    CEditHistory m_history;
    // The file the scene was last loaded from or saved to; empty for none.
    QString m_documentPath;
    HICON m_icon;
    CDrawOnlyHandler m_zoomHandler;
    CMainHandler m_mainHandler;
    primitiveSelect m_selectionPanel;
    CStatic m_frame;
    // The world point under the cursor in the main view.
    CStatic m_positionLabel;
    // A control and how it follows the window's growth: moved right or down, widened or heightened.
    struct Anchored
    {
        CWnd* control;
        RECT start;
        bool moveX, moveY, growX, growY;
    };
    std::vector<Anchored> m_layout;
    // The client size at start-up.
    int m_startWidth = 0;
    int m_startHeight = 0;
    QString m_startupModel;
    QString m_recoveryFolder = RecoveryFile::DefaultFolder();
    std::unique_ptr<RecoveryFile> m_recovery;
    QTimer m_recoveryTimer;
    // Set while a load settles the history: its passing states are not written
    // to the recovery file, only where it ends.
    bool m_recoveryHeld = false;
};
