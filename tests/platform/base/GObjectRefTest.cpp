#include "platform/base/detail/GObjectRef.h"

#include <gtest/gtest.h>

namespace platform::detail {
namespace {

using ObjectRef = GObjectRef<GObject>;

// Makes plain GObjects and counts how many of them were finalised.
class Tracked {
public:
  GObject* Make(GType type = G_TYPE_OBJECT) {
    auto* object = G_OBJECT(g_object_new(type, nullptr));
    g_object_weak_ref(object, OnFinalised, this);
    return object;
  }
  int finalised = 0;

private:
  static void OnFinalised(gpointer self, GObject*) { ++static_cast<Tracked*>(self)->finalised; }
};

int References(GObject* object) { return static_cast<int>(object->ref_count); }

TEST(GObjectRefTest, AdoptAndShareEachDropTheirOwnReferenceOnce) {
  Tracked tracked;
  GObject* object = tracked.Make();
  {
    ObjectRef adopted = ObjectRef::Adopt(object);
    EXPECT_EQ(References(object), 1);
    {
      ObjectRef shared = ObjectRef::Share(object);
      EXPECT_EQ(References(object), 2);
    }
    EXPECT_EQ(References(object), 1);
    EXPECT_EQ(tracked.finalised, 0);
  }
  EXPECT_EQ(tracked.finalised, 1);
  EXPECT_FALSE(ObjectRef::Share(nullptr));
}

TEST(GObjectRefTest, CopiesHoldAReferenceEach) {
  Tracked tracked;
  {
    ObjectRef first = ObjectRef::Adopt(tracked.Make());
    ObjectRef copy(first);
    ObjectRef assigned;
    assigned = copy;
    EXPECT_EQ(References(first.get()), 3);
    EXPECT_EQ(assigned.get(), first.get());
  }
  EXPECT_EQ(tracked.finalised, 1);
}

TEST(GObjectRefTest, MovesHandTheReferenceOnWithoutReleasingIt) {
  Tracked tracked;
  ObjectRef source = ObjectRef::Adopt(tracked.Make());
  ObjectRef moved(std::move(source));
  EXPECT_FALSE(source);
  EXPECT_EQ(References(moved.get()), 1);

  ObjectRef other = ObjectRef::Adopt(tracked.Make());
  other = std::move(moved);  // the object `other` held goes, once
  EXPECT_EQ(tracked.finalised, 1);
  EXPECT_FALSE(moved);
  EXPECT_EQ(References(other.get()), 1);
  other = ObjectRef();
  EXPECT_EQ(tracked.finalised, 2);
}

TEST(GObjectRefTest, SelfMoveAndSelfCopyKeepTheOneReference) {
  Tracked tracked;
  ObjectRef ref = ObjectRef::Adopt(tracked.Make());
  ObjectRef& alias = ref;
  ref = std::move(alias);
  ASSERT_TRUE(ref);
  EXPECT_EQ(References(ref.get()), 1);
  ref = alias;
  EXPECT_EQ(References(ref.get()), 1);
  ref.Reset();
  EXPECT_EQ(tracked.finalised, 1);
}

TEST(GObjectRefTest, ResetReleasesOnceAndAgainDoesNothing) {
  Tracked tracked;
  ObjectRef ref = ObjectRef::Adopt(tracked.Make());
  ref.Reset();
  EXPECT_FALSE(ref);
  EXPECT_EQ(tracked.finalised, 1);
  ref.Reset();
  EXPECT_EQ(tracked.finalised, 1);
}

TEST(GObjectRefTest, ReleaseHandsTheReferenceToTheCaller) {
  Tracked tracked;
  GObject* object = nullptr;
  {
    ObjectRef ref = ObjectRef::Adopt(tracked.Make());
    object = ref.Detach();
    EXPECT_FALSE(ref);
  }
  EXPECT_EQ(tracked.finalised, 0);
  EXPECT_EQ(References(object), 1);
  ObjectRef::Adopt(object);
  EXPECT_EQ(tracked.finalised, 1);
}

TEST(GObjectRefTest, SinkFloatingTakesOverAFloatingReference) {
  Tracked tracked;
  {
    ObjectRef ref = ObjectRef::SinkFloating(tracked.Make(G_TYPE_INITIALLY_UNOWNED));
    EXPECT_FALSE(g_object_is_floating(ref.get()));
    EXPECT_EQ(References(ref.get()), 1);
  }
  EXPECT_EQ(tracked.finalised, 1);
}

}  // namespace
}  // namespace platform::detail
