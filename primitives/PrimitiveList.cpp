#include "primitives/PrimitiveList.h"

#include <algorithm>
#include <bit>

TAV_PrimitiveList::~TAV_PrimitiveList()
{
    for (int i = 0; i < count_; ++i)
        delete EntryAt(i);
    if (count_ > 1)
        delete[] many_;
}

void TAV_PrimitiveList::Update(float elapsedSeconds)
{
    ForEachEntry([elapsedSeconds](TAV_Primitive& entry) { entry.Update(elapsedSeconds); });
}

const TAV_BoundingVolume* TAV_PrimitiveList::GetBoundingVolume(int lod)
{
    if (count_ == 0)
        return nullptr;
    box_.MakeInvalid();
    ForEachEntry([this, lod](TAV_Primitive& entry) { box_.Add(entry.GetBoundingVolume(lod)); });
    return &box_;
}

void TAV_PrimitiveList::SetupDrawAttributes(TAV_DrawHelper&) {}

bool TAV_PrimitiveList::IsOutsideVisibleWorld(int, TAV_DrawHelper&)
{
    return false;
}

void TAV_PrimitiveList::DrawPrimitive(int lod, TAV_DrawHelper& helper)
{
    ForEachEntry([lod, &helper](TAV_Primitive& entry) { entry.Draw(lod, helper); });
}

void TAV_PrimitiveList::AddPrimitive(TAV_Primitive* primitive)
{
    if (count_ == 0) {
        one_ = primitive;
        count_ = 1;
        return;
    }
    // A full array has a power of two entries; one that a removal left larger
    // is replaced a little early, which costs a copy and nothing else.
    if (count_ == 1 || std::has_single_bit(static_cast<unsigned>(count_))) {
        auto** grown = new TAV_Primitive*[2 * static_cast<std::size_t>(count_)];
        if (count_ == 1) {
            grown[0] = one_;
        } else {
            std::copy(many_, many_ + count_, grown);
            delete[] many_;
        }
        many_ = grown;
    }
    many_[count_++] = primitive;
}

const TAV_Primitive* TAV_PrimitiveList::GetPrimitive(int index) const
{
    if (index < 0 || index >= count_)
        return nullptr;
    return EntryAt(index);
}

TAV_Primitive* TAV_PrimitiveList::GetPrimitive(int index)
{
    if (index < 0 || index >= count_)
        return nullptr;
    return EntryAt(index);
}

void TAV_PrimitiveList::RemovePrimitive(int index)
{
    if (index < 0 || index >= count_)
        return;
    TAV_Primitive* removed = EntryAt(index);
    if (count_ == 1) {
        one_ = nullptr;
    } else {
        std::copy(many_ + index + 1, many_ + count_, many_ + index);
        if (count_ == 2) {
            TAV_Primitive* kept = many_[0];
            delete[] many_;
            one_ = kept;
        }
    }
    --count_;
    delete removed;
}
