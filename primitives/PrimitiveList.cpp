#include "primitives/PrimitiveList.h"

TAV_PrimitiveList::~TAV_PrimitiveList()
{
    for (TAV_Primitive* entry : entries_)
        delete entry;
}

void TAV_PrimitiveList::Update(float elapsedSeconds)
{
    ForEachEntry([elapsedSeconds](TAV_Primitive& entry) { entry.Update(elapsedSeconds); });
}

const TAV_BoundingVolume* TAV_PrimitiveList::GetBoundingVolume(int lod)
{
    if (entries_.empty())
        return nullptr;
    box_.MakeInvalid();
    ForEachEntry([this, lod](TAV_Primitive& entry) { box_.Add(entry.GetBoundingVolume(lod)); });
    return &box_;
}

void TAV_PrimitiveList::SetupDrawAttributes(TAV_DrawHelper&) {}

void TAV_PrimitiveList::DrawPrimitive(int lod, TAV_DrawHelper& helper)
{
    ForEachEntry([lod, &helper](TAV_Primitive& entry) { entry.Draw(lod, helper); });
}

void TAV_PrimitiveList::AddPrimitive(TAV_Primitive* primitive)
{
    entries_.push_back(primitive);
}

TAV_Primitive* TAV_PrimitiveList::GetPrimitive(int index) const
{
    if (index < 0 || index >= NumPrimitives())
        return nullptr;
    return entries_[static_cast<std::size_t>(index)];
}

void TAV_PrimitiveList::RemovePrimitive(int index)
{
    if (index < 0 || index >= NumPrimitives())
        return;
    delete entries_[static_cast<std::size_t>(index)];
    entries_.erase(entries_.begin() + index);
}
