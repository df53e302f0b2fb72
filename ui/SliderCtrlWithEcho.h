#pragma once
#include "platform/win/Edit.h"
#include "platform/win/SliderCtrl.h"

#include <optional>

// A trackbar that maps its integer positions 0..steps onto a float range and
// shows the current value with two decimals in a small field beside it, where
// a value can also be typed. For an upright slider the top end is the maximum.
class TAVMFC_SliderCtrlWithEcho : public CSliderCtrl
{
public:
    TAVMFC_SliderCtrlWithEcho() = default;
    // Destroys the echo, then the trackbar.
    ~TAVMFC_SliderCtrlWithEcho() override;

    // Ignored unless minimum < maximum and value lies in [minimum, maximum]. The
    // first accepted call makes room for the echo beside the slider and creates it.
    void SetRangeAndValue(float minimum, float maximum, float value);
    // False, changing nothing, when the value lies outside the range.
    bool SetValue(float value);
    float GetValue() const;
    int ValueToPosition(float value) const;
    // Knows nothing of the orientation.
    float PositionToValue(int position) const;
    void UpdateEcho();
    // Called after the user moved the slider and the echo shows the new value.
    virtual void OnValueChanged(float value);

    // The echo field's id: the slider's own, moved up by this much.
    static constexpr UINT EchoIdOffset = 0x4000;
    // For a command from this slider's echo: Enter gives the typed number when
    // it is a finite one; otherwise, and on Escape, the echo shows the slider's
    // value again and nothing is given. Nothing either for other controls.
    std::optional<float> TypedValue(UINT id, UINT code);

protected:
    void HScroll(UINT code, UINT position) override;
    void VScroll(UINT code, UINT position) override;
    void OnShowWindow(BOOL show, UINT status) override;

private:
    bool IsVertical() const;
    void CreateEcho();
    void FollowUserMove();

    int m_steps = 100000;
    float m_minimum = 0.0f;
    float m_range = 1.0f;
    CEdit m_echo;
};
