#pragma once
#include "scene/XformInfo.h"

// A plane affine map in the row-vector convention the renderer uses: the point
// (x, y) maps to (x * a + y * c + e, x * b + y * d + f). Used to find where a
// node stands in the world and which transform keeps it there under another parent.
struct Affine2D
{
    double a = 1.0, b = 0.0, c = 0.0, d = 1.0, e = 0.0, f = 0.0;

    // The matrix a transform composes onto its parent's (x and y only).
    static Affine2D Of(const TAV_XformInfo& xform);
    // This map followed by next.
    Affine2D Then(const Affine2D& next) const;
    // The identity for a singular map, which has no inverse.
    Affine2D Inverse() const;
    // A transform with the pivot and z parts of keep whose matrix is this map
    // wherever a transform can express it (rotation with scale along the rotated
    // axes). A shear, which no transform holds, is dropped; the pivot still lands
    // where this map takes it.
    TAV_XformInfo ToXform(const TAV_XformInfo& keep) const;
};
