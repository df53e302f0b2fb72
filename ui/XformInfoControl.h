#pragma once
#include "platform/win/Dialog.h"
#include "scene/EditRecorder.h"
#include "ui/SliderCtrlWithEcho.h"
#include "ui/SliderGesture.h"

class TAV_SceneNode;

// Edits the transform of one scene node. The four mode buttons pick what the X
// and Y sliders show: translation, scale, rotation (in degrees, on X only) or
// pivot. Every slider movement writes the whole transform back to the node at
// once; "Show Pivot" switches the node's pivot marker. A value typed into a
// slider's field and confirmed with Enter sets that component exactly. Each finished edit (a
// slider gesture, "RESET", "Show Pivot") is reported to the edit recorder.
class CXformInfoControl : public CDialog
{
public:
    struct Limits
    {
        float minimum;
        float maximum;
    };

    // Slider ranges per mode; the owner narrows them after placing the panel.
    Limits TranslationLimits{-10.0f, 10.0f};
    Limits ScaleLimits{0.1f, 10.0f};
    Limits RotationLimits{-180.0f, 180.0f};

    // Hears of every finished edit; not owned, null for none.
    void SetEditRecorder(CEditRecorder* recorder) { m_recorder = recorder; }
    // Points the panel at a node (not owned; null for none) and reloads it.
    void SetNode(TAV_SceneNode* node);
    const TAV_SceneNode* GetNode() const { return m_node; }
    TAV_SceneNode* GetNode() { return m_node; }
    // Loads the sliders and the check box from the node. A component outside the
    // mode's limits widens that slider's range to include it.
    void RefreshFromNode();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT position, CWnd* bar) override;

private:
    enum class Mode { None, Translate, Scale, Rotation, Pivot };
    // The checked mode button; no other control counts, whatever its id.
    Mode CheckedMode() const;
    void ApplySliders();
    const wchar_t* ModeAction() const;
    void OnEchoCommand(UINT id, UINT code);
    CEditRecorder::NodeState NodeState() const;
    void Report(const wchar_t* action, const CEditRecorder::NodeState& before);
    void OnReset();
    void OnShowPivot();

    TAVMFC_SliderCtrlWithEcho m_xSlider;
    TAVMFC_SliderCtrlWithEcho m_ySlider;
    TAVMFC_SliderCtrlWithEcho m_zSlider;
    int m_showPivot = 0;
    // The node being edited; owned by the scene.
    TAV_SceneNode* m_node = nullptr;
    CEditRecorder* m_recorder = nullptr;
    SliderGesture<CEditRecorder::NodeState> m_gesture;
};
