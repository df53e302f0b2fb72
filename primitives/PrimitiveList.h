#pragma once
#include "core/PointerArray.h"
#include "primitives/BoundingBox.h"
#include "primitives/Primitive.h"

// A primitive made of primitives, drawn in order. It owns its entries (a slot
// may hold null) and reports the union of their boxes. Of its own attributes
// only visibility and the bounding-volume flag affect what is drawn.
class TAV_PrimitiveList : public TAV_Primitive
{
public:
    TAV_PrimitiveList() = default;

    void Update(float elapsedSeconds) override;
    // Rebuilt on every request from the entries' current volumes; null when empty.
    const TAV_BoundingVolume* GetBoundingVolume(int lod) override;
    // Sends nothing: each entry sets its own attributes when drawn.
    void SetupDrawAttributes(TAV_DrawHelper& helper) override;
    void DrawPrimitive(int lod, TAV_DrawHelper& helper) override;

    // Takes ownership.
    void AddPrimitive(TAV_Primitive* primitive);
    int NumPrimitives() const { return entries_.Count(); }
    // Null for an index outside 0 .. NumPrimitives() - 1.
    TAV_Primitive* GetPrimitive(int index) const;
    // Deletes the entry; later entries move down. An index out of range is ignored.
    void RemovePrimitive(int index);

private:
    // Calls f on each non-null entry in index order; the count is read once.
    template <typename F> void ForEachEntry(F f) const
    {
        const int count = entries_.Count();
        for (int i = 0; i < count; ++i)
            if (TAV_Primitive* entry = entries_.GetAt(i))
                f(*entry);
    }

    TAV_PointerArray<TAV_Primitive> entries_{true};
    TAV_BoundingBox box_;
};
