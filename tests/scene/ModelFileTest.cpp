#include "tests/scene/SceneTestFixture.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// A crab created at (4, 5): its parts turn about their pivots by -45, 90, -23 and 23 degrees.
const char* const CrabModel = "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 1 \r\n"
                              "j 4.0 5.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 2 \r\n"
                              "b 0.0 0.0 0.0 2.0 0.0 0.0 1.0 1.0 1.0 -0.8 1 \r\n"
                              "a 0.0 0.0 0.0 2.0 3.5 0.0 1.0 1.0 1.0 1.6 2 \r\n"
                              "c 0.0 0.0 0.0 2.3 7.5 0.0 1.0 1.0 1.0 -0.4 0 \r\n"
                              "c 0.0 0.0 0.0 3.0 7.5 0.0 1.0 1.0 1.0 0.4 0 \r\n"
                              "b 0.0 0.0 0.0 -2.0 0.0 0.0 1.0 1.0 1.0 0.8 1 \r\n"
                              "a 0.0 0.0 0.0 -2.0 3.5 0.0 1.0 1.0 1.0 -1.6 2 \r\n"
                              "c 0.0 0.0 0.0 -2.7 7.5 0.0 1.0 1.0 1.0 -0.4 0 \r\n"
                              "c 0.0 0.0 0.0 -2.0 7.5 0.0 1.0 1.0 1.0 0.4 0 \r\n";

const wchar_t* const CrabNames[] = {L"SceneNode", L"R_BodyArm", L"R_BodyArm", L"L_Claw", L"R_Claw",
                                    L"L_BodyArm", L"L_BodyArm", L"L_Claw",    L"R_Claw"};

void ExpectCrabNames(CWorld& world)
{
    std::vector<TAV_SceneNode*> nodes;
    Flatten(world.Root->GetChild(0), nodes);
    ASSERT_EQ(nodes.size(), std::size(CrabNames));
    for (std::size_t i = 0; i < nodes.size(); ++i)
        EXPECT_EQ(std::wstring(nodes[i]->GetName()), CrabNames[i]) << i;
}

// The C library keeps what it allocates for a locale search path until the
// process ends; that is not ours to free, so the leak checker skips it.
#if defined(__SANITIZE_ADDRESS__)
using LibraryAllocations = __lsan::ScopedDisabler;
#else
struct LibraryAllocations
{
};
#endif

// Puts the C and C++ locales back at the end of a test.
struct LocaleGuard
{
    std::string previous = std::setlocale(LC_ALL, nullptr);
    ~LocaleGuard()
    {
        [[maybe_unused]] const LibraryAllocations ignored;
        std::setlocale(LC_ALL, previous.c_str());
        std::locale::global(std::locale::classic());
    }
};

} // namespace

TEST(ModelFileWriting, NewShapesSaveByteForByteWithTheirPartsNamed)
{
    CWorld box;
    box.CreateNodeAt(3.0f, 4.0f);
    EXPECT_EQ(Save(box), "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 1 \r\n"
                         "B 3.0 4.0 0.0 3.0 4.0 0.0 1.0 1.0 1.0 0.0 0 \r\n");
    CWorld crab;
    crab.PrimitiveType = 0;
    crab.CreateNodeAt(4.0f, 5.0f);
    EXPECT_EQ(Save(crab), CrabModel);
    ExpectCrabNames(crab);
}

// LF, CR and blank lines between records read the same as CR LF.
TEST(ModelFileReading, CrabLoadsBackAsTheSameNineNamedNodesWhateverTheLineEnds)
{
    for (const char* end : {"\r\n", "\n", "\r", "\r\n\r\n", " \t\n  \n"}) {
        SCOPED_TRACE(end);
        std::string text = CrabModel;
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += std::strlen(end))
            text.replace(at, 2, end);
        CWorld world;
        EXPECT_TRUE(Load(world, text).IsComplete());
        EXPECT_EQ(Save(world), CrabModel);
        ExpectCrabNames(world);
    }
}

TEST(ModelFileReading, CommaLocaleChangesNothing)
{
    CWorld crab;
    crab.PrimitiveType = 0;
    crab.CreateNodeAt(4.0f, 5.0f);
    // German writes decimals with a comma; its locale is compiled into a temporary folder when missing.
    const LocaleGuard guard;
    const char* const german = "de_DE.UTF-8";
    {
        [[maybe_unused]] const LibraryAllocations ignored;
        const std::string folder = testing::TempDir() + "quorvel-locales";
        const std::string build = "mkdir -p '" + folder + "' && localedef -i de_DE -f UTF-8 '" + folder +
                                  "/" + german + "' >/dev/null 2>&1";
        if (std::setlocale(LC_ALL, german) == nullptr && std::system(build.c_str()) != -1) {
            setenv("LOCPATH", folder.c_str(), 1);
            std::setlocale(LC_ALL, german);
        }
        char number[16];
        std::snprintf(number, sizeof number, "%.1f", 0.5);
        if (std::string(number) != "0,5")
            GTEST_SKIP() << "no comma-decimal locale can be built here";
        std::locale::global(std::locale(german));
    }
    EXPECT_EQ(Save(crab), CrabModel);
    CWorld loaded;
    ASSERT_TRUE(Load(loaded, CrabModel).IsComplete());
    EXPECT_EQ(Save(loaded), CrabModel);
}
