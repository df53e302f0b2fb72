#pragma once
#include "primitives/Primitive.h"

#include <QUndoCommand>

// A primitive's attributes, from one set to another.
class AttributeChange : public QUndoCommand
{
public:
    AttributeChange(TAV_Primitive* primitive, const TAV_PrimitiveAttributes& before,
                    const TAV_PrimitiveAttributes& after, QUndoCommand* step)
        : QUndoCommand(step), m_primitive(primitive), m_before(before), m_after(after)
    {
    }

    void redo() override { m_primitive->SetAttributes(m_after); }
    void undo() override { m_primitive->SetAttributes(m_before); }

private:
    // Owned by its node, which the history keeps alive while this change can run.
    TAV_Primitive* m_primitive;
    TAV_PrimitiveAttributes m_before;
    TAV_PrimitiveAttributes m_after;
};
