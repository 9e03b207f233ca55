#include "platform/base/Array.h"
#include "platform/base/Map.h"

#include <gtest/gtest.h>

TEST(CArrayTest, GrowsByTheSetStep) {
  CArray<int, int> a;
  a.SetSize(1024, 10);
  EXPECT_EQ(a.GetSize(), 1024);
  EXPECT_EQ(a.AllocatedSize(), 1024u);
  EXPECT_EQ(a[1023], 0);
  EXPECT_EQ(a.Add(5), 1024);
  EXPECT_EQ(a.AllocatedSize(), 1034u);
  a.RemoveAll();
  EXPECT_EQ(a.GetSize(), 0);
  EXPECT_EQ(a.AllocatedSize(), 0u);
  EXPECT_EQ(a.Add(7), 0);
  EXPECT_EQ(a.AllocatedSize(), 10u);  // the step survives RemoveAll
  for (int i = 1; i < 11; ++i) a.Add(i);
  EXPECT_EQ(a.AllocatedSize(), 20u);
  EXPECT_EQ(a[0], 7);
  EXPECT_EQ(a[10], 10);
}

TEST(CArrayTest, DefaultStepDependsOnSize) {
  CArray<int, int> a;
  a.Add(1);
  EXPECT_EQ(a.AllocatedSize(), 1u);
  a.Add(2);
  EXPECT_EQ(a.AllocatedSize(), 5u);  // grows by at least 4
}

TEST(CArrayTest, AddOfOwnElementSurvivesReallocation) {
  CArray<CString, const CString&> a;
  a.Add(CString(L"first"));
  for (int i = 0; i < 50; ++i) a.Add(a[0]);
  EXPECT_EQ(a[50], L"first");
}

TEST(CArrayTest, InsertRemoveAndBounds) {
  CStringArray a;
  a.Add(L"b");
  a.InsertAt(0, L"a");
  a.InsertAt(2, L"c");
  a.InsertAt(5, L"f");
  ASSERT_EQ(a.GetSize(), 6);
  EXPECT_EQ(a[0], L"a");
  EXPECT_EQ(a[2], L"c");
  EXPECT_EQ(a[3], L"");
  a.RemoveAt(3, 2);
  EXPECT_EQ(a.GetSize(), 4);
  EXPECT_EQ(a[3], L"f");
  EXPECT_THROW(a.GetAt(4), std::invalid_argument);
  EXPECT_THROW(a.GetAt(-1), std::invalid_argument);
  EXPECT_THROW(a.RemoveAt(3, 2), std::invalid_argument);
}

TEST(CMapTest, WideStringKeysCompareByContent) {
  CMap<LPCWSTR, LPCWSTR, CString, LPCWSTR> m;
  m.InitHashTable(97);
  {
    std::wstring key = L"PLAYERDLG_PLAY";
    m.SetAt(key.c_str(), L"Play");
  }  // the key's storage is gone; the map kept its own copy
  std::wstring probe = L"PLAYERDLG_PLAY";
  CString value;
  EXPECT_TRUE(m.Lookup(probe.c_str(), value));
  EXPECT_EQ(value, L"Play");
  EXPECT_FALSE(m.Lookup(L"PLAYERDLG_STOP", value));
  m[L"PLAYERDLG_STOP"] = L"Stop";
  EXPECT_EQ(m.GetCount(), 2);
  int seen = 0;
  CString k, v;
  for (POSITION pos = m.GetStartPosition(); pos;) {
    m.GetNextAssoc(pos, k, v);
    ++seen;
  }
  EXPECT_EQ(seen, 2);
  EXPECT_TRUE(m.RemoveKey(L"PLAYERDLG_PLAY"));
  EXPECT_FALSE(m.RemoveKey(L"PLAYERDLG_PLAY"));
}
