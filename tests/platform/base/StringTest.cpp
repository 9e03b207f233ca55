#include "platform/base/String.h"

#include <gtest/gtest.h>

TEST(CStringTest, FormatTakesWideStringsForPercentS) {
  CString s;
  s.Format(L"%s_IMG_C%s_%s.jpg", L"20240131", L"1", L"0815");
  EXPECT_EQ(s, L"20240131_IMG_C1_0815.jpg");
  s.Format(L"%S|%c|%C|%05.1f|%d%%", "narrow", L'w', 'n', 3.14159, -7);
  EXPECT_EQ(s, L"narrow|w|n|003.1|-7%");
  s.Format(L"%lf,%lf", 127.25, 37.5);
  EXPECT_EQ(s, L"127.250000,37.500000");
  s.Format(L"%I64d %d.%03d", static_cast<long long>(1) << 40, 2, 7);
  EXPECT_EQ(s, L"1099511627776 2.007");
  s.AppendFormat(L"+%s", L"한국어");
  EXPECT_EQ(s, L"1099511627776 2.007+한국어");
}

TEST(CStringTest, FormatGrowsBeyondItsFirstBuffer) {
  CString big(L'x', 5000), s;
  s.Format(L"[%s]", static_cast<const wchar_t*>(big));
  EXPECT_EQ(s.GetLength(), 5002);
}

TEST(CStringTest, Utf8RoundTripAndInvalidBytes) {
  const char* text = "Driving/한국어_ЖЁ_日本.AVI";
  CString s(text);
  EXPECT_EQ(s.ToUtf8(), text);
  EXPECT_EQ(CString("a\xff"
                    "b")
                .str(),
            std::wstring(L"a\xFFFD"
                         L"b"));
  EXPECT_EQ(CString("\xe2\x82").str(), std::wstring(L"\xFFFD"));        // cut sequence
  EXPECT_EQ(CString("\xc0\xaf").str(), std::wstring(L"\xFFFD\xFFFD"));  // overlong
}

TEST(FileSystemNameTest, EveryByteStringMapsBackToItself) {
  const unsigned char alphabet[] = {'a',  0x80, 0xA9, 0xBF, 0xC0, 0xC3, 0xE0, 0xE9, 0xED,
                                    0xB2, 0xEF, 0xBD, 0xF0, 0x90, 0xF4, 0xF5, 0xFF};
  const size_t n = sizeof alphabet;
  for (size_t code = 0; code < n * n * n * n; ++code) {
    std::string bytes;
    for (size_t c = code; bytes.size() < 4; c /= n) bytes += static_cast<char>(alphabet[c % n]);
    ASSERT_EQ(WideToFileSystem(FileSystemToWide(bytes)), bytes) << code;
  }
}

TEST(FileSystemNameTest, TextDecodesAsTextAndOtherBytesAsTheirOwnCodePoints) {
  EXPECT_EQ(FileSystemToWide("Driving/caf\xC3\xA9_한국어.AVI"), L"Driving/caf\x00E9_한국어.AVI");
  EXPECT_EQ(FileSystemToWide("caf\xE9.AVI"), L"caf\xDCE9.AVI");
  EXPECT_EQ(FileSystemToWide("\xE9t\xE9"), L"\xDCE9t\xDCE9");
  EXPECT_EQ(FileSystemToWide("\xE2\x82"), L"\xDCE2\xDC82");  // a cut sequence, byte by byte
  // UTF-8 of a lone surrogate is not text: a real character in the reserved range can
  // never come from a name.
  EXPECT_EQ(FileSystemToWide("\xED\xB3\xA9"), L"\xDCED\xDCB3\xDCA9");
  EXPECT_EQ(FileSystemToWide("\xEF\xBF\xBD"), L"\xFFFD");  // a replacement character named as such
  EXPECT_EQ(WideToFileSystem(L"\xFFFD"), "\xEF\xBF\xBD");
  EXPECT_EQ(WideToFileSystem(L"caf\x00E9"), "caf\xC3\xA9");
}

TEST(FileSystemNameTest, OnScreenAByteThatIsNotTextShowsAsAReplacementCharacter) {
  const std::wstring name = FileSystemToWide("20240131_1015\xE9"
                                             "0_EVT_C2.AVI");
  EXPECT_EQ(name.size(), 26u);  // one code point per byte: the name's fields stay in place
  EXPECT_TRUE(IsRawByteCodePoint(name[13]));
  EXPECT_EQ(WideToUtf8(name), "20240131_1015\xEF\xBF\xBD"
                              "0_EVT_C2.AVI");
  EXPECT_EQ(CString(name).ToUtf8(), WideToUtf8(name));
  CString parameters;
  parameters.Format(L"-i \"%s\"", name.c_str());
  EXPECT_EQ(WideToFileSystem(parameters.str()), "-i \"20240131_1015\xE9"
                                                "0_EVT_C2.AVI\"");
}

TEST(CStringTest, SubstringsClampToTheString) {
  CString s(L"20240131_101500_NOR2.AVI");
  EXPECT_EQ(s.Left(8), L"20240131");
  EXPECT_EQ(s.Right(4), L".AVI");
  EXPECT_EQ(s.Mid(16, 3), L"NOR");
  EXPECT_EQ(s.Left(100), s);
  EXPECT_EQ(s.Left(-1), L"");
  EXPECT_EQ(s.Mid(30), L"");
  EXPECT_EQ(s.Right(-3), L"");
  EXPECT_EQ(s.Find(L'_'), 8);
  EXPECT_EQ(s.Find(L'_', 9), 15);
  EXPECT_EQ(s.Find(L"NOR"), 16);
  EXPECT_EQ(s.Find(L"XYZ"), -1);
  EXPECT_EQ(s.ReverseFind(L'.'), 20);
  EXPECT_EQ(s.FindOneOf(L"._"), 8);
}

TEST(CStringTest, CaseAndComparison) {
  CString s(L"Event/File.avi");
  EXPECT_EQ(s.Right(4).CompareNoCase(L".AVI"), 0);
  EXPECT_LT(CString(L"abc").CompareNoCase(L"ABD"), 0);
  EXPECT_GT(CString(L"abcd").CompareNoCase(L"ABC"), 0);
  EXPECT_EQ(CString(s).MakeUpper(), L"EVENT/FILE.AVI");
  EXPECT_EQ(CString(s).MakeLower(), L"event/file.avi");
  EXPECT_LT(CString(L"20240101").Compare(L"20240102"), 0);
}

TEST(CStringTest, EditingOperations) {
  CString list(L"a.exe;;;b.exe;;");
  EXPECT_EQ(list.Replace(L";;", L";"), 2);  // one pass over non-overlapping occurrences
  EXPECT_EQ(list, L"a.exe;;b.exe;");
  CString path(L"C\\card\\Driving");
  EXPECT_EQ(path.Replace(L'\\', L'/'), 2);
  EXPECT_EQ(path, L"C/card/Driving");
  CString t(L"  \t padded \n");
  EXPECT_EQ(CString(t).Trim(), L"padded");
  EXPECT_EQ(CString(t).TrimLeft(), L"padded \n");
  EXPECT_EQ(CString(L"xxhixx").Trim(L'x'), L"hi");
  CString d(L"abcdef");
  d.Delete(1, 2);
  EXPECT_EQ(d, L"adef");
  d.Delete(3, 100);
  EXPECT_EQ(d, L"ade");
  d.Insert(1, L"XY");
  EXPECT_EQ(d, L"aXYde");
  EXPECT_EQ(d.Remove(L'X'), 1);
}

TEST(CStringTest, BufferAccess) {
  CString s;
  wchar_t* buf = s.GetBuffer(260);
  wcscpy(buf, L"/usr/bin/rodemir");
  s.ReleaseBuffer();
  EXPECT_EQ(s, L"/usr/bin/rodemir");
  EXPECT_EQ(s.GetLength(), 16);
  s.GetBuffer(4);
  s.ReleaseBuffer(4);
  EXPECT_EQ(s, L"/usr");
}
