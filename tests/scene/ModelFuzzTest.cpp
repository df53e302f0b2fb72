#include "tests/scene/SceneTestFixture.h"

#include <algorithm>
#include <random>

namespace {

class ModelGenerator
{
public:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // A model the editor could have saved: crabs, boxes and circles, some hung under the first.
    std::string SavedScene()
    {
        CWorld world;
        for (int i = Pick(1, 6); i > 0; --i) {
            world.PrimitiveType = Pick(0, 2);
            world.CreateNodeAt(static_cast<float>(Pick(-20, 20)), static_cast<float>(Pick(-20, 20)));
            if (world.Root->NumChildren() > 1 && Pick(0, 2) == 0) {
                world.Root->RemoveChild(world.CurrentNode);
                world.Root->GetChild(0)->AddChild(world.CurrentNode);
            }
        }
        return Save(world);
    }

    std::string RandomBytes()
    {
        std::string bytes;
        for (int n = Pick(0, 200); n > 0; --n)
            bytes += static_cast<char>(Pick(0, 255));
        return bytes;
    }

    // Root lines and circles nested around the deepest a model may go.
    std::string DeepChain()
    {
        std::string text = Line('x', "0.0 0.0 0.0", 1);
        for (int i = Pick(9990, 10010); i > 0; --i)
            text += Line(i % 2 ? 'C' : 'x', "0.5 0.0 0.0", 1);
        return text;
    }

    // Byte flips, swapped-in tokens (NaN, infinities, huge numbers and counts, codes,
    // line ends), cuts, repeats, LFs turned into CRs, truncation.
    std::string Mutate(std::string text)
    {
        static const char* const tokens[] = {
            "nan",        "-nan", "inf",  "-inf",  "1e38", "3.5e38", "1e39", "-1e300", "99999999999",
            "2147483647", "-1",   "-0.0", "1e-45", "x",    "j",      "b",    "a",      "c",
            "\r",         "\n",   "\r\n", " ",     "",     "+7",     "0x10"};
        for (int e = Pick(1, 8); e > 0 && !text.empty(); --e) {
            const std::size_t at = static_cast<std::size_t>(Pick(0, static_cast<int>(text.size()) - 1));
            const std::size_t word = text.find_first_of(" \r\n", at);
            const int kind = Pick(0, 5);
            if (kind == 0)
                text[at] = static_cast<char>(Pick(0, 255));
            else if (kind == 1)
                text.replace(at, word == std::string::npos ? 1 : word - at,
                             tokens[Pick(0, std::size(tokens) - 1)]);
            else if (kind == 2)
                text.erase(at, static_cast<std::size_t>(Pick(1, 40)));
            else if (kind == 3)
                text.insert(at, text.substr(at, static_cast<std::size_t>(Pick(1, 120))));
            else if (kind == 4)
                std::replace_if(
                    text.begin(), text.end(), [&](char c) { return c == '\n' && Pick(0, 1); }, '\r');
            else
                text.resize(at);
        }
        return text;
    }

private:
    std::mt19937 random_{20261206};
};

// Loads into a world that already holds a box: the box stays, the counts are
// right, and whatever was loaded saves as a model that loads back to the same bytes.
void CheckLoad(const std::string& text)
{
    CWorld world;
    world.CreateNodeAt(1.0f, 1.0f);
    TAV_SceneNode* existing = world.CurrentNode;
    const ModelLoadResult result = Load(world, text);
    ASSERT_EQ(world.Root->GetChild(0), existing);
    std::vector<TAV_SceneNode*> nodes;
    Flatten(world.Root, nodes);
    ASSERT_EQ(nodes.size(), 2u + static_cast<std::size_t>(result.nodesAdded));
    const auto lineEnds =
        std::count_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
    if (result.IsComplete())
        ASSERT_EQ(result.stopLine, 0);
    else
        ASSERT_TRUE(result.stopLine >= 1 && result.stopLine <= lineEnds + 1) << result.stopLine;

    const std::string saved = Save(world);
    CWorld reloaded;
    ASSERT_TRUE(Load(reloaded, saved).IsComplete());
    ASSERT_EQ(Save(reloaded), saved);
}

} // namespace

TEST(ModelFuzz, GeneratedAndMutatedFilesNeitherCrashNorLoseTheScene)
{
    ModelGenerator generate;
    for (int i = 0; i < 3000 && !HasFatalFailure(); ++i) {
        SCOPED_TRACE(i);
        if (i % 10 == 0)
            CheckLoad(generate.RandomBytes());
        else if (i % 10 == 1)
            CheckLoad(i % 750 == 1 ? generate.DeepChain() : generate.SavedScene());
        else
            CheckLoad(generate.Mutate(generate.SavedScene()));
    }
}
