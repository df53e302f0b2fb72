#include "scene/SceneNode.h"
#include "tests/scene/ModelTestText.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

int CountNodes(const TAV_SceneNode* node)
{
    int count = 1;
    for (int i = 0; i < node->NumChildren(); ++i) {
        if (const TAV_SceneNode* child = node->GetChild(i))
            count += CountNodes(child);
    }
    return count;
}

int CountLines(const std::string& text)
{
    int lines = text.empty() ? 0 : 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            lines += i + 1 < text.size() ? 1 : 0;
    }
    return lines;
}

class ModelGenerator
{
public:
    explicit ModelGenerator(unsigned seed) : random_(seed) {}

    // A model the editor could have saved: crabs, boxes and circles, some hung under others.
    std::string SavedScene()
    {
        CWorld world;
        const int objects = Pick(1, 6);
        for (int i = 0; i < objects; ++i) {
            world.PrimitiveType = Pick(0, 2);
            world.CreateNodeAt(static_cast<float>(Pick(-20, 20)), static_cast<float>(Pick(-20, 20)));
            if (i > 0 && Pick(0, 2) == 0) {
                TAV_SceneNode* node = world.CurrentNode;
                world.Root->RemoveChild(node);
                world.Root->GetChild(0)->AddChild(node);
            }
        }
        return Save(world);
    }

    std::string RandomBytes()
    {
        std::string bytes(static_cast<std::size_t>(Pick(0, 200)), '\0');
        for (char& c : bytes)
            c = static_cast<char>(Pick(0, 255));
        return bytes;
    }

    std::string DeepChain()
    {
        const int depth = Pick(9990, 10010);
        std::string text = Line('x', "0.0 0.0 0.0", 1);
        for (int i = 0; i < depth; ++i)
            text += Line(i % 2 ? 'C' : 'x', "0.5 0.0 0.0", 1);
        return text;
    }

    std::string Mutate(std::string text)
    {
        static const char* const tokens[] = {
            "nan",        "-nan", "inf",  "-inf",  "1e38", "3.5e38", "1e39", "-1e300", "99999999999",
            "2147483647", "-1",   "-0.0", "1e-45", "x",    "j",      "b",    "a",      "c",
            "\r",         "\n",   "\r\n", " ",     "",     "+7",     "0x10"};
        const int edits = Pick(1, 8);
        for (int e = 0; e < edits && !text.empty(); ++e) {
            const std::size_t at = static_cast<std::size_t>(Pick(0, static_cast<int>(text.size()) - 1));
            switch (Pick(0, 5)) {
            case 0:
                text[at] = static_cast<char>(Pick(0, 255));
                break;
            case 1: {
                const std::size_t end = text.find_first_of(" \r\n", at);
                text.replace(at, end == std::string::npos ? 1 : end - at,
                             tokens[Pick(0, std::size(tokens) - 1)]);
                break;
            }
            case 2:
                text.erase(at, static_cast<std::size_t>(Pick(1, 40)));
                break;
            case 3:
                text.insert(at, text.substr(at, static_cast<std::size_t>(Pick(1, 120))));
                break;
            case 4:
                for (char& c : text)
                    c = c == '\n' && Pick(0, 1) ? '\r' : c;
                break;
            default:
                text.resize(at);
            }
        }
        return text;
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    std::mt19937 random_;
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
    ASSERT_EQ(CountNodes(world.Root), 2 + result.nodesAdded);
    if (result.IsComplete())
        ASSERT_EQ(result.stopLine, 0);
    else
        ASSERT_TRUE(result.stopLine >= 1 && result.stopLine <= CountLines(text)) << result.stopLine;

    const std::string saved = Save(world);
    CWorld reloaded;
    ASSERT_TRUE(Load(reloaded, saved).IsComplete());
    ASSERT_EQ(Save(reloaded), saved);
}

} // namespace

TEST(ModelFuzz, GeneratedAndMutatedFilesNeitherCrashNorLoseTheScene)
{
    ModelGenerator generate(20261206);
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        switch (i % 10) {
        case 0:
            text = generate.RandomBytes();
            break;
        case 1:
            text = i % 300 == 1 ? generate.DeepChain() : generate.SavedScene();
            break;
        default:
            text = generate.Mutate(generate.SavedScene());
        }
        SCOPED_TRACE(i);
        CheckLoad(text);
        if (HasFatalFailure())
            return;
    }
}
