#include "app/QuorvelDlg.h"

#include "app/KeyBindings.h"
#include "app/ModelFile.h"
#include "core/Echo.h"
#include "platform/win/DataExchange.h"
#include "platform/win/FileDialog.h"
#include "platform/win/Icons.h"
#include "platform/win/Menu.h"
#include "platform/win/WindowHandles.h"
#include "render/GraphicsSystem.h"
#include "resources/ResourceIds.h"
#include "scene/ModelFileLosses.h"
#include "scene/SceneNode.h"
#include "scene/World.h"
#include "ui/PlaceControlDialog.h"
#include "ui/SceneTreeControl.h"

#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <algorithm>

namespace {

const wchar_t* const kModelFilter =
    L"QVL Files (*.qvl)|*.qvl|Quorvel Scene (*.qvs)|*.qvs|All Files (*.*)|*.*||";
// The filter index (from 1) that makes a name without extension a scene document.
constexpr DWORD kSceneFilterIndex = 2;
const wchar_t* const kAlert = L"Alert";
constexpr UINT kQuestion = MB_YESNO | MB_ICONINFORMATION;

} // namespace

CQuorvelDlg::CQuorvelDlg(CWorld& world)
    : CDialog(IDD_QUORVEL_DIALOG), m_world(world), m_history(world),
      m_icon(Icons::LoadIconResource(IDR_MAINFRAME)), m_zoomHandler(world), m_mainHandler(world),
      m_selectionPanel(world)
{
    m_mainHandler.SetEditRecorder(&m_history);
    m_history.SetChangedHandler([this](TAV_SceneNode*, bool structural) { SceneRestored(structural); });
    QObject::connect(&m_history.Stack(), &QUndoStack::cleanChanged, [this] {
        UpdateCaption();
        if (!m_recoveryHeld)
            KeepRecovery();
    });
    QObject::connect(&m_recoveryTimer, &QTimer::timeout, [this] { KeepRecovery(); });
}

// The history's stack announces its clearing as it goes; the caption is gone by then.
CQuorvelDlg::~CQuorvelDlg()
{
    QObject::disconnect(&m_history.Stack(), nullptr, nullptr, nullptr);
}

void CQuorvelDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_FRAME, m_frame);
}

BOOL CQuorvelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);
    new KeyBindings(*this); // a child of the window's widget, which deletes it
    UpdateCaption();
    if (!BuildViewsAndPanel())
        return FALSE;
    CSceneTreeControl& tree = m_selectionPanel.GetHierarchy().GetSceneTree();
    tree.SetEditRecorder(&m_history);
    tree.SetMenuCommandTarget(this);

    m_mainHandler.SetWorldWindow(m_world.WorldBounds);
    m_zoomHandler.SetWorldWindow(TAV_BoundingBox(TAV_Vector3(-10, -7, 0), TAV_Vector3(10, 15, 0)));
    m_mainHandler.SetZoomHandler(&m_zoomHandler);
    m_mainHandler.AdjustWorldWindows();
    m_mainHandler.RememberHomeWindow();
    RecordLayout();
    if (CWnd* echo = GetDlgItem(IDC_MESSAGE_ECHO))
        EchoWindow = echo->GetSafeHwnd();
    SetTimer(0, TickMilliseconds);
    m_recovery = std::make_unique<RecoveryFile>(m_recoveryFolder);
    m_recoveryTimer.start(RecoveryFile::IntervalMilliseconds);
    if (!OfferRecovery() && !m_startupModel.isEmpty()) {
        LoadFile(m_startupModel, nullptr);
        // Opening the document is not an edit to undo.
        const bool clean = m_history.Stack().isClean();
        m_history.Stack().clear();
        if (!clean)
            m_history.Stack().resetClean();
        UpdateCaption();
    }
    return TRUE;
}

// Each step reports its own failure; the window then runs without what is missing.
bool CQuorvelDlg::BuildViewsAndPanel()
{
    if (!TAVD3D_GraphicsSystem::GetInstance().CreateGraphicsContext(m_hWnd))
        return false;
    if (!m_mainHandler.GetViewWindow().ReplaceDialogControl(m_hWnd, IDC_MAIN_GRAPHICS) ||
        !m_mainHandler.GetViewWindow().AttachViewport(&m_mainHandler))
        return false;
    if (!m_zoomHandler.GetViewWindow().ReplaceDialogControl(m_hWnd, IDC_ZOOM_GRAPHICS) ||
        !m_zoomHandler.GetViewWindow().AttachViewport(&m_zoomHandler))
        return false;
    return PlaceControlDialog(this, IDC_MAIN_CONTROLS, &m_selectionPanel, IDD_PRIMITIVE_SELECT);
}

BOOL CQuorvelDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDOK:
        RequestClose();
        return TRUE;
    case IDC_LOAD_MODEL:
        OnLoadModel();
        return TRUE;
    case IDC_SAVE_MODEL:
        OnSaveModel();
        return TRUE;
    case IDC_DELETE_EVERYTHING:
        OnDeleteEverything();
        return TRUE;
    case ID_PRIMITIVE_DELETE:
        DeleteCurrentNode();
        return TRUE;
    case ID_PRIMITIVE_UNHINGE:
        m_history.UnhingeNode(m_world.CurrentNode);
        return TRUE;
    default:
        // The view and frame commands and "Make Parent" have no effect.
        return CWnd::OnCommand(wParam, lParam);
    }
}

void CQuorvelDlg::RecordLayout()
{
    const auto rectOf = [this](CWnd& control) {
        RECT r{};
        control.GetWindowRect(&r);
        ScreenToClient(&r);
        return r;
    };
    // The position label stands under the selection panel, as wide as the zoom view.
    RECT zoom = rectOf(m_zoomHandler.GetViewWindow());
    RECT panel = rectOf(m_selectionPanel);
    const RECT label{zoom.left, panel.bottom + 6, zoom.right, panel.bottom + 26};
    m_positionLabel.Create(L"", WS_CHILD | WS_VISIBLE, label, this, IDC_CURSOR_POSITION);
    m_mainHandler.SetPositionLabel(&m_positionLabel);

    RECT client{};
    GetClientRect(&client);
    m_startWidth = client.right;
    m_startHeight = client.bottom;
    m_layout.clear();
    const auto anchor = [&](CWnd* control, bool moveX, bool moveY, bool growX, bool growY) {
        if (control && control->GetSafeHwnd())
            m_layout.push_back({control, rectOf(*control), moveX, moveY, growX, growY});
    };
    anchor(&m_mainHandler.GetViewWindow(), false, false, true, true);
    anchor(&m_zoomHandler.GetViewWindow(), true, false, false, false);
    anchor(&m_selectionPanel, true, false, false, false);
    anchor(GetDlgItem(IDC_DELETE_EVERYTHING), true, false, false, false);
    anchor(&m_positionLabel, true, false, false, false);
    anchor(&m_frame, false, true, true, false);
    if (QWidget* window = WindowHandles::WidgetOf(m_hWnd)) {
        window->setMinimumSize(client.right, client.bottom);
        const bool shown = window->isVisible();
        window->setWindowFlags(window->windowFlags() | Qt::WindowMinMaxButtonsHint |
                               Qt::WindowCloseButtonHint);
        if (shown)
            window->show();
    }
}

void CQuorvelDlg::OnSize(UINT, int cx, int cy)
{
    const int dw = std::max(0, cx - m_startWidth);
    const int dh = std::max(0, cy - m_startHeight);
    for (const Anchored& item : m_layout) {
        RECT r = item.start;
        r.left += item.moveX ? dw : 0;
        r.right += item.moveX || item.growX ? dw : 0;
        r.top += item.moveY ? dh : 0;
        r.bottom += item.moveY || item.growY ? dh : 0;
        item.control->MoveWindow(&r);
    }
}

void CQuorvelDlg::OnTimer(UINT_PTR)
{
    DrawViews();
}

void CQuorvelDlg::DrawViews()
{
    m_mainHandler.DrawGraphics();
    m_zoomHandler.DrawGraphics();
}

void CQuorvelDlg::OnContextMenu(CWnd*, POINT point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_PRIMITIVE_MENU))
        return;
    CWnd* exitButton = GetDlgItem(IDOK);
    RECT r{};
    if (exitButton)
        exitButton->GetWindowRect(&r);
    const bool overExit =
        exitButton && point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom;
    if (overExit)
        if (CMenu* popup = menu.GetSubMenu(0))
            popup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
    menu.DestroyMenu();
}

void CQuorvelDlg::OnDestroy()
{
    KillTimer(0);
    TAVD3D_GraphicsSystem::GetInstance().ReleaseGraphicsContext();
    CDialog::OnDestroy();
}

void CQuorvelDlg::SceneReplaced()
{
    m_mainHandler.CancelDrag();
    if (SceneTreePanel)
        SceneTreePanel->RebuildTree();
}

void CQuorvelDlg::SceneRestored(bool structural)
{
    m_mainHandler.CancelDrag();
    if (!SceneTreePanel)
        return;
    if (structural)
        SceneTreePanel->RebuildTree();
    // After a rebuild nothing is selected; a restored root stays that way.
    if (!structural || m_world.CurrentNode != m_world.Root)
        SceneTreePanel->ShowNode(m_world.CurrentNode);
}

void CQuorvelDlg::DeleteCurrentNode()
{
    m_history.DeleteNode(m_world.CurrentNode);
}

void CQuorvelDlg::Undo()
{
    if (!m_mainHandler.IsDragging())
        m_history.Stack().undo();
}

void CQuorvelDlg::Redo()
{
    if (!m_mainHandler.IsDragging())
        m_history.Stack().redo();
}

QString CQuorvelDlg::Caption() const
{
    if (m_documentPath.isEmpty())
        return QStringLiteral("Quorvel");
    return QStringLiteral("Quorvel - %1%2")
        .arg(QFileInfo(m_documentPath).fileName(),
             m_history.Stack().isClean() ? QString() : QStringLiteral("*"));
}

void CQuorvelDlg::UpdateCaption()
{
    if (m_hWnd)
        SetWindowText(Caption().toStdWString().c_str());
}

void CQuorvelDlg::KeepRecovery()
{
    if (!m_recovery)
        return;
    if (m_history.Stack().isClean())
        m_recovery->Remove();
    else
        m_recovery->Write(m_world);
}

bool CQuorvelDlg::OfferRecovery()
{
    const QString abandoned = RecoveryFile::FindAbandoned(m_recoveryFolder);
    if (abandoned.isEmpty())
        return false;
    const QString when = QFileInfo(abandoned).lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const QString question = QStringLiteral("Recover the unsaved scene from %1?").arg(when);
    const bool recover = MessageBox(question.toStdWString().c_str(), L"Quorvel", MB_YESNO) == IDYES;
    if (recover) {
        // Loaded as unsaved work: no document, nothing to undo, and closing asks to save it.
        const ModelFile::LoadReport report = ModelFile::Load(m_world, abandoned);
        SceneReplaced();
        const QString problem = ModelFile::DescribeProblem(abandoned, report);
        if (!problem.isEmpty())
            EchoMessage(problem.toStdWString());
        m_history.Stack().resetClean();
        KeepRecovery();
    }
    QFile::remove(abandoned);
    return recover;
}

void CQuorvelDlg::RequestClose()
{
    if (!m_history.Stack().isClean()) {
        const QString question = m_documentPath.isEmpty()
                                     ? QStringLiteral("Save changes before closing?")
                                     : QStringLiteral("Save changes to %1 before closing?")
                                           .arg(QFileInfo(m_documentPath).fileName());
        const int answer = MessageBox(question.toStdWString().c_str(), L"Quorvel", MB_SAVEDISCARDCANCEL);
        if (answer == IDCANCEL || (answer == IDYES && !OnSaveModel()))
            return;
    }
    if (m_recovery)
        m_recovery->Remove();
    EndDialog(IDOK);
}

void CQuorvelDlg::OnLoadModel()
{
    TAV_SceneNode* clearedRoot = nullptr;
    if (MessageBox(L"Would you like to Delete all Items prior to opening a recent model? NOTE: all work will "
                   L"be LOST if not saved...",
                   kAlert, kQuestion) == IDYES) {
        clearedRoot = m_world.ReplaceRoot(CWorld::MakeRoot());
        SceneReplaced();
    }
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kModelFilter);
    if (dialog.DoModal() != IDOK) {
        // The clearing stays, as a step of its own.
        m_history.LoadRecorded(clearedRoot, m_world.Root->NumChildren());
        return;
    }
    LoadFile(QString::fromStdWString(dialog.GetPathName()), clearedRoot);
    UpdateData(FALSE);
}

// A file loaded into an empty scene becomes the document, saved as long as all of it was read.
void CQuorvelDlg::LoadFile(const QString& path, TAV_SceneNode* clearedRoot)
{
    bool wasEmpty = true;
    for (int i = 0; i < m_world.Root->NumChildren() && wasEmpty; ++i)
        wasEmpty = m_world.Root->GetChild(i) == nullptr;
    // A scene document read into an empty scene sets the root too, so the load
    // goes into a fresh root that undoing swaps back out; one that adds nothing
    // leaves the old root in place.
    const bool freshRoot = clearedRoot == nullptr && wasEmpty;
    if (freshRoot)
        clearedRoot = m_world.ReplaceRoot(CWorld::MakeRoot());
    // Recording the load leaves the history unsaved for a moment even when the
    // file becomes the saved document; a large scene must not be written then.
    const bool wasClean = m_history.Stack().isClean();
    m_recoveryHeld = true;
    const int firstLoaded = m_world.Root->NumChildren();
    const ModelFile::LoadReport report = ModelFile::Load(m_world, path);
    if (freshRoot && m_world.Root->NumChildren() == 0) {
        delete m_world.ReplaceRoot(clearedRoot);
        clearedRoot = nullptr;
    }
    m_history.LoadRecorded(clearedRoot, firstLoaded);
    SceneReplaced();
    const QString problem = ModelFile::DescribeProblem(path, report);
    if (!problem.isEmpty())
        EchoMessage(problem.toStdWString());
    if (report.opened && wasEmpty) {
        m_documentPath = path;
        if (report.result.IsComplete())
            m_history.Stack().setClean();
        else
            m_history.Stack().resetClean();
        UpdateCaption();
    }
    m_recoveryHeld = false;
    if (m_history.Stack().isClean() != wasClean)
        KeepRecovery();
}

bool CQuorvelDlg::OnSaveModel()
{
    UpdateData(TRUE);
    CFileDialog dialog(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kModelFilter);
    if (dialog.DoModal() != IDOK)
        return false;
    const QString chosen = QString::fromStdWString(dialog.GetPathName());
    const QString path = ModelFile::WithExtension(chosen, dialog.GetFilterIndex() == kSceneFilterIndex
                                                              ? QStringLiteral(".qvs")
                                                              : QStringLiteral(".qvl"));
    // The file dialog asked about the name it was given; a name the extension
    // leads to another existing file is asked about here.
    if (path != chosen && QFileInfo::exists(path)) {
        const QString question = QStringLiteral("%1 already exists. Do you want to replace it?").arg(path);
        if (MessageBox(question.toStdWString().c_str(), kAlert, kQuestion) != IDYES)
            return false;
    }
    QString error;
    if (!ModelFile::Save(m_world, path, &error)) {
        const QString text = QStringLiteral("The model could not be saved to %1: %2").arg(path, error);
        MessageBox(text.toStdWString().c_str(), kAlert, MB_OK | MB_ICONERROR);
        return false;
    }
    m_documentPath = path;
    m_history.Stack().setClean();
    UpdateCaption();
    if (!ModelFile::IsSceneDocument(path)) {
        const std::string lost = ModelFileLosses::Describe(*m_world.Root);
        if (!lost.empty())
            EchoMessage(
                QStringLiteral("Saved without %1, which a .qvl file cannot keep; a .qvs scene keeps them")
                    .arg(QString::fromStdString(lost))
                    .toStdWString());
    }
    return true;
}

void CQuorvelDlg::OnDeleteEverything()
{
    if (MessageBox(L"Delete all Items?", kAlert, kQuestion) != IDYES)
        return;
    m_history.DeleteEverything();
}
