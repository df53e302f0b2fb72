#include "core/Echo.h"
#include "platform/win/WindowHandles.h"
#include "render/GraphicsSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

// A graphics context, an echo line, and a scratch folder as the current directory.
class TextureTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        window_.resize(16, 16);
        ASSERT_TRUE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&window_)));
        EchoWindow = WindowHandles::HandleOf(&echo_);
    }
    void TearDown() override
    {
        Graphics().ReleaseGraphicsContext();
        EchoWindow = nullptr;
        QDir::setCurrent(previousDir_);
    }

    static TAVD3D_GraphicsSystem& Graphics() { return TAVD3D_GraphicsSystem::GetInstance(); }

    // A 2 x 2 BMP of one colour at a path relative to the scratch folder.
    static void WriteImage(const QString& path, QRgb color)
    {
        QDir().mkpath(QFileInfo(path).path());
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(path, "BMP"));
    }
    static void WriteBytes(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static std::vector<std::wstring> Names()
    {
        std::vector<std::wstring> names;
        const auto& table = Graphics().Textures();
        for (int i = 0; i < table.Count(); ++i)
            names.push_back(table.GetAt(i)->GetName());
        return names;
    }

    static D3DCOLOR FirstTexel(const TAVD3D_TextureResource* resource)
    {
        D3DLOCKED_RECT locked;
        resource->GetTexture()->LockRect(0, &locked, nullptr, 0);
        const D3DCOLOR texel = *static_cast<const D3DCOLOR*>(locked.pBits);
        resource->GetTexture()->UnlockRect(0);
        return texel;
    }

    std::wstring Echoed() const { return echo_.text().toStdWString(); }

    QTemporaryDir dir_;
    QString previousDir_;
    QWidget window_;
    QLabel echo_;
};

TEST_F(TextureTableTest, ATextureNamedAgainIsFoundNotLoadedAgain)
{
    WriteImage("wood.bmp", 0xFF8B4513u);
    TAVD3D_TextureResource* first = Graphics().FindTexture(L"wood.bmp", true);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetName(), L"wood.bmp");
    EXPECT_EQ(FirstTexel(first), 0xFF8B4513u);

    QFile::remove("wood.bmp"); // a second load would now fail
    EXPECT_EQ(Graphics().FindTexture(L"wood.bmp", true), first);
    EXPECT_EQ(Graphics().FindTexture(L"wood.bmp", false), first);
    EXPECT_EQ(Graphics().Textures().Count(), 1);
    EXPECT_EQ(Graphics().FindTexture(L"other.bmp", false), nullptr);
}

TEST_F(TextureTableTest, TableIsSortedByCodeUnitsAndEveryEntryIsFound)
{
    for (const char* name : {"b.bmp", "a.bmp", "C.bmp", "B.bmp", "c.bmp", "A.bmp", "_.bmp"})
        WriteImage(name, 0xFFFFFFFFu);
    for (const wchar_t* name : {L"b.bmp", L"a.bmp", L"C.bmp"})
        ASSERT_NE(Graphics().FindTexture(name, true), nullptr);
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"C.bmp", L"a.bmp", L"b.bmp"}));

    for (const wchar_t* name : {L"B.bmp", L"c.bmp", L"A.bmp", L"_.bmp"})
        ASSERT_NE(Graphics().FindTexture(name, true), nullptr);
    const std::vector<std::wstring> sorted{L"A.bmp", L"B.bmp", L"C.bmp", L"_.bmp",
                                           L"a.bmp", L"b.bmp", L"c.bmp"};
    EXPECT_EQ(Names(), sorted);
    for (const std::wstring& name : sorted) {
        const TAVD3D_TextureResource* found = Graphics().FindTexture(name, false);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->GetName(), name);
    }
}

TEST_F(TextureTableTest, NamesAreSearchedForInTheTextureAndMeshFolders)
{
    WriteImage("Textures/t.bmp", 0xFFFF0000u);
    WriteImage("MeshFiles/m.bmp", 0xFF00FF00u);
    WriteImage("both.bmp", 0xFF0000FFu);
    WriteImage("Textures/both.bmp", 0xFFFF0000u);

    const TAVD3D_TextureResource* inTextures = Graphics().FindTexture(L"t.bmp", true);
    ASSERT_NE(inTextures, nullptr);
    EXPECT_EQ(FirstTexel(inTextures), 0xFFFF0000u);
    const TAVD3D_TextureResource* inMeshFiles = Graphics().FindTexture(L"m.bmp", true);
    ASSERT_NE(inMeshFiles, nullptr);
    EXPECT_EQ(FirstTexel(inMeshFiles), 0xFF00FF00u);
    // The name as given wins over the search folders.
    const TAVD3D_TextureResource* both = Graphics().FindTexture(L"both.bmp", true);
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(FirstTexel(both), 0xFF0000FFu);

    // The key is the name as asked for, not the file found.
    ASSERT_NE(Graphics().FindTexture(L"Textures/t.bmp", true), nullptr);
    ASSERT_NE(Graphics().FindTexture(L"./Textures/t.bmp", true), nullptr);
    EXPECT_EQ(Graphics().Textures().Count(), 5);
}

TEST_F(TextureTableTest, FailedLoadsAreEchoedAndLeaveTheTableAsItWas)
{
    WriteImage("keep.bmp", 0xFFFFFFFFu);
    ASSERT_NE(Graphics().FindTexture(L"keep.bmp", true), nullptr);

    EXPECT_EQ(Graphics().FindTexture(L"missing.bmp", true), nullptr);
    EXPECT_EQ(Echoed(), L"**ERROR** [missing.bmp]: file not found!");

    WriteBytes("Textures/corrupt.bmp", "BM this is no bitmap");
    EXPECT_EQ(Graphics().FindTexture(L"corrupt.bmp", true), nullptr);
    EXPECT_EQ(Echoed(), L"**ERROR** [corrupt.bmp]: open for loading failed!");
    EXPECT_EQ(Names(), std::vector<std::wstring>{L"keep.bmp"});

    // Nothing is remembered about a failure: once the file is readable it loads.
    WriteImage("Textures/corrupt.bmp", 0xFF00FF00u);
    const TAVD3D_TextureResource* mended = Graphics().FindTexture(L"corrupt.bmp", true);
    ASSERT_NE(mended, nullptr);
    EXPECT_EQ(FirstTexel(mended), 0xFF00FF00u);

    echo_.setText("unchanged");
    EXPECT_EQ(Graphics().FindTexture(L"", true), nullptr);
    EXPECT_FALSE(Graphics().ActivateTexture(L"", 0));
    EXPECT_EQ(echo_.text(), "unchanged");
}

TEST_F(TextureTableTest, ActivationSelectsTheTextureAndDeactivationTheVertexColour)
{
    WriteImage("wood.bmp", 0xFF8B4513u);
    IDirect3DDevice9* device = Graphics().GetDevice();
    auto stage = [device](D3DTEXTURESTAGESTATETYPE type) {
        DWORD value = 0;
        device->GetTextureStageState(0, type, &value);
        return value;
    };
    auto texture = [device] {
        IDirect3DBaseTexture9* current = nullptr;
        device->GetTexture(0, &current);
        if (current)
            current->Release();
        return current;
    };

    ASSERT_TRUE(Graphics().ActivateTexture(L"wood.bmp", 0));
    EXPECT_EQ(texture(), Graphics().FindTexture(L"wood.bmp", false)->GetTexture());
    EXPECT_EQ(stage(D3DTSS_COLOROP), static_cast<DWORD>(D3DTOP_SELECTARG1));
    EXPECT_EQ(stage(D3DTSS_ALPHAOP), static_cast<DWORD>(D3DTOP_SELECTARG1));

    // A texture that cannot be loaded leaves the stage as it was.
    EXPECT_FALSE(Graphics().ActivateTexture(L"missing.bmp", 0));
    EXPECT_NE(texture(), nullptr);

    Graphics().DeactivateTexture(0);
    EXPECT_EQ(texture(), nullptr);
    EXPECT_EQ(stage(D3DTSS_COLOROP), static_cast<DWORD>(D3DTOP_DISABLE));
    EXPECT_EQ(stage(D3DTSS_ALPHAOP), static_cast<DWORD>(D3DTOP_SELECTARG1));
}

TEST_F(TextureTableTest, ReleasingTheContextDeletesEveryTexture)
{
    WriteImage("wood.bmp", 0xFF8B4513u);
    IDirect3DTexture9* texture = Graphics().FindTexture(L"wood.bmp", true)->GetTexture();
    IDirect3DDevice9* device = Graphics().GetDevice();
    texture->AddRef();
    device->AddRef();

    Graphics().ReleaseGraphicsContext();
    EXPECT_EQ(Graphics().Textures().Count(), 0);
    // Only the test's own references are left.
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_EQ(device->Release(), 0u);
}
