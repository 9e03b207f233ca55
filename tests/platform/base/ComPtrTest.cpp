// The counted-object owner: what each way of taking a pointer does to the count, and that
// every owner gives back exactly what it holds.
#include <gtest/gtest.h>

#include <utility>

#include "platform/base/ComPtr.h"

namespace {

using platform::ComPtr;

struct Counted {
  int refs = 1;
  int releases = 0;
  void AddRef() { ++refs; }
  void Release() {
    --refs;
    ++releases;
  }
};

// Hands out a new reference, as a creation or a query does.
void HandOut(Counted* object, Counted** out) {
  object->AddRef();
  *out = object;
}

TEST(ComPtrTest, AdoptTakesTheReferenceOverAndShareAddsOne) {
  Counted object;
  {
    ComPtr<Counted> adopted = ComPtr<Counted>::Adopt(&object);
    EXPECT_EQ(object.refs, 1);
    ComPtr<Counted> shared = ComPtr<Counted>::Share(&object);
    EXPECT_EQ(object.refs, 2);
    EXPECT_EQ(shared.get(), &object);
  }
  EXPECT_EQ(object.refs, 0);  // both owners gave their reference back
  EXPECT_EQ(object.releases, 2);
  EXPECT_FALSE(ComPtr<Counted>::Share(nullptr));
}

TEST(ComPtrTest, CopiesAddAReferenceAndMovesAndSwapsDoNot) {
  Counted a, b;
  ComPtr<Counted> first = ComPtr<Counted>::Adopt(&a);
  ComPtr<Counted> copy = first;
  EXPECT_EQ(a.refs, 2);
  ComPtr<Counted> moved = std::move(copy);
  EXPECT_FALSE(copy);
  EXPECT_EQ(a.refs, 2);
  ComPtr<Counted> other = ComPtr<Counted>::Adopt(&b);
  other = moved;  // b goes, a gains the copy's reference
  EXPECT_EQ(b.refs, 0);
  EXPECT_EQ(a.refs, 3);
  other = other;
  EXPECT_EQ(a.refs, 3);
  first.Reset();
  moved.Reset();
  other = nullptr;
  EXPECT_EQ(a.refs, 0);
}

TEST(ComPtrTest, ReceiveReleasesWhatWasHeldAndDetachGivesTheReferenceAway) {
  Counted old, fresh;
  ComPtr<Counted> owner = ComPtr<Counted>::Adopt(&old);
  HandOut(&fresh, owner.Receive());
  EXPECT_EQ(old.refs, 0);
  EXPECT_EQ(fresh.refs, 2);
  Counted* given = owner.Detach();
  EXPECT_EQ(given, &fresh);
  EXPECT_FALSE(owner);
  EXPECT_EQ(fresh.refs, 2);
  EXPECT_EQ(fresh.releases, 0);
  given->Release();
  void** slot = owner.ReceiveVoid();
  EXPECT_EQ(*slot, nullptr);
}

}  // namespace
