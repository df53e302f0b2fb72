#include "DeviceFixture.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>

class TextureFileTest : public DeviceTest
{
protected:
    std::wstring PathOf(const QString& name) const { return dir_.filePath(name).toStdWString(); }

    // Loads the file; on success returns the texture (one reference) and on failure null.
    IDirect3DTexture9* Load(const QString& name, HRESULT* result = nullptr)
    {
        IDirect3DTexture9* texture = reinterpret_cast<IDirect3DTexture9*>(&sentinel_);
        const HRESULT hr = D3DXCreateTextureFromFileW(device_, PathOf(name).c_str(), &texture);
        if (result)
            *result = hr;
        EXPECT_EQ(SUCCEEDED(hr), texture != nullptr) << "the texture is set exactly when loading succeeds";
        return texture;
    }

    void WriteBytes(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray Encoded(const QImage& image, const char* format)
    {
        const QString name = QStringLiteral("encoded.") + format;
        EXPECT_TRUE(image.save(dir_.filePath(name), format));
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir dir_;
    int sentinel_ = 0;
};

TEST_F(TextureFileTest, PngTexelsArriveTopRowFirstWithAlpha)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0xFFFF0000u);
    image.setPixel(1, 0, 0x8000FF00u);
    image.setPixel(2, 0, 0xFF0000FFu);
    image.setPixel(0, 1, 0x00000000u);
    image.setPixel(1, 1, 0xFFFFFFFFu);
    image.setPixel(2, 1, 0xFF102030u);
    ASSERT_TRUE(image.save(dir_.filePath("pixels.png")));

    IDirect3DTexture9* texture = Load("pixels.png");
    ASSERT_NE(texture, nullptr);
    D3DSURFACE_DESC desc;
    texture->GetLevelDesc(0, &desc);
    EXPECT_EQ(desc.Width, 3u);
    EXPECT_EQ(desc.Height, 2u);
    EXPECT_EQ(desc.Format, D3DFMT_A8R8G8B8);
    D3DLOCKED_RECT locked;
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    const auto* texels = static_cast<const D3DCOLOR*>(locked.pBits);
    EXPECT_EQ(texels[0], 0xFFFF0000u);
    EXPECT_EQ(texels[1], 0x8000FF00u);
    EXPECT_EQ(texels[locked.Pitch / 4 + 2], 0xFF102030u);
    texture->UnlockRect(0);
    EXPECT_EQ(texture->Release(), 0u);
}

TEST_F(TextureFileTest, OtherFormatsQtReadsLoadToo)
{
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(0xFF336699u);
    for (const char* format : {"bmp", "jpg", "ppm"}) {
        const QString name = QStringLiteral("image.") + format;
        ASSERT_TRUE(image.save(dir_.filePath(name), format)) << format;
        IDirect3DTexture9* texture = Load(name);
        ASSERT_NE(texture, nullptr) << format;
        D3DSURFACE_DESC desc;
        texture->GetLevelDesc(0, &desc);
        EXPECT_EQ(desc.Width, 5u) << format;
        texture->Release();
    }
}

TEST_F(TextureFileTest, UnreadableFilesFailCleanly)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const QByteArray png = Encoded(image, "png");
    WriteBytes("truncated.png", png.left(png.size() / 2));
    WriteBytes("text.png", "this is not an image\n");
    WriteBytes("empty.bmp", QByteArray());
    WriteBytes("garbage.bmp", QByteArray("BM") + QByteArray(200, '\xFF'));

    for (const char* name : {"missing.png", "truncated.png", "text.png", "empty.bmp", "garbage.bmp"}) {
        HRESULT result = S_OK;
        EXPECT_EQ(Load(name, &result), nullptr) << name;
        EXPECT_TRUE(FAILED(result)) << name;
    }
}

TEST_F(TextureFileTest, ImagesLargerThan8192AreRefusedBeforeDecoding)
{
    QImage wide(8193, 1, QImage::Format_RGB32);
    wide.fill(Qt::white);
    ASSERT_TRUE(wide.save(dir_.filePath("wide.png")));
    QImage largest(8192, 1, QImage::Format_RGB32);
    largest.fill(Qt::white);
    ASSERT_TRUE(largest.save(dir_.filePath("largest.png")));

    EXPECT_EQ(Load("wide.png"), nullptr);
    IDirect3DTexture9* texture = Load("largest.png");
    ASSERT_NE(texture, nullptr);
    texture->Release();
}
