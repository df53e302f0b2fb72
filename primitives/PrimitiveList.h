#pragma once
#include "primitives/BoundingBox.h"
#include "primitives/Primitive.h"

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
    int NumPrimitives() const { return count_; }
    // Null for an index outside 0 .. NumPrimitives() - 1.
    const TAV_Primitive* GetPrimitive(int index) const;
    TAV_Primitive* GetPrimitive(int index);
    // Deletes the entry; later entries move down. An index out of range is ignored.
    void RemovePrimitive(int index);

protected:
    // Never: the union of the entries' boxes is built anew on every request, and
    // each entry leaves itself out on its own.
    bool IsOutsideVisibleWorld(int lod, TAV_DrawHelper& helper) override;

private:
    // Calls f on each non-null entry in index order; the count is read once.
    template <typename F> void ForEachEntry(F f)
    {
        const int count = count_;
        for (int i = 0; i < count; ++i)
            if (TAV_Primitive* entry = EntryAt(i))
                f(*entry);
    }
    // index in 0 .. count_ - 1.
    TAV_Primitive* EntryAt(int index) { return count_ <= 1 ? one_ : many_[index]; }
    const TAV_Primitive* EntryAt(int index) const { return count_ <= 1 ? one_ : many_[index]; }

    // The entries, owned. Most lists of a large scene hold a single shape, so a
    // list of at most one entry keeps it in place; a longer list keeps an array
    // whose capacity is count_ rounded up to a power of two or more. The count
    // comes first, so it fills the word the base class leaves.
    int count_ = 0;
    union {
        TAV_Primitive* one_ = nullptr;
        TAV_Primitive** many_;
    };
    TAV_BoundingBox box_;
};
