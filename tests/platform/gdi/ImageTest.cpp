#include <gtest/gtest.h>

#include <sys/stat.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/gdi/Image.h"
#include "tests/platform/gdi/GdiTestCanvas.h"
#include "tests/support/TempDir.h"

namespace {

// A 64 x 48 frame: four flat quadrants, so JPEG keeps colours close away from edges.
HBITMAP MakeFrame() {
  std::vector<uint32_t> pixels(64 * 48);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      COLORREF c =
          y < 24 ? (x < 32 ? RGB(220, 30, 30) : RGB(30, 200, 40)) : (x < 32 ? RGB(20, 40, 210) : RGB(240, 240, 240));
      pixels[static_cast<size_t>(y * 64 + x)] = platform::PixelFromColor(c);
    }
  return CreateBitmap(64, 48, 1, 32, pixels.data());
}

struct Decoded {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
  COLORREF At(int x, int y) const {
    const unsigned char* p = &rgb[static_cast<size_t>((y * width + x) * 3)];
    return RGB(p[0], p[1], p[2]);
  }
};

Decoded Decode(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Decoded d;
  tjhandle tj = tjInitDecompress();
  int sub = 0, space = 0;
  if (tjDecompressHeader3(tj, data.data(), data.size(), &d.width, &d.height, &sub, &space) == 0) {
    d.rgb.resize(static_cast<size_t>(d.width * d.height * 3));
    tjDecompress2(tj, data.data(), data.size(), d.rgb.data(), d.width, 0, d.height, TJPF_RGB, 0);
  }
  tjDestroy(tj);
  return d;
}

bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 8 && std::abs(GetGValue(a) - GetGValue(b)) <= 8 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 8;
}

TEST(ImageTest, SavesAJpegThatDecodesToTheFrame) {
  testsupport::TempDir dir;
  CImage image;
  image.Attach(MakeFrame());
  std::string path = dir.File("capture_front.jpg");
  ASSERT_EQ(image.Save(CString(path).GetString(), Gdiplus::ImageFormatJPEG), S_OK);
  Decoded d = Decode(path);
  ASSERT_EQ(d.width, 64);
  ASSERT_EQ(d.height, 48);
  EXPECT_TRUE(Near(d.At(8, 8), RGB(220, 30, 30)));   // rows not flipped
  EXPECT_TRUE(Near(d.At(56, 8), RGB(30, 200, 40)));  // channels in order
  EXPECT_TRUE(Near(d.At(8, 40), RGB(20, 40, 210)));
  EXPECT_TRUE(Near(d.At(56, 40), RGB(240, 240, 240)));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
  image.Detach();
}

TEST(ImageTest, TheFormatDecidesWhateverTheExtension) {
  testsupport::TempDir dir;
  CImage image;
  image.Attach(MakeFrame());
  EXPECT_EQ(image.Save(CString(dir.File("frame.png")).GetString(), Gdiplus::ImageFormatJPEG), S_OK);
  EXPECT_EQ(Decode(dir.File("frame.png")).width, 64);
  EXPECT_TRUE(FAILED(image.Save(CString(dir.File("frame.bmp")).GetString())));
  EXPECT_EQ(image.Save(CString(dir.File("frame.JPG")).GetString()), S_OK);
}

TEST(ImageTest, SavesUnderANameThatIsNotUtf8) {
  testsupport::TempDir dir;
  std::filesystem::create_directory(dir.File("caf\xE9"));
  CImage image;
  image.Attach(MakeFrame());
  const std::string path = dir.File("caf\xE9/20240131_1015\xE9"
                                    "0_IMG_C2_0_front.jpg");
  ASSERT_EQ(image.Save(FileSystemToWide(path).c_str(), Gdiplus::ImageFormatJPEG), S_OK);
  EXPECT_EQ(Decode(path).width, 64);
  EXPECT_EQ(
      std::distance(std::filesystem::directory_iterator(dir.File("caf\xE9")), std::filesystem::directory_iterator()),
      1);
  image.Detach();
}

TEST(ImageTest, MissingFolderFailsAndLeavesNothing) {
  testsupport::TempDir dir;
  CImage image;
  image.Attach(MakeFrame());
  HRESULT hr = image.Save(CString(dir.File("gone/frame.jpg")).GetString(), Gdiplus::ImageFormatJPEG);
  EXPECT_EQ(hr, static_cast<HRESULT>(0x80070003u));
  EXPECT_FALSE(std::filesystem::exists(dir.File("gone")));
}

TEST(ImageTest, ReadOnlyFolderFailsWithoutAPartialFile) {
  testsupport::TempDir dir;
  // Root writes into any mode-0555 folder; sysfs refuses new files even to root.
  std::string folder = geteuid() == 0 ? std::string("/sys") : dir.path();
  ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
  CImage image;
  image.Attach(MakeFrame());
  std::string path = folder + "/rodemir-frame.jpg";
  EXPECT_EQ(image.Save(CString(path).GetString(), Gdiplus::ImageFormatJPEG), E_ACCESSDENIED);
  chmod(dir.path().c_str(), 0755);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(ImageTest, ReplacesAnExistingFileWhole) {
  testsupport::TempDir dir;
  std::string path = dir.File("frame.jpg");
  std::ofstream(path) << "old contents";
  CImage image;
  image.Attach(MakeFrame());
  ASSERT_EQ(image.Save(CString(path).GetString(), Gdiplus::ImageFormatJPEG), S_OK);
  EXPECT_EQ(Decode(path).height, 48);
}

TEST(ImageTest, EmptyImageFails) {
  CImage image;
  EXPECT_TRUE(image.IsNull());
  EXPECT_TRUE(FAILED(image.Save(L"/tmp/never.jpg", Gdiplus::ImageFormatJPEG)));
  ASSERT_TRUE(image.Create(8, 4, 32));
  EXPECT_EQ(image.GetWidth(), 8);
  EXPECT_EQ(image.GetPixel(7, 3), RGB(0, 0, 0));
  auto* row1 = static_cast<unsigned char*>(image.GetBits()) + image.GetPitch();
  row1[0] = 0x30;  // blue
  row1[2] = 0x10;  // red
  EXPECT_EQ(image.GetPixel(0, 1), RGB(0x10, 0, 0x30));
  EXPECT_FALSE(image.Create(8, 4, 24));
}

}  // namespace
