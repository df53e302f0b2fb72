#include "scene/ModelReader.h"
#include "scene/SceneNode.h"
#include "tests/scene/ModelTestText.h"

#include <gtest/gtest.h>

using Outcome = ModelLoadResult::Outcome;

TEST(ModelLoadEdges, UnknownCodeMakesNothingAndItsChildrenTakeTheNextPlaces)
{
    CWorld world;
    const std::string text = Line('x', "0.0 0.0 0.0", 2) + Line('Q', "0.0 0.0 0.0", 1) +
                             Line('B', "1.0 0.0 0.0", 2) + Line('?', "0.0 0.0 0.0", 0) +
                             Line('C', "2.0 0.0 0.0", 0) + Line('C', "3.0 0.0 0.0", 0);
    const ModelLoadResult result = Load(world, text);
    // Q takes the first of the root's two places, the box the second with the
    // unknown line and one circle as its children; the last line is left over.
    EXPECT_EQ(result.outcome, Outcome::LinesAfterModel);
    EXPECT_EQ(result.stopLine, 6);
    EXPECT_EQ(result.nodesAdded, 2);
    ASSERT_EQ(world.Root->NumChildren(), 1);
    TAV_SceneNode* box = world.Root->GetChild(0);
    EXPECT_EQ(box->GetTypeCode(), 'B');
    ASSERT_EQ(box->NumChildren(), 1);
    EXPECT_EQ(box->GetChild(0)->GetXformInfo().GetTranslation().x, 2.0f);
}

TEST(ModelLoadEdges, CompleteLastLineWithoutLineBreakIsStillLoaded)
{
    CWorld world;
    const ModelLoadResult result = Load(world, Line('x', "0.0 0.0 0.0", 2) + Line('B', "1.0 0.0 0.0", 0) +
                                                   Line('C', "2.0 0.0 0.0", 0, ""));
    EXPECT_TRUE(result.IsComplete());
    EXPECT_EQ(result.nodesAdded, 2);
}

TEST(ModelLoadEdges, LineCutShortStopsTheLoadThereAndKeepsWhatCameBefore)
{
    CWorld world;
    world.CreateNodeAt(0.0f, 0.0f);
    const ModelLoadResult result =
        Load(world, Line('x', "0.0 0.0 0.0", 3) + Line('B', "1.0 0.0 0.0", 0) + "C 1.0 2.0 0.0 0.0");
    EXPECT_EQ(result.outcome, Outcome::UnreadableLine);
    EXPECT_EQ(result.stopLine, 3);
    EXPECT_EQ(result.nodesAdded, 1);
    EXPECT_EQ(world.Root->NumChildren(), 2);
}

TEST(ModelLoadEdges, NumbersThatAreNotFiniteOrCountsBelowZeroAreUnreadable)
{
    const char* const bad[] = {"nan 0.0 0.0", "0.0 inf 0.0", "0.0 0.0 -inf",   "1e39 0.0 0.0",
                               "0,5 0.0 0.0", "0.0 0.0",     "0.0 0.0 0.0 0.0"};
    for (const char* translation : bad) {
        SCOPED_TRACE(translation);
        CWorld world;
        const ModelLoadResult result = Load(world, Line('x', "0.0 0.0 0.0", 2) + Line('B', "1.0 0.0 0.0", 0) +
                                                       Line('C', translation, 0));
        EXPECT_EQ(result.outcome, Outcome::UnreadableLine);
        EXPECT_EQ(result.stopLine, 3);
        EXPECT_EQ(result.nodesAdded, 1);
    }
    CWorld world;
    EXPECT_EQ(Load(world, Line('x', "0.0 0.0 0.0", -1)).outcome, Outcome::UnreadableLine);
    EXPECT_EQ(Load(world, "x 0 0 0 0 0 0 1 1 1 0 99999999999 \r\n").outcome, Outcome::UnreadableLine);
    EXPECT_EQ(Load(world, "xB 0 0 0 0 0 0 1 1 1 0 0 \r\n").outcome, Outcome::UnreadableLine);
}

TEST(ModelLoadEdges, ChildCountBeyondTheLinesThatFollowEndsAtTheEndOfTheFile)
{
    CWorld world;
    const ModelLoadResult result = Load(world, Line('x', "0.0 0.0 0.0", 7) + Line('B', "1.0 0.0 0.0", 5) +
                                                   Line('C', "2.0 0.0 0.0", 2000000000));
    EXPECT_TRUE(result.IsComplete());
    EXPECT_EQ(result.nodesAdded, 2);
    EXPECT_EQ(world.Root->GetChild(0)->GetChild(0)->GetTypeCode(), 'C');
}

TEST(ModelLoadEdges, FileNotStartingWithTheRootLoadsOneRecordTreeAndSaysWhereItStopped)
{
    CWorld world;
    const ModelLoadResult result =
        Load(world, Line('B', "1.0 0.0 0.0", 1) + Line('C', "2.0 0.0 0.0", 0) + Line('C', "3.0 0.0 0.0", 0));
    EXPECT_EQ(result.outcome, Outcome::LinesAfterModel);
    EXPECT_EQ(result.stopLine, 3);
    EXPECT_EQ(result.objectsAdded, 1);
    EXPECT_EQ(result.nodesAdded, 2);
}

TEST(ModelLoadEdges, AnyLineEndAndBlankLinesReadTheSame)
{
    CWorld reference;
    reference.PrimitiveType = 0;
    reference.CreateNodeAt(1.0f, 2.0f);
    reference.PrimitiveType = 1;
    reference.CreateNodeAt(-3.0f, 0.5f);
    const std::string crlf = Save(reference);
    for (const char* end : {"\n", "\r", "\r\n\r\n", " \t\n  \n"}) {
        std::string text;
        for (std::size_t at = 0; at < crlf.size(); ++at) {
            if (crlf[at] == '\r') {
                text += end;
                ++at;
            } else {
                text += crlf[at];
            }
        }
        CWorld world;
        EXPECT_TRUE(Load(world, text).IsComplete());
        EXPECT_EQ(Save(world), crlf);
    }
}

TEST(ModelLoadEdges, NestingBeyondTheLimitStopsAtThatLine)
{
    std::string chain = Line('x', "0.0 0.0 0.0", 1);
    for (int level = 1; level <= ModelReader::MaxNesting; ++level)
        chain += Line('B', "0.1 0.0 0.0", level < ModelReader::MaxNesting ? 1 : 0);
    CWorld deepest;
    const ModelLoadResult loaded = Load(deepest, chain);
    EXPECT_TRUE(loaded.IsComplete());
    EXPECT_EQ(loaded.nodesAdded, ModelReader::MaxNesting);
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
