#pragma once
#include "primitives/BoundingBox.h"
#include "primitives/Primitive.h"

#include <vector>

// A primitive made of primitives, drawn in order. It owns its entries (a slot
// may hold null) and reports the union of their boxes. Of its own attributes
// only visibility and the bounding-volume flag affect what is drawn.
class TAV_PrimitiveList : public TAV_Primitive
{
public:
    TAV_PrimitiveList() = default;
    ~TAV_PrimitiveList() override;

    void Update(float elapsedSeconds) override;
    // Rebuilt on every request from the entries' current volumes; null when empty.
    const TAV_BoundingVolume* GetBoundingVolume(int lod) override;
    // Sends nothing: each entry sets its own attributes when drawn.
    void SetupDrawAttributes(TAV_DrawHelper& helper) override;
    void DrawPrimitive(int lod, TAV_DrawHelper& helper) override;

    // Takes ownership.
    void AddPrimitive(TAV_Primitive* primitive);
    int NumPrimitives() const { return static_cast<int>(entries_.size()); }
    // Null for an index outside 0 .. NumPrimitives() - 1.
    TAV_Primitive* GetPrimitive(int index) const;
    // Deletes the entry; later entries move down. An index out of range is ignored.
    void RemovePrimitive(int index);

private:
    // Calls f on each non-null entry in index order; the count is read once.
    template <typename F> void ForEachEntry(F f) const
    {
        const std::size_t count = entries_.size();
        for (std::size_t i = 0; i < count; ++i)
            if (TAV_Primitive* entry = entries_[i])
                f(*entry);
    }

    // Owned; a plain vector, as a list is one of many in a large scene.
    std::vector<TAV_Primitive*> entries_;
    TAV_BoundingBox box_;
};
