#pragma once
#include "core/Array.h"

#include <utility>

// An array of pointers that, when owning, deletes every non-null element it
// holds. It cannot be copied (two copies would delete the same objects); it
// can be moved. RemoveAt always deletes the removed element.
template <typename T> class TAV_PointerArray : public TAV_Array<T*>
{
public:
    explicit TAV_PointerArray(bool owning) : owning_(owning) {}
    TAV_PointerArray(const TAV_PointerArray&) = delete;
    TAV_PointerArray& operator=(const TAV_PointerArray&) = delete;
    TAV_PointerArray(TAV_PointerArray&& other) noexcept
        : TAV_Array<T*>(std::move(other)), owning_(other.owning_)
    {
        other.items_.clear();
    }
    TAV_PointerArray& operator=(TAV_PointerArray&& other) noexcept
    {
        if (this != &other) {
            DeleteOwned();
            this->items_ = std::move(other.items_);
            other.items_.clear();
            owning_ = other.owning_;
        }
        return *this;
    }
    ~TAV_PointerArray() override { DeleteOwned(); }

    void RemoveAt(int index) override
    {
        T* item = this->items_[index];
        this->items_.erase(this->items_.begin() + index);
        delete item;
    }

    bool IsOwning() const { return owning_; }

private:
    void DeleteOwned()
    {
        if (owning_)
            for (T* item : this->items_)
                delete item;
        this->items_.clear();
    }

    bool owning_;
};
