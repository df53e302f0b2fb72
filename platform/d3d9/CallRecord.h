#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

// Bytes appended one value after another into one block that keeps its
// capacity from frame to frame, so appending a call's few words is a copy of
// them and nothing more.
class CallRecord
{
public:
    // Appends size bytes; false, keeping what was appended before, when memory runs out.
    bool Append(const void* bytes, std::size_t size)
    {
        if (size == 0)
            return true;
        if (size_ + size > block_.size() && !Grow(size))
            return false;
        std::memcpy(block_.data() + size_, bytes, size);
        size_ += size;
        return true;
    }
    void Clear() { size_ = 0; }
    std::size_t Size() const { return size_; }
    const std::uint8_t* Data() const { return block_.data(); }

private:
    bool Grow(std::size_t size)
    {
        try {
            block_.resize(std::max(block_.size() * 2, size_ + size));
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        }
    }

    std::vector<std::uint8_t> block_;
    std::size_t size_ = 0;
};
