#include "scene/Affine2D.h"

#include <cmath>

// T(-pivot) * S * Rz * T(pivot) * T(translation): the linear part is S * Rz and
// the pivot stays where the translation puts it.
Affine2D Affine2D::Of(const TAV_XformInfo& xform)
{
    const TAV_Vector3 s = xform.GetScale();
    const TAV_Vector3 p = xform.GetPivot();
    const TAV_Vector3 t = xform.GetTranslation();
    const double cs = std::cos(static_cast<double>(xform.GetRotationInRadians()));
    const double sn = std::sin(static_cast<double>(xform.GetRotationInRadians()));
    Affine2D m;
    m.a = s.x * cs;
    m.b = s.x * sn;
    m.c = -s.y * sn;
    m.d = s.y * cs;
    m.e = -(p.x * m.a + p.y * m.c) + p.x + t.x;
    m.f = -(p.x * m.b + p.y * m.d) + p.y + t.y;
    return m;
}

Affine2D Affine2D::Then(const Affine2D& next) const
{
    Affine2D m;
    m.a = a * next.a + b * next.c;
    m.b = a * next.b + b * next.d;
    m.c = c * next.a + d * next.c;
    m.d = c * next.b + d * next.d;
    m.e = e * next.a + f * next.c + next.e;
    m.f = e * next.b + f * next.d + next.f;
    return m;
}

Affine2D Affine2D::Inverse() const
{
    const double det = a * d - b * c;
    if (det == 0.0 || !std::isfinite(det))
        return Affine2D();
    Affine2D m;
    m.a = d / det;
    m.b = -b / det;
    m.c = -c / det;
    m.d = a / det;
    m.e = -(e * m.a + f * m.c);
    m.f = -(e * m.b + f * m.d);
    return m;
}

// The first row gives the x scale and the angle; the second row's part across
// the rotated x axis gives the y scale (negative for a mirror image).
TAV_XformInfo Affine2D::ToXform(const TAV_XformInfo& keep) const
{
    const double angle = std::atan2(b, a);
    const double scaleX = std::hypot(a, b);
    const double scaleY = -c * std::sin(angle) + d * std::cos(angle);
    const TAV_Vector3 p = keep.GetPivot();
    TAV_XformInfo xform = keep;
    xform.SetRotationInRadians(static_cast<float>(angle));
    xform.SetScale(static_cast<float>(scaleX), static_cast<float>(scaleY), keep.GetScale().z);
    const double pivotX = p.x * a + p.y * c + e;
    const double pivotY = p.x * b + p.y * d + f;
    xform.SetTranslation(static_cast<float>(pivotX - p.x), static_cast<float>(pivotY - p.y),
                         keep.GetTranslation().z);
    return xform;
}
