#include "ui/SliderCtrlWithEcho.h"

#include "platform/win/WideFormat.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace {

constexpr int kEchoWidth = 50;
constexpr int kEchoHeight = 20;
constexpr DWORD kEchoStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

// A number as typed, blanks around it allowed, '.' as the decimal point whatever the locale.
std::optional<float> ParseNumber(const std::wstring& text)
{
    std::string narrow;
    for (wchar_t c : text) {
        if (c > 0x7F)
            return std::nullopt;
        narrow += static_cast<char>(c);
    }
    const std::size_t first = narrow.find_first_not_of(" \t");
    const std::size_t last = narrow.find_last_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    float value = 0.0f;
    const char* end = narrow.data() + last + 1;
    const auto [stop, error] = std::from_chars(narrow.data() + first, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

TAVMFC_SliderCtrlWithEcho::~TAVMFC_SliderCtrlWithEcho()
{
    m_echo.DestroyWindow();
    DestroyWindow();
}

void TAVMFC_SliderCtrlWithEcho::SetRangeAndValue(float minimum, float maximum, float value)
{
    if (!m_hWnd)
        return;
    // Written so that a NaN anywhere is rejected like any other bad input.
    if (!(minimum < maximum) || !(value >= minimum && value <= maximum))
        return;
    if (!m_echo.m_hWnd && GetParent())
        CreateEcho();
    m_minimum = minimum;
    m_range = maximum - minimum;
    SetRange(0, m_steps, TRUE);
    SetValue(value);
    UpdateEcho();
}

bool TAVMFC_SliderCtrlWithEcho::SetValue(float value)
{
    if (!(value >= m_minimum && value <= m_minimum + m_range))
        return false;
    SetPos(ValueToPosition(value));
    Invalidate();
    UpdateEcho();
    return true;
}

float TAVMFC_SliderCtrlWithEcho::GetValue() const
{
    const int position = GetPos();
    return PositionToValue(IsVertical() ? m_steps - position : position);
}

int TAVMFC_SliderCtrlWithEcho::ValueToPosition(float value) const
{
    double position = (static_cast<double>(value) - m_minimum) * m_steps / m_range + 0.5;
    // Truncated toward zero; values far outside the range stop at the int limits.
    if (!(position > INT_MIN))
        position = std::isnan(position) ? 0.0 : INT_MIN;
    else if (position > INT_MAX)
        position = INT_MAX;
    const int truncated = static_cast<int>(position);
    return IsVertical() ? m_steps - truncated : truncated;
}

float TAVMFC_SliderCtrlWithEcho::PositionToValue(int position) const
{
    return static_cast<float>(static_cast<double>(position) / m_steps * m_range + m_minimum);
}

void TAVMFC_SliderCtrlWithEcho::UpdateEcho()
{
    if (m_echo.m_hWnd)
        m_echo.SetWindowText(FormatWide(L" %.2f", GetValue()).c_str());
}

void TAVMFC_SliderCtrlWithEcho::OnValueChanged(float) {}

std::optional<float> TAVMFC_SliderCtrlWithEcho::TypedValue(UINT id, UINT code)
{
    if (!m_echo.m_hWnd || id != static_cast<UINT>(m_echo.GetDlgCtrlID()) ||
        (code != EN_RETURN && code != EN_ESCAPE))
        return std::nullopt;
    const std::optional<float> value = code == EN_RETURN ? ParseNumber(m_echo.GetWindowText()) : std::nullopt;
    if (!value)
        UpdateEcho();
    return value;
}

void TAVMFC_SliderCtrlWithEcho::HScroll(UINT, UINT)
{
    FollowUserMove();
}

void TAVMFC_SliderCtrlWithEcho::VScroll(UINT, UINT)
{
    FollowUserMove();
}

void TAVMFC_SliderCtrlWithEcho::OnShowWindow(BOOL show, UINT status)
{
    CSliderCtrl::OnShowWindow(show, status);
    if (m_echo.m_hWnd)
        m_echo.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

bool TAVMFC_SliderCtrlWithEcho::IsVertical() const
{
    return GetStyle() & TBS_VERT;
}

void TAVMFC_SliderCtrlWithEcho::CreateEcho()
{
    CWnd* parent = GetParent();
    // Both rectangles start on the screen and end in the parent's client area.
    RECT slider;
    GetWindowRect(&slider);
    RECT echo;
    if (IsVertical()) {
        echo.left = slider.left + (slider.right - slider.left) / 2 - kEchoWidth / 2;
        echo.top = slider.top;
        slider.top += kEchoHeight;
        echo.right = echo.left + kEchoWidth;
        echo.bottom = echo.top + kEchoHeight;
    } else {
        echo = RECT{slider.right - kEchoWidth, slider.top, slider.right, slider.bottom};
        slider.right -= kEchoWidth;
    }
    parent->ScreenToClient(&slider);
    parent->ScreenToClient(&echo);
    m_echo.Create(kEchoStyle, echo, parent, static_cast<UINT>(GetDlgCtrlID()) + EchoIdOffset);
    MoveWindow(&slider, TRUE);
    m_echo.SetFont(parent->GetFont(), TRUE);
}

void TAVMFC_SliderCtrlWithEcho::FollowUserMove()
{
    const float value = GetValue();
    UpdateEcho();
    OnValueChanged(value);
}
