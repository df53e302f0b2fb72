#include "platform/win/SliderCtrl.h"

#include "platform/win/ControlCreation.h"
#include "platform/win/WindowHandles.h"

#include <QSignalBlocker>
#include <QSlider>

namespace {

QSlider* SliderOf(HWND window)
{
    return qobject_cast<QSlider*>(WindowHandles::WidgetOf(window));
}

} // namespace

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateControl(*this, ControlClass::Trackbar, L"", style, rect, parent, id);
}

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL redraw)
{
    if (QSlider* slider = SliderOf(m_hWnd)) {
        const QSignalBlocker quiet(slider);
        slider->setRange(minimum, maximum);
        if (redraw)
            slider->update();
    }
}

void CSliderCtrl::SetPos(int position)
{
    if (QSlider* slider = SliderOf(m_hWnd)) {
        const QSignalBlocker quiet(slider);
        slider->setValue(position);
    }
}

int CSliderCtrl::GetPos() const
{
    QSlider* slider = SliderOf(m_hWnd);
    return slider ? slider->value() : 0;
}
