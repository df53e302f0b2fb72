#include "ui/PrimitiveControl.h"

#include "platform/win/DC.h"
#include "platform/win/DataExchange.h"
#include "platform/win/FileDialog.h"
#include "primitives/Primitive.h"
#include "resources/ResourceIds.h"

namespace {

// The formats the texture loader reads first, then everything.
constexpr const wchar_t* kTextureFilter =
    L"Image Files (*.png;*.bmp;*.jpg;*.jpeg;*.gif;*.ico;*.ppm;*.pgm;*.pbm;*.xpm;*.xbm)"
    L"|*.png;*.bmp;*.jpg;*.jpeg;*.gif;*.ico;*.ppm;*.pgm;*.pbm;*.xpm;*.xbm"
    L"|All Files (*.*)|*.*||";

} // namespace

struct CPrimitiveControl::CheckAttribute
{
    int id;
    const wchar_t* action;
    int CPrimitiveControl::*value;
    int (*read)(const TAV_Primitive&);
    void (*write)(TAV_Primitive&, int);
};

const CPrimitiveControl::CheckAttribute CPrimitiveControl::CheckAttributes[6] = {
    {IDC_VISIBILITY, L"Change Visibility of", &CPrimitiveControl::m_visibility,
     [](const TAV_Primitive& p) { return p.IsVisible() ? 1 : 0; },
     [](TAV_Primitive& p, int value) { p.SetVisible(value == 1); }},
    {IDC_BOUND_VOL, L"Change Bounding Volume of", &CPrimitiveControl::m_boundingVolume,
     [](const TAV_Primitive& p) { return p.IsDrawBoundingVolume() ? 1 : 0; },
     [](TAV_Primitive& p, int value) { p.SetDrawBoundingVolume(value == 1); }},
    {IDC_TEXTURE, L"Change Texturing of", &CPrimitiveControl::m_texture,
     [](const TAV_Primitive& p) { return p.IsTexturing() ? 1 : 0; },
     [](TAV_Primitive& p, int value) { p.SetTexturing(value == 1); }},
    // Shade mode 1 is smooth shading, 0 flat.
    {IDC_SHADING, L"Change Shading of", &CPrimitiveControl::m_shading,
     [](const TAV_Primitive& p) { return p.GetShadeMode() == ShadeMode::Gouraud ? 1 : 0; },
     [](TAV_Primitive& p, int value) { p.SetShadeMode(value != 0 ? ShadeMode::Gouraud : ShadeMode::Flat); }},
    // Fill mode 1 is wireframe; unchecking goes back to solid (2), never to points.
    {IDC_WIREFRAME, L"Change Wireframe of", &CPrimitiveControl::m_wireframe,
     [](const TAV_Primitive& p) { return p.GetFillMode() == FillMode::Wireframe ? 1 : 0; },
     [](TAV_Primitive& p, int value) { p.SetFillMode(value != 0 ? FillMode::Wireframe : FillMode::Solid); }},
    {IDC_BLENDING, L"Change Blending of", &CPrimitiveControl::m_blending,
     [](const TAV_Primitive& p) { return p.IsBlending() ? 1 : 0; },
     [](TAV_Primitive& p, int value) { p.SetBlending(value == 1); }},
};

void CPrimitiveControl::SetPrimitive(TAV_Primitive* primitive, TAV_SceneNode* owner)
{
    m_gesture.Cancel();
    m_primitive = primitive;
    m_owner = owner;
    RefreshFromPrimitive();
}

void CPrimitiveControl::RefreshFromPrimitive()
{
    if (m_primitive) {
        for (const CheckAttribute& attribute : CheckAttributes)
            this->*attribute.value = attribute.read(*m_primitive);
        m_textureName = m_primitive->GetTextureName();
        RefreshColorSliders();
        UpdateData(FALSE);
    }
    if (m_hWnd)
        ShowWindow(m_primitive ? SW_SHOW : SW_HIDE);
}

void CPrimitiveControl::RefreshColorSliders()
{
    if (!m_primitive)
        return;
    const TAV_Color color = m_colorTarget == 0 ? m_primitive->GetColor() : m_primitive->GetShadeColor();
    m_redSlider.SetValue(color.GetRedF());
    m_greenSlider.SetValue(color.GetGreenF());
    m_blueSlider.SetValue(color.GetBlueF());
    m_alphaSlider.SetValue(color.GetAlphaF());
    UpdateData(FALSE);
}

void CPrimitiveControl::ApplyColorSliders()
{
    if (!m_primitive)
        return;
    const float alpha = m_alphaSlider.GetValue();
    const float blue = m_blueSlider.GetValue();
    const float green = m_greenSlider.GetValue();
    const float red = m_redSlider.GetValue();
    const TAV_Color color(red, green, blue, alpha);
    if (m_colorTarget == 0)
        m_primitive->SetColor(color);
    else
        m_primitive->SetShadeColor(color);
}

void CPrimitiveControl::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_RED_SLIDER, m_redSlider);
    DDX_Control(dx, IDC_GREEN_SLIDER, m_greenSlider);
    DDX_Control(dx, IDC_BLUE_SLIDER, m_blueSlider);
    DDX_Control(dx, IDC_ALPHA_SLIDER, m_alphaSlider);
    DDX_Check(dx, IDC_TEXTURE, m_texture);
    DDX_Check(dx, IDC_WIREFRAME, m_wireframe);
    DDX_Check(dx, IDC_VISIBILITY, m_visibility);
    DDX_Check(dx, IDC_BOUND_VOL, m_boundingVolume);
    DDX_Check(dx, IDC_SHADING, m_shading);
    DDX_Check(dx, IDC_BLENDING, m_blending);
    DDX_Text(dx, IDC_TEXTURE_NAME, m_textureName);
}

BOOL CPrimitiveControl::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_redSlider.SetRangeAndValue(0.0f, 1.0f, 0.8f);
    m_greenSlider.SetRangeAndValue(0.0f, 1.0f, 0.8f);
    m_blueSlider.SetRangeAndValue(0.0f, 1.0f, 0.8f);
    m_alphaSlider.SetRangeAndValue(0.0f, 1.0f, 1.0f);
    RefreshFromPrimitive();
    CheckRadioButton(IDC_OBJ_COLOR, IDC_SHADE_COLOR, IDC_OBJ_COLOR);
    return TRUE;
}

BOOL CPrimitiveControl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == EN_RETURN || HIWORD(wParam) == EN_ESCAPE) {
        OnEchoCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    if (HIWORD(wParam) != BN_CLICKED)
        return CDialog::OnCommand(wParam, lParam);
    const int id = static_cast<int>(LOWORD(wParam));
    switch (id) {
    case IDC_OBJ_COLOR:
        OnColorTarget(0);
        return TRUE;
    case IDC_SHADE_COLOR:
        OnColorTarget(1);
        return TRUE;
    case IDC_BROWSE:
        OnBrowse();
        return TRUE;
    default:
        for (const CheckAttribute& attribute : CheckAttributes)
            if (attribute.id == id) {
                OnCheckBox(attribute);
                return TRUE;
            }
        return CDialog::OnCommand(wParam, lParam);
    }
}

void CPrimitiveControl::OnHScroll(UINT code, UINT position, CWnd* bar)
{
    const int id = bar ? bar->GetDlgCtrlID() : 0;
    if (m_primitive &&
        (id == IDC_RED_SLIDER || id == IDC_GREEN_SLIDER || id == IDC_BLUE_SLIDER || id == IDC_ALPHA_SLIDER)) {
        m_gesture.Begin(m_primitive->GetAttributes());
        ApplyColorSliders();
        if (m_gesture.End(code))
            Report(m_colorTarget == 0 ? L"Change Color of" : L"Change Shade Color of", m_gesture.Before());
    }
    CDialog::OnHScroll(code, position, bar);
}

// A typed channel from 0 to 1 goes through its slider into the colour being
// edited; anything else puts the channel's value back in the field.
void CPrimitiveControl::OnEchoCommand(UINT id, UINT code)
{
    for (TAVMFC_SliderCtrlWithEcho* slider : {&m_redSlider, &m_greenSlider, &m_blueSlider, &m_alphaSlider}) {
        const std::optional<float> typed = slider->TypedValue(id, code);
        if (!typed)
            continue;
        if (!m_primitive || !slider->SetValue(*typed)) {
            RefreshColorSliders();
            return;
        }
        const TAV_PrimitiveAttributes before = m_primitive->GetAttributes();
        ApplyColorSliders();
        Report(m_colorTarget == 0 ? L"Change Color of" : L"Change Shade Color of", before);
        return;
    }
}

HBRUSH CPrimitiveControl::OnCtlColor(CDC* dc, CWnd* control, UINT controlType)
{
    const HBRUSH brush = CDialog::OnCtlColor(dc, control, controlType);
    COLORREF labelColor;
    switch (control ? control->GetDlgCtrlID() : 0) {
    case IDC_LABEL_R:
        labelColor = RGB(255, 0, 0);
        break;
    case IDC_LABEL_G:
        labelColor = RGB(0, 255, 0);
        break;
    case IDC_LABEL_B:
        labelColor = RGB(0, 0, 255);
        break;
    default:
        return brush;
    }
    dc->SetTextColor(labelColor);
    dc->SetBkMode(TRANSPARENT);
    return brush;
}

void CPrimitiveControl::OnCheckBox(const CheckAttribute& attribute)
{
    UpdateData(TRUE);
    if (!m_primitive)
        return;
    const TAV_PrimitiveAttributes before = m_primitive->GetAttributes();
    attribute.write(*m_primitive, this->*attribute.value);
    Report(attribute.action, before);
}

void CPrimitiveControl::Report(const wchar_t* action, const TAV_PrimitiveAttributes& before)
{
    if (m_recorder && m_owner)
        m_recorder->PrimitiveEdited(action, m_owner, m_primitive, before, m_primitive->GetAttributes());
}

void CPrimitiveControl::OnColorTarget(int target)
{
    m_colorTarget = target;
    RefreshColorSliders();
}

void CPrimitiveControl::OnBrowse()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kTextureFilter);
    if (dialog.DoModal() != IDOK)
        return;
    m_textureName = dialog.GetFileName();
    if (m_primitive) {
        const TAV_PrimitiveAttributes before = m_primitive->GetAttributes();
        m_primitive->SetTextureName(dialog.GetPathName());
        Report(L"Change Texture File of", before);
    }
    UpdateData(FALSE);
}
