// The decoder check's classes are answered from the installed elements; a class that a test
// replaced is answered by making it.
#include <gtest/gtest.h>

#include "platform/media/FilterElements.h"
#include "platform/media/MediaInterfaces.h"

namespace {

class FilterElementsTest : public ::testing::Test {
protected:
  ~FilterElementsTest() override { platform::RestoreAllMediaClasses(); }
};

TEST_F(FilterElementsTest, InstalledClassesCountAndNothingIsMissing) {
  for (const CLSID* clsid : {&CLSID_VideoDecoder, &CLSID_AacDecoder, &CLSID_BrightnessFilter, &CLSID_AviSplitter})
    EXPECT_TRUE(platform::IsMediaClassAvailable(*clsid));
  EXPECT_TRUE(platform::MissingFilterElements().empty());
  EXPECT_FALSE(platform::IsMediaClassAvailable(CLSID_FilterGraph)) << "a graph is no filter";
}

TEST_F(FilterElementsTest, AReplacedClassIsAskedThroughItsFactory) {
  int made = 0;
  platform::RegisterMediaClass(CLSID_VideoDecoder, [&made]() -> IUnknown* {
    ++made;
    return nullptr;
  });
  EXPECT_FALSE(platform::IsMediaClassAvailable(CLSID_VideoDecoder));
  EXPECT_EQ(made, 1);
  platform::RegisterMediaClass(CLSID_BrightnessFilter, nullptr);
  EXPECT_FALSE(platform::IsMediaClassAvailable(CLSID_BrightnessFilter));
  platform::RestoreMediaClass(CLSID_VideoDecoder);
  EXPECT_TRUE(platform::IsMediaClassAvailable(CLSID_VideoDecoder));
}

}  // namespace
