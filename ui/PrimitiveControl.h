#pragma once
#include "platform/win/Dialog.h"
#include "scene/EditRecorder.h"
#include "ui/SliderCtrlWithEcho.h"
#include "ui/SliderGesture.h"

#include <string>

class TAV_Primitive;
class TAV_SceneNode;

// Edits the drawing attributes of one primitive: the six check boxes, the
// texture file and, with the R, G, B and A sliders (0 to 1 per channel),
// either its object or its shade colour. Every change is written into the
// primitive at once and, once finished (a check box, a colour slider gesture, a
// texture chosen), reported to the edit recorder. The panel hides itself while
// it has no primitive.
class CPrimitiveControl : public CDialog
{
public:
    // Hears of every finished edit; not owned, null for none.
    void SetEditRecorder(CEditRecorder* recorder) { m_recorder = recorder; }
    // Points the panel at a primitive (not owned; null for none) of the node
    // owner and reloads it.
    void SetPrimitive(TAV_Primitive* primitive, TAV_SceneNode* owner = nullptr);
    const TAV_Primitive* GetPrimitive() const { return m_primitive; }
    TAV_Primitive* GetPrimitive() { return m_primitive; }
    // Loads every control from the primitive and shows or hides the panel.
    void RefreshFromPrimitive();
    // Loads the four colour sliders from the colour being edited.
    void RefreshColorSliders();
    // Writes the four slider values into the colour being edited.
    void ApplyColorSliders();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT position, CWnd* bar) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT controlType) override;

private:
    // One check box: its id, the panel value it exchanges, how it reads and writes the primitive.
    struct CheckAttribute;
    static const CheckAttribute CheckAttributes[6];

    void Report(const wchar_t* action, const TAV_PrimitiveAttributes& before);

    void OnCheckBox(const CheckAttribute& attribute);
    void OnColorTarget(int target);
    void OnEchoCommand(UINT id, UINT code);
    void OnBrowse();

    // 0 edits the object colour ("Obj Color"), 1 the shade colour.
    int m_colorTarget = 0;
    // The primitive being edited; owned by its node or list.
    TAV_Primitive* m_primitive = nullptr;
    // The node the primitive belongs to; not owned.
    TAV_SceneNode* m_owner = nullptr;
    CEditRecorder* m_recorder = nullptr;
    SliderGesture<TAV_PrimitiveAttributes> m_gesture;
    TAVMFC_SliderCtrlWithEcho m_redSlider;
    TAVMFC_SliderCtrlWithEcho m_greenSlider;
    TAVMFC_SliderCtrlWithEcho m_blueSlider;
    TAVMFC_SliderCtrlWithEcho m_alphaSlider;
    int m_texture = 0;
    int m_visibility = 1;
    int m_shading = 0;
    int m_blending = 0;
    int m_wireframe = 0;
    int m_boundingVolume = 0;
    std::wstring m_textureName;
};
