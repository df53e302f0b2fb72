#include "DeviceFixture.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>

class TextureFileTest : public DeviceTest
{
protected:
    // Loads the file; on success returns the texture (one reference) and on failure null.
    IDirect3DTexture9* Load(const QString& name)
    {
        IDirect3DTexture9* texture = reinterpret_cast<IDirect3DTexture9*>(&sentinel_);
        const HRESULT hr =
            D3DXCreateTextureFromFileW(device_, dir_.filePath(name).toStdWString().c_str(), &texture);
        EXPECT_EQ(SUCCEEDED(hr), texture != nullptr) << "the texture is set exactly when loading succeeds";
        return texture;
    }

    void WriteBytes(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir_;
    int sentinel_ = 0;
};

TEST_F(TextureFileTest, PngBmpAndJpegLoadTopRowFirst)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(0xFF102030u);
    image.setPixel(0, 0, 0xFFFF0000u);
    image.setPixel(1, 0, 0x8000FF00u);
    image.setPixel(0, 1, 0x00000000u);
    for (const char* format : {"png", "bmp", "jpg"}) {
        const QString name = QStringLiteral("image.") + format;
        ASSERT_TRUE(image.save(dir_.filePath(name), format)) << format;
        IDirect3DTexture9* texture = Load(name);
        ASSERT_NE(texture, nullptr) << format;
        D3DSURFACE_DESC desc;
        texture->GetLevelDesc(0, &desc);
        EXPECT_EQ(desc.Width, 3u) << format;
        EXPECT_EQ(desc.Height, 2u) << format;
        EXPECT_EQ(desc.Format, D3DFMT_A8R8G8B8) << format;
        if (std::string(format) == "png") { // lossless with alpha
            D3DLOCKED_RECT locked;
            ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
            const auto* texels = static_cast<const D3DCOLOR*>(locked.pBits);
            EXPECT_EQ(texels[0], 0xFFFF0000u);
            EXPECT_EQ(texels[1], 0x8000FF00u);
            EXPECT_EQ(texels[locked.Pitch / 4 + 2], 0xFF102030u);
            texture->UnlockRect(0);
        }
        EXPECT_EQ(texture->Release(), 0u) << format;
    }
}

TEST_F(TextureFileTest, UnreadableOrOversizedFilesFailCleanly)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir_.filePath("whole.png")));
    QFile whole(dir_.filePath("whole.png"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    WriteBytes("truncated.png", whole.readAll().left(whole.size() / 2));
    WriteBytes("text.png", "this is not an image\n");
    WriteBytes("empty.bmp", QByteArray());
    WriteBytes("garbage.bmp", QByteArray("BM") + QByteArray(200, '\xFF'));
    // Wider than 8192 is refused; 8192 itself loads.
    QImage wide(8193, 1, QImage::Format_RGB32);
    wide.fill(Qt::white);
    ASSERT_TRUE(wide.save(dir_.filePath("wide.png")));
    ASSERT_TRUE(wide.copy(0, 0, 8192, 1).save(dir_.filePath("largest.png")));

    for (const char* name :
         {"missing.png", "truncated.png", "text.png", "empty.bmp", "garbage.bmp", "wide.png"})
        EXPECT_EQ(Load(name), nullptr) << name;
    IDirect3DTexture9* texture = Load("largest.png");
    ASSERT_NE(texture, nullptr);
    texture->Release();
}
