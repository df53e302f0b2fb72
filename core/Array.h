#pragma once
#include <vector>

// A growable array of values. Copies copy the elements (for pointers, the pointers).
template <typename T> class TAV_Array
{
public:
    TAV_Array() = default;
    TAV_Array(const TAV_Array&) = default;
    TAV_Array(TAV_Array&&) noexcept = default;
    TAV_Array& operator=(const TAV_Array&) = default;
    TAV_Array& operator=(TAV_Array&&) noexcept = default;
    virtual ~TAV_Array() = default;

    // Erases the element at index (0 <= index < Count()); later elements move down.
    virtual void RemoveAt(int index) { items_.erase(items_.begin() + index); }

    int Count() const { return static_cast<int>(items_.size()); }
    T& GetAt(int index) { return items_[index]; }
    const T& GetAt(int index) const { return items_[index]; }
    void Append(const T& item) { items_.push_back(item); }
    // Below 0 inserts at the front; at or beyond Count() appends.
    void InsertAt(const T& item, int index)
    {
        if (index < 0)
            index = 0;
        if (index >= Count())
            items_.push_back(item);
        else
            items_.insert(items_.begin() + index, item);
    }

protected:
    std::vector<T> items_;
};
