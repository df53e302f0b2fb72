#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "scene/ModelFileLosses.h"
#include "scene/SceneReader.h"
#include "scene/SceneWriter.h"
#include "tests/scene/SceneTestFixture.h"

#include <bit>
#include <random>

using Outcome = ModelLoadResult::Outcome;

namespace {

const std::wstring Document = L"/work/scenes/doc.qvs";

std::string Bits(float value)
{
    return std::to_string(std::bit_cast<std::uint32_t>(value)) + ' ';
}

std::string Bits(TAV_Vector3 v)
{
    return Bits(v.x) + Bits(v.y) + Bits(v.z);
}

// Every field of a primitive as text, floats by their bits.
std::string Dump(const TAV_Primitive* p)
{
    if (p == nullptr)
        return "null ";
    std::string text = std::string(typeid(*p).name()) + ' ' + std::to_string(p->IsVisible()) +
                       std::to_string(p->IsDrawBoundingVolume()) + std::to_string(p->IsTexturing()) +
                       std::to_string(p->IsBlending()) + std::to_string(static_cast<int>(p->GetShadeMode())) +
                       std::to_string(static_cast<int>(p->GetFillMode())) + ' ' +
                       std::to_string(p->GetColor().GetARGB()) + ' ' +
                       std::to_string(p->GetShadeColor().GetARGB()) + ' ' +
                       std::string(p->GetTextureName().begin(), p->GetTextureName().end()) + ' ';
    if (const auto* circle = dynamic_cast<const TAV_PrimitiveCircle*>(p))
        text += Bits(circle->GetCenter()) + Bits(circle->GetRadius());
    if (const auto* rectangle = dynamic_cast<const TAV_PrimitiveRectangleXY*>(p))
        text += Bits(rectangle->GetBox().GetMin()) + Bits(rectangle->GetBox().GetMax());
    if (const auto* line = dynamic_cast<const TAV_PrimitiveLine*>(p))
        text += Bits(line->GetStartPoint()) + Bits(line->GetEndPoint());
    if (const auto* list = dynamic_cast<const TAV_PrimitiveList*>(p))
        for (int i = 0; i < list->NumPrimitives(); ++i)
            text += "[" + Dump(list->GetPrimitive(i)) + "]";
    return text;
}

// Every field of a subtree, pre-order, empty slots skipped.
std::string Dump(TAV_SceneNode* root)
{
    std::vector<TAV_SceneNode*> nodes;
    Flatten(root, nodes);
    std::string text;
    for (TAV_SceneNode* node : nodes) {
        const TAV_XformInfo x = node->GetXformInfo();
        const std::wstring name = node->GetName();
        text += std::string(1, node->GetTypeCode()) + std::string(name.begin(), name.end()) + ' ' +
                Bits(x.GetTranslation()) + Bits(x.GetPivot()) + Bits(x.GetScale()) +
                Bits(x.GetRotationInRadians()) + std::to_string(node->IsPivotVisible()) + ' ' +
                Dump(node->GetPrimitive()) + std::to_string(node->NumChildren()) + '\n';
    }
    return text;
}

// Hidden, outlined, wireframe, flat, textured and blended, in colours no constructor uses.
void SetEveryAttribute(TAV_Primitive& p, const std::wstring& texture)
{
    p.SetAttributes(
        {false, true, TAV_Color(1, 2, 3, 4), TAV_Color(250, 251, 252, 0), FillMode::Wireframe, ShadeMode::Flat, true, true, texture});
}

ModelLoadResult Read(CWorld& world, const std::string& text)
{
    return SceneReader::Read(text, Document, *world.Root);
}

// A world whose every node and primitive field differs from what the constructors make.
void BuildRichScene(CWorld& world)
{
    world.PrimitiveType = 0;
    world.CreateNodeAt(0.1f, -0.0f);
    TAV_SceneNode* crab = world.CurrentNode;
    auto* body = static_cast<TAV_PrimitiveList*>(crab->GetPrimitive());
    SetEveryAttribute(*body->GetPrimitive(5), L"/work/scenes/Textures/sub/shell.png"); // a brow line
    SetEveryAttribute(*body->GetPrimitive(0), L"/elsewhere/sea.png");
    body->AddPrimitive(nullptr);
    auto* circle = new TAV_PrimitiveCircle;
    circle->SetCenter(1e-45f, 3.4e38f, -1.5f);
    circle->SetRadius(0.3f);
    body->AddPrimitive(circle);
    crab->GetChild(0)->SetPivotVisible(true);
    crab->GetChild(1)->GetChild(0)->SetPrimitive(nullptr);
    world.PrimitiveType = 2;
    world.CreateNodeAt(-7.25f, 2.0f);
    TAV_XformInfo x;
    x.SetTranslation(1.0f / 3.0f, 2e-38f, 16777217.0f);
    x.SetPivot(0.7f, -0.7f, 1e30f);
    x.SetScale(-2.5f, 0.1f, 1.0f);
    x.SetRotationInRadians(1.2345678f);
    world.CurrentNode->SetXformInfo(x);
    world.Root->SetXformInfo(x);
    world.Root->SetPivotVisible(true);
    // An emptied slot is left out; the crab's second object moves up.
    world.CreateNodeAt(5.0f, 5.0f);
    world.Root->RemoveChild(world.CurrentNode);
    delete world.CurrentNode;
    world.PrimitiveType = 1;
    world.CreateNodeAt(3.0f, 3.0f);
}

} // namespace

// Textures below the document are stored relative to it and move with it; others keep their path.
TEST(SceneDocument, EveryFieldSurvivesSaveClearAndLoadBitForBit)
{
    CWorld world;
    BuildRichScene(world);
    const std::string text = SceneWriter::Write(*world.Root, Document);
    CWorld loaded;
    const ModelLoadResult result = SceneReader::Read(text, L"/moved/doc.qvs", *loaded.Root);
    ASSERT_TRUE(result.IsComplete()) << result.detail;
    EXPECT_EQ(result.objectsAdded, 3);
    // The emptied slot is not written, so the root counts one child less.
    std::string expected = Dump(world.Root);
    expected.replace(expected.find(" 4\n"), 3, " 3\n");
    expected.replace(expected.find("/work/scenes/"), 13, "/moved/");
    EXPECT_EQ(Dump(loaded.Root), expected);

    // Read into a scene that holds objects already, it appends them and leaves the root alone.
    loaded.Root->SetXformInfo(TAV_XformInfo());
    ASSERT_TRUE(Read(loaded, text).IsComplete());
    EXPECT_EQ(loaded.Root->NumChildren(), 6);
    EXPECT_EQ(loaded.Root->GetXformInfo().GetRotationInRadians(), 0.0f);
}

TEST(SceneDocument, RefusedDocumentsSayWhyWithoutAddingAnything)
{
    CWorld source;
    source.CreateNodeAt(1.0f, 2.0f);
    const std::string valid = SceneWriter::Write(*source.Root, Document);
    // What is replaced in the box's document, by what, and what the reason says.
    const char* const cases[][3] = {
        {"\"version\": 1", "\"version\": 2", "written by a newer version of Quorvel (scene version 2"},
        {"\"rotation\":0.0", "\"rotation\":1e39", "node 2: \"rotation\" must be a finite number"},
        {"\"translation\":[1.0", "\"translation\":[\"1\"", "node 2: \"translation\" must be a finite"},
        {"\"type\":\"B\"", "\"type\":\"Q\"", "node 2: \"type\" \"Q\" is no kind of node"},
        {"\"type\":\"B\"", "\"type\":\"x\"", "node 2: \"type\" \"x\" is no kind of node"},
        {"\"fillMode\":2", "\"fillMode\":0", "node 2: \"fillMode\" must be a whole number from 1 to 2"},
        {"\"shadeMode\":1", "\"shadeMode\":2", "node 2: \"shadeMode\" must be a whole number from 0 to 1"},
        {"\"color\":4278190280", "\"color\":4294967296",
         "\"color\" must be a whole number from 0 to 4294967295"},
        {"\"visible\":true", "\"visible\":1", "node 2: \"visible\" must be true or false"},
        {"\"scale\":[1.0,1.0,1.0]", "\"scale\":[1.0,1.0]", "node 2: \"scale\" must be a list of three"},
        {"\"shape\":\"rectangle\"", "\"shape\":\"star\"", "node 2: \"shape\" must be"},
        {"\"children\":1", "\"children\":2", "the nodes end before all announced children, 1 missing"},
        {"\"children\":0", "\"children\":0},{\"type\":\"B\"", "node 3: it follows the end of the tree"},
        {"\"format\": \"Quorvel scene\"", "\"format\": \"other\"", "not a Quorvel scene"},
        {"\"format\": \"Quorvel scene\", \"version\": 1, \"nodes\": [\n",
         "\"format\": \"Quorvel scene\",\n \"version\": 1,\n \"nodes\": [tru]}",
         "syntax error at line 3, column 15"},
    };
    for (const auto& c : cases) {
        std::string text = valid;
        // The box's node is the last, so the last match is in its line.
        text.replace(text.rfind(c[0]), std::strlen(c[0]), c[1]);
        SCOPED_TRACE(text);
        CWorld world;
        world.CreateNodeAt(0.0f, 0.0f);
        TAV_XformInfo rootXform;
        rootXform.SetRotationInRadians(0.5f);
        world.Root->SetXformInfo(rootXform);
        const ModelLoadResult result = Read(world, text);
        EXPECT_EQ(result.outcome, Outcome::Refused);
        EXPECT_NE(result.detail.find(c[2]), std::string::npos) << result.detail;
        EXPECT_EQ(world.Root->NumChildren(), 1);
        EXPECT_EQ(world.Root->GetXformInfo().GetRotationInRadians(), 0.5f);
    }
}

TEST(ModelFileLossesTest, NamesWhatAModelFileCannotKeep)
{
    CWorld world;
    world.PrimitiveType = 1;
    world.CreateNodeAt(2.0f, 3.0f);
    TAV_SceneNode* circle = world.CurrentNode;
    world.PrimitiveType = 2;
    world.CreateNodeAt(-1.0f, 0.5f);
    EXPECT_EQ(ModelFileLosses::Describe(*world.Root), "");

    static_cast<TAV_PrimitiveList*>(circle->GetPrimitive())
        ->GetPrimitive(0)
        ->SetShadeColor(TAV_Color(0, 0, 0, 255));
    world.CurrentNode->SetPivotVisible(true);
    TAV_XformInfo x = world.CurrentNode->GetXformInfo();
    x.SetRotationInRadians(0.123f);
    world.CurrentNode->SetXformInfo(x);
    EXPECT_EQ(ModelFileLosses::Describe(*world.Root), "colours, pivot markers, exact transforms");

    world.CurrentNode->GetPrimitive()->SetFillMode(FillMode::Wireframe);
    static_cast<TAV_PrimitiveList*>(world.CurrentNode->GetPrimitive())->GetPrimitive(0)->SetTexturing(true);
    EXPECT_EQ(ModelFileLosses::Describe(*world.Root),
              "colours, textures, wireframe, pivot markers, exact transforms");
}

// Flipped bytes, cuts, repeats and swapped values. A document loads completely or is refused with a
// reason and adds nothing; nothing crashes. Damaged model files are the model loader's fuzz target.
TEST(SceneDocument, DamagedDocumentsNeitherCrashNorLoseTheScene)
{
    CWorld source;
    BuildRichScene(source);
    const std::string document = SceneWriter::Write(*source.Root, Document);
    std::mt19937 random(20261207);
    const auto pick = [&](std::size_t high) {
        return std::uniform_int_distribution<std::size_t>(0, high)(random);
    };
    const char* const tokens[] = {"null", "-1",  "1e999", "\"j\"",       "[]", "{}", "true",
                                  "0.5",  "nan", "-inf",  "99999999999", "x",  "j",  "\r",
                                  "\n",   " ",   "",      "4294967296"};
    for (int i = 0; i < 2000 && !HasFailure(); ++i) {
        std::string text = document;
        for (std::size_t edits = pick(3) + 1; edits > 0 && !text.empty(); --edits) {
            const std::size_t at = pick(text.size() - 1), kind = pick(3);
            if (kind == 0)
                text[at] = static_cast<char>(pick(255));
            else if (kind == 1)
                text.replace(at, pick(8), tokens[pick(std::size(tokens) - 1)]);
            else if (kind == 2)
                text.insert(at, text.substr(at, pick(120)));
            else
                text.resize(at);
        }
        SCOPED_TRACE(text);
        CWorld world;
        world.CreateNodeAt(0.0f, 0.0f);
        TAV_SceneNode* existing = world.CurrentNode;
        const ModelLoadResult result = Read(world, text);
        ASSERT_EQ(world.Root->GetChild(0), existing);
        std::vector<TAV_SceneNode*> nodes;
        Flatten(world.Root, nodes);
        ASSERT_EQ(nodes.size(), 2u + static_cast<std::size_t>(result.nodesAdded));
        EXPECT_TRUE(result.IsComplete() ||
                    (result.outcome == Outcome::Refused && !result.detail.empty() && result.nodesAdded == 0));
    }
}
