#include "scene/ModelReader.h"
#include "tests/scene/SceneTestFixture.h"

using Outcome = ModelLoadResult::Outcome;

// Each file is loaded into a world that holds a box already.
TEST(ModelLoadEdges, LoadSaysWhereItStoppedKeepingWhatCameBefore)
{
    struct Case
    {
        std::string text;
        Outcome outcome;
        int stopLine, nodes, objects;
        long long missing = 0;
    };
    const std::string rootAndBox = Line('x', "0.0 0.0 0.0", 3) + Line('B', "1.0 0.0 0.0", 0);
    std::vector<Case> cases = {
        // Q takes the first of the root's two places, the box the second with the unknown
        // line and the first circle as its children; the last line is left over.
        {Line('x', "0.0 0.0 0.0", 2) + Line('Q', "0.0 0.0 0.0", 1) + Line('B', "1.0 0.0 0.0", 2) +
             Line('?', "0.0 0.0 0.0", 0) + Line('C', "2.0 0.0 0.0", 0) + Line('C', "3.0 0.0 0.0", 0),
         Outcome::LinesAfterModel, 6, 2, 1},
        // A complete last line without a line break is still read.
        {Line('x', "0.0 0.0 0.0", 2) + Line('B', "1.0 0.0 0.0", 0) + Line('C', "2.0 0.0 0.0", 0, ""),
         Outcome::Complete, 0, 2, 2},
        // Child counts beyond the lines that follow: 6 + 4 + 2000000000 lines never come.
        {Line('x', "0.0 0.0 0.0", 7) + Line('B', "1.0 0.0 0.0", 5) + Line('C', "2.0 0.0 0.0", 2000000000),
         Outcome::EndsEarly, 3, 2, 1, 2000000010},
        // Cut at a line end: the root still expects two objects.
        {rootAndBox, Outcome::EndsEarly, 2, 1, 1, 2},
        {"", Outcome::NoModel, 1, 0, 0},
        {" \t\r\n\n  \r", Outcome::NoModel, 1, 0, 0},
        // Fields, not lines, make records: one wrapped over two lines, two sharing one.
        {"x 0 0 0 0 0 0 1 1 1 0 2 \r\nB 1.0 0.0 0.0 0.0 0.0\n0.0 1.0 1.0 1.0 0.0 0 C 2 0 0 0 0 0 1 1 1 0 0",
         Outcome::Complete, 0, 2, 2},
        // The bad field stands on line 3, in a record that starts on line 2.
        {"x 0 0 0 0 0 0 1 1 1 0 1\nB 1 0 0\n0 0 0 1 1 zz 0 0\n", Outcome::UnreadableLine, 3, 0, 0},
        // Lines are limited to 4096 characters, blanks included.
        {Line('x', "0.0 0.0 0.0", 0, std::string(4096 - 43, ' ').c_str()), Outcome::Complete, 0, 0, 0},
        {Line('x', "0.0 0.0 0.0", 0, std::string(4097 - 43, ' ').c_str()), Outcome::UnreadableLine, 1, 0, 0},
        // Without the root line one record tree is read.
        {Line('B', "1.0 0.0 0.0", 1) + Line('C', "2.0 0.0 0.0", 0) + Line('C', "3.0 0.0 0.0", 0),
         Outcome::LinesAfterModel, 3, 2, 1},
        {Line('x', "0.0 0.0 0.0", -1), Outcome::UnreadableLine, 1, 0, 0},
        {"x 0 0 0 0 0 0 1 1 1 0 99999999999 \r\n", Outcome::UnreadableLine, 1, 0, 0},
        {"xB 0 0 0 0 0 0 1 1 1 0 0 \r\n", Outcome::UnreadableLine, 1, 0, 0},
        {rootAndBox + "C 1.0 2.0 0.0 0.0", Outcome::UnreadableLine, 3, 1, 1},
    };
    for (const char* bad : {"nan 0.0 0.0", "0.0 inf 0.0", "0.0 0.0 -inf", "1e39 0.0 0.0", "0,5 0.0 0.0",
                            "0.0 0.0", "0.0 0.0 0.0 0.0"})
        cases.push_back({rootAndBox + Line('C', bad, 0), Outcome::UnreadableLine, 3, 1, 1});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CWorld world;
        world.CreateNodeAt(0.0f, 0.0f);
        TAV_SceneNode* existing = world.CurrentNode;
        const ModelLoadResult result = Load(world, c.text);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.stopLine, c.stopLine);
        EXPECT_EQ(result.nodesAdded, c.nodes);
        EXPECT_EQ(result.objectsAdded, c.objects);
        EXPECT_EQ(result.missing, c.missing);
        EXPECT_EQ(world.Root->NumChildren(), 1 + c.objects);
        EXPECT_EQ(world.Root->GetChild(0), existing);
    }
}

using ModelNesting = SceneDeviceTest;

TEST_F(ModelNesting, OneLevelBeyondTheDeepestWorkingModelStopsAtThatLine)
{
    std::string chain = Line('x', "0.0 0.0 0.0", 1);
    for (int level = 1; level <= ModelReader::MaxNesting; ++level)
        chain += Line('B', "0.1 0.0 0.0", level < ModelReader::MaxNesting ? 1 : 0);
    CWorld deepest;
    const ModelLoadResult loaded = Load(deepest, chain);
    EXPECT_TRUE(loaded.IsComplete());
    deepest.DrawScene();
    EXPECT_NE(Pixel(10, 5), Background);
    EXPECT_TRUE(deepest.SelectNodeAt(1.0f, 1.0f));
    EXPECT_EQ(Save(deepest), chain);

    std::string tooDeep = chain;
    tooDeep.replace(tooDeep.size() - 4, 1, "1");
    tooDeep += Line('C', "0.0 0.0 0.0", 0);
    CWorld world;
    const ModelLoadResult stopped = Load(world, tooDeep);
    EXPECT_EQ(stopped.outcome, Outcome::NestedTooDeep);
    EXPECT_EQ(stopped.stopLine, ModelReader::MaxNesting + 2);
    EXPECT_EQ(stopped.nodesAdded, ModelReader::MaxNesting);
}
