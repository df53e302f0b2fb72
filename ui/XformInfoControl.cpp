#include "ui/XformInfoControl.h"

#include "platform/win/DataExchange.h"
#include "resources/ResourceIds.h"
#include "scene/SceneNode.h"

#include <algorithm>

void CXformInfoControl::SetNode(TAV_SceneNode* node)
{
    m_gesture.Cancel();
    m_node = node;
    RefreshFromNode();
}

void CXformInfoControl::RefreshFromNode()
{
    if (!m_node || !m_hWnd)
        return;
    const TAV_XformInfo xform = m_node->GetXformInfo();
    // A value beyond the limits widens its slider's range to take it, so the
    // slider shows the node's own value and touching it never moves the node.
    const auto load = [this](Limits limits, float x, float y) {
        m_xSlider.SetRangeAndValue(std::min(limits.minimum, x), std::max(limits.maximum, x), x);
        m_ySlider.SetRangeAndValue(std::min(limits.minimum, y), std::max(limits.maximum, y), y);
    };
    const Mode mode = CheckedMode();
    switch (mode) {
    case Mode::Translate:
        load(TranslationLimits, xform.GetTranslation().x, xform.GetTranslation().y);
        break;
    case Mode::Scale:
        load(ScaleLimits, xform.GetScale().x, xform.GetScale().y);
        break;
    case Mode::Rotation:
        load(RotationLimits, xform.GetRotationInDegrees(), 0.0f);
        break;
    case Mode::Pivot:
        load(TranslationLimits, xform.GetPivot().x, xform.GetPivot().y);
        break;
    case Mode::None:
        break;
    }
    if (mode != Mode::None)
        m_ySlider.EnableWindow(mode != Mode::Rotation);
    m_showPivot = m_node->IsPivotVisible() ? 1 : 0;
    UpdateData(FALSE);
}

void CXformInfoControl::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_X_SLIDER, m_xSlider);
    DDX_Control(dx, IDC_Y_SLIDER, m_ySlider);
    DDX_Control(dx, IDC_Z_SLIDER, m_zSlider);
    DDX_Check(dx, IDC_SHOW_PIVOT, m_showPivot);
}

BOOL CXformInfoControl::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_node = nullptr;
    CheckRadioButton(IDC_TRANSLATE, IDC_ROTATION, IDC_TRANSLATE);
    CheckDlgButton(IDC_PIVOT, BST_UNCHECKED);
    RefreshFromNode();
    return TRUE;
}

BOOL CXformInfoControl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == EN_RETURN || HIWORD(wParam) == EN_ESCAPE) {
        OnEchoCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    if (HIWORD(wParam) != BN_CLICKED)
        return CDialog::OnCommand(wParam, lParam);
    switch (static_cast<int>(LOWORD(wParam))) {
    case IDC_TRANSLATE:
    case IDC_SCALE:
    case IDC_ROTATION:
    case IDC_PIVOT:
        RefreshFromNode();
        return TRUE;
    case IDC_RESET:
        OnReset();
        return TRUE;
    case IDC_SHOW_PIVOT:
        OnShowPivot();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

void CXformInfoControl::OnHScroll(UINT code, UINT position, CWnd* bar)
{
    // Without a node the message stops here, so the echo does not move either.
    if (!m_node)
        return;
    m_gesture.Begin(NodeState());
    ApplySliders();
    if (m_gesture.End(code))
        Report(ModeAction(), m_gesture.Before());
    CDialog::OnHScroll(code, position, bar);
}

const wchar_t* CXformInfoControl::ModeAction() const
{
    static constexpr const wchar_t* actions[] = {L"Edit", L"Translate", L"Scale", L"Rotate",
                                                 L"Move Pivot of"};
    return actions[static_cast<int>(CheckedMode())];
}

// A typed value is written into the node as it stands, not through the slider,
// whose positions would round it. A value the mode cannot take (a scale of 0
// or less, anything on Y while rotating) puts the node's value back instead.
void CXformInfoControl::OnEchoCommand(UINT id, UINT code)
{
    const std::optional<float> x = m_xSlider.TypedValue(id, code);
    const std::optional<float> y = m_ySlider.TypedValue(id, code);
    if (!x && !y) {
        RefreshFromNode();
        return;
    }
    const Mode mode = CheckedMode();
    const float typed = x ? *x : *y;
    if (!m_node || mode == Mode::None || (mode == Mode::Scale && !(typed > 0.0f)) ||
        (mode == Mode::Rotation && y)) {
        RefreshFromNode();
        return;
    }
    const CEditRecorder::NodeState before = NodeState();
    TAV_XformInfo xform = m_node->GetXformInfo();
    // Only the typed component changes; z stays as it is.
    const auto replaced = [&](TAV_Vector3 v) { return TAV_Vector3(x ? typed : v.x, y ? typed : v.y, v.z); };
    switch (mode) {
    case Mode::Translate: {
        const TAV_Vector3 t = replaced(xform.GetTranslation());
        xform.SetTranslation(t.x, t.y, t.z);
        break;
    }
    case Mode::Scale: {
        const TAV_Vector3 s = replaced(xform.GetScale());
        xform.SetScale(s.x, s.y, s.z);
        break;
    }
    case Mode::Rotation:
        xform.SetRotationInDegrees(typed);
        break;
    case Mode::Pivot: {
        const TAV_Vector3 p = replaced(xform.GetPivot());
        xform.SetPivot(p.x, p.y, p.z);
        break;
    }
    case Mode::None:
        break;
    }
    m_node->SetXformInfo(xform);
    RefreshFromNode();
    Report(ModeAction(), before);
}

CEditRecorder::NodeState CXformInfoControl::NodeState() const
{
    return {m_node->GetXformInfo(), m_node->IsPivotVisible()};
}

void CXformInfoControl::Report(const wchar_t* action, const CEditRecorder::NodeState& before)
{
    if (m_recorder)
        m_recorder->NodeEdited(action, m_node, before, NodeState());
}

CXformInfoControl::Mode CXformInfoControl::CheckedMode() const
{
    if (IsDlgButtonChecked(IDC_TRANSLATE) == BST_CHECKED)
        return Mode::Translate;
    if (IsDlgButtonChecked(IDC_SCALE) == BST_CHECKED)
        return Mode::Scale;
    if (IsDlgButtonChecked(IDC_ROTATION) == BST_CHECKED)
        return Mode::Rotation;
    if (IsDlgButtonChecked(IDC_PIVOT) == BST_CHECKED)
        return Mode::Pivot;
    return Mode::None;
}

// Both sliders are read on every movement; the edited vector's z is always
// overwritten (0 for positions, 1 for scale), the other vectors keep theirs.
void CXformInfoControl::ApplySliders()
{
    const float x = m_xSlider.GetValue();
    const float y = m_ySlider.GetValue();
    TAV_XformInfo xform = m_node->GetXformInfo();
    switch (CheckedMode()) {
    case Mode::Translate:
        xform.SetTranslation(x, y, 0.0f);
        break;
    case Mode::Scale:
        xform.SetScale(x, y, 1.0f);
        break;
    case Mode::Rotation:
        xform.SetRotationInDegrees(x);
        break;
    case Mode::Pivot:
        xform.SetPivot(x, y, 0.0f);
        break;
    case Mode::None:
        break;
    }
    m_node->SetXformInfo(xform);
}

void CXformInfoControl::OnReset()
{
    if (!m_node)
        return;
    const CEditRecorder::NodeState before = NodeState();
    m_node->SetXformInfo(TAV_XformInfo());
    RefreshFromNode();
    Report(L"Reset", before);
}

void CXformInfoControl::OnShowPivot()
{
    UpdateData(TRUE);
    if (!m_node)
        return;
    const CEditRecorder::NodeState before = NodeState();
    m_node->SetPivotVisible(m_showPivot == 1);
    Report(m_showPivot == 1 ? L"Show Pivot of" : L"Hide Pivot of", before);
}
