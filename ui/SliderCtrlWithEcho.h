#pragma once
#include "platform/win/SliderCtrl.h"
#include "platform/win/Static.h"

// A trackbar that maps its integer positions 0..steps onto a float range and
// shows the current value with two decimals in a small static beside it. For
// an upright slider the top end is the maximum.
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
    CStatic m_echo;
};
