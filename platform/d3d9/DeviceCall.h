#pragma once
#include "platform/d3d9/D3DTypes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// One entry of the device's call log: a state change, a frame call or a draw.
struct DeviceCall
{
    enum class Kind {
        SetRenderState,       // state, value
        SetTextureStageState, // stage, state, value
        SetTexture,           // stage, object
        SetTransform,         // state (D3DTRANSFORMSTATETYPE), matrix
        SetFVF,               // value
        SetRenderTarget,      // stage (target index), object
        Clear,                // value (colour), flags
        BeginScene,
        EndScene,
        Present,
        DrawPrimitiveUP, // primitiveType, primitiveCount, stride, fvf, vertices
    };

    Kind kind = Kind::BeginScene;
    DWORD stage = 0;
    DWORD state = 0;
    DWORD value = 0;
    DWORD flags = 0;
    D3DMATRIX matrix{};
    // The texture or surface that was set; compare it with the interface pointer, never dereference it.
    const void* object = nullptr;

    D3DPRIMITIVETYPE primitiveType = D3DPT_POINTLIST;
    UINT primitiveCount = 0;
    UINT stride = 0;
    DWORD fvf = 0;
    // A copy of every vertex the draw read.
    std::vector<std::uint8_t> vertices;

    std::size_t VertexCount() const { return stride ? vertices.size() / stride : 0; }
    // Vertex i read as the caller's vertex struct V (sizeof(V) <= stride, i < VertexCount()).
    template <typename V> V VertexAt(std::size_t i) const
    {
        V vertex;
        std::memcpy(&vertex, vertices.data() + i * stride, sizeof(V));
        return vertex;
    }
};
