#include "scene/NodeShapes.h"

#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveRectangleXY.h"

TAV_Primitive* MakeRectangle(float x1, float y1, float x2, float y2, TAV_Color color, ShadeMode shadeMode)
{
    auto* rectangle = new TAV_PrimitiveRectangleXY;
    rectangle->SetCorners(x1, y1, 0.0f, x2, y2, 0.0f);
    rectangle->SetColor(color);
    rectangle->SetShadeMode(shadeMode);
    return rectangle;
}

TAV_Primitive* MakeCircle(float cx, float cy, float radius, TAV_Color color, ShadeMode shadeMode)
{
    auto* circle = new TAV_PrimitiveCircle;
    circle->SetCenter(cx, cy, 0.0f);
    circle->SetRadius(radius);
    circle->SetColor(color);
    circle->SetShadeMode(shadeMode);
    return circle;
}

TAV_PrimitiveList* MakeList(TAV_Primitive* shape)
{
    auto* list = new TAV_PrimitiveList;
    list->AddPrimitive(shape);
    return list;
}

TAV_XformInfo StandingAt(float x, float y, float z)
{
    TAV_XformInfo xform;
    xform.SetTranslation(x, y, z);
    xform.SetPivot(x, y, z);
    return xform;
}
