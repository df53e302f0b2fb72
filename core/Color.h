#pragma once
#include <cstdint>

// A packed 32-bit ARGB colour (alpha in the top byte), the layout vertices take unchanged.
class TAV_Color
{
public:
    TAV_Color() = default;
    TAV_Color(int r, int g, int b, int a);
    // Channels from 0 to 1, scaled by 255 and rounded half away from zero, then clamped.
    TAV_Color(float r, float g, float b, float a);
    // From a colour reference laid out as 0x00BBGGRR.
    TAV_Color(unsigned int rgb, int a);

    // Clamps each channel to 0..255 and packs them.
    void set(int r, int g, int b, int a);

    std::uint32_t GetARGB() const { return argb_; }
    int GetRed() const { return (argb_ >> 16) & 0xFF; }
    int GetGreen() const { return (argb_ >> 8) & 0xFF; }
    int GetBlue() const { return argb_ & 0xFF; }
    int GetAlpha() const { return (argb_ >> 24) & 0xFF; }
    float GetRedF() const { return GetRed() / 255.0f; }
    float GetGreenF() const { return GetGreen() / 255.0f; }
    float GetBlueF() const { return GetBlue() / 255.0f; }
    float GetAlphaF() const { return GetAlpha() / 255.0f; }

    bool operator==(const TAV_Color& other) const { return argb_ == other.argb_; }

private:
    std::uint32_t argb_ = 0;
};
