#include "scene/SceneNode.h"
#include "scene/World.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

ModelLoadResult Load(CWorld& world, std::string text)
{
    std::istringstream stream(std::move(text));
    return world.LoadModel(stream);
}

} // namespace

// Loads any bytes as a model into a scene that already holds a box. The box must
// stay, and whatever was loaded must save as a model that loads back completely
// and saves to the same bytes again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CWorld world;
    world.CreateNodeAt(1.0f, 1.0f);
    const TAV_SceneNode* existing = world.CurrentNode;
    Load(world, std::string(reinterpret_cast<const char*>(data), size));
    if (world.Root->GetChild(0) != existing)
        std::abort();

    const std::wstring saved = world.SaveModel();
    CWorld reloaded;
    if (!Load(reloaded, std::string(saved.begin(), saved.end())).IsComplete() ||
        reloaded.SaveModel() != saved)
        std::abort();
    return 0;
}
