#include "core/Vector3.h"

#include <cmath>

TAV_Vector3& TAV_Vector3::operator+=(const TAV_Vector3& o)
{
    x += o.x;
    y += o.y;
    z += o.z;
    return *this;
}

TAV_Vector3& TAV_Vector3::operator/=(float f)
{
    x /= f;
    y /= f;
    z /= f;
    return *this;
}

float TAV_Vector3::Length() const
{
    float sum = 0.0f;
    for (int i = 0; i < 3; ++i)
        sum += (*this)[i] * (*this)[i];
    return TAV_Sqrt(sum);
}

void TAV_Vector3::Normalize()
{
    const float length = Length();
    if (length != 0.0f)
        *this /= length;
}

float TAV_Abs(float f)
{
    return std::fabs(f);
}

float TAV_Sqrt(float f)
{
    return std::sqrt(f);
}
