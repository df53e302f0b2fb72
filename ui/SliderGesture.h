#pragma once
#include "platform/win/WinTypes.h"

// Turns a slider's scroll messages into finished edits of a State: dragging the
// thumb, press to release, is one edit; every other move (a key, a click beside
// the thumb) is one edit of its own.
template <typename State> class SliderGesture
{
public:
    // Before a scroll message's value is applied: the first of a gesture keeps
    // the state it started from.
    void Begin(const State& current)
    {
        if (!m_open)
            m_before = current;
        m_open = true;
    }
    // After the value is applied: true when the message ended the gesture, which
    // started from Before().
    bool End(UINT code)
    {
        if (!m_open || code == TB_THUMBTRACK)
            return false;
        m_open = false;
        return true;
    }
    const State& Before() const { return m_before; }
    // Forgets a gesture under way, for when the edited object changes under it.
    void Cancel() { m_open = false; }

private:
    bool m_open = false;
    State m_before{};
};
