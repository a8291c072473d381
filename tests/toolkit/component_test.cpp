#include <gtest/gtest.h>

#include <string>

#include "toolkit/core/collection.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/core/object_list.h"
#include "toolkit/core/shortcut.h"
#include "toolkit/graphics/color.h"
#include "toolkit/headless/headless_backend.h"

using namespace toolkit;

namespace {

class Watcher : public Component {
 public:
  Watcher(Component* owner, std::string& log) : Component(owner), log_(log) {}
  void Watch(Component* other) {
    watched_ = other;
    if (other) other->FreeNotification(this);
  }
  Component* watched_ = nullptr;

 protected:
  void Notification(Component* component, Operation operation) override {
    Component::Notification(component, operation);
    if (operation == Operation::Remove && component == watched_) {
      log_ += "gone:" + ToUtf8(Name()) + ";";
      watched_ = nullptr;
    }
  }

 private:
  std::string& log_;
};

TEST(ComponentTest, OwnerFreesItsComponentsAndWatchersHearOfIt) {
  std::string log;
  auto* owner = new Component(nullptr);
  auto* child = new Component(owner);
  child->SetName(u"Child");
  Watcher outside(nullptr, log);
  outside.SetName(u"Outside");
  outside.Watch(child);
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->FindComponent(u"child"), child);
  delete owner;
  EXPECT_EQ(log, "gone:Outside;");
  EXPECT_EQ(outside.watched_, nullptr);
}

TEST(ComponentTest, AWatcherThatGoesFirstIsForgotten) {
  std::string log;
  Component target(nullptr);
  {
    Watcher watcher(nullptr, log);
    watcher.Watch(&target);
  }
  // The target's destructor must not reach the freed watcher (ASan would tell).
  SUCCEED();
}

TEST(ComponentTest, NamesAreIdentifiersAndUniqueUnderAnOwner) {
  Component owner(nullptr);
  auto* a = new Component(&owner);
  auto* b = new Component(&owner);
  a->SetName(u"Button1");
  EXPECT_THROW(b->SetName(u"BUTTON1"), ComponentError);
  EXPECT_THROW(b->SetName(u"1abc"), ComponentError);
  EXPECT_THROW(b->SetName(u"a b"), ComponentError);
  b->SetName(u"_Two");
  a->SetName(u"button1");  // its own name in another case is fine
  try {
    b->SetName(u"Button1");
  } catch (const ComponentError& error) {
    EXPECT_STREQ(error.what(), "A component named Button1 already exists");
  }
}

TEST(ComponentTest, AssignWithoutSupportNamesBothClasses) {
  Component a(nullptr);
  Component b(nullptr);
  try {
    a.Assign(&b);
    FAIL();
  } catch (const ConvertError& error) {
    EXPECT_STREQ(error.what(), "Cannot assign a Component to a Component");
  }
}

class Item : public CollectionItem {
 public:
  explicit Item(Collection* owner) : CollectionItem(owner) {}
  void Assign(const Persistent* source) override {
    if (auto* other = dynamic_cast<const Item*>(source)) {
      value = other->value;
      return;
    }
    CollectionItem::Assign(source);
  }
  void SetValue(int v) {
    value = v;
    Changed(false);
  }
  int value = 0;
};

class ItemCollection : public Collection {
 public:
  ItemCollection() : Collection(nullptr, [](Collection* c) -> CollectionItem* { return new Item(c); }) {}
  Item* At(int i) const { return static_cast<Item*>(Items(i)); }
  std::string log;

 protected:
  void Update(CollectionItem* item) override { log += item ? "item;" : "all;"; }
};

TEST(CollectionTest, ItemsReportChangesAndMove) {
  ItemCollection items;
  auto* first = static_cast<Item*>(items.Add());
  auto* second = static_cast<Item*>(items.Add());
  EXPECT_EQ(items.log, "all;all;");
  items.log.clear();
  second->SetValue(7);
  EXPECT_EQ(items.log, "item;");
  second->SetIndex(0);
  EXPECT_EQ(items.At(0), second);
  EXPECT_EQ(first->Index(), 1);
  EXPECT_EQ(items.FindItemID(second->ID()), second);
  items.log.clear();
  items.BeginUpdate();
  items.Add();
  items.Delete(0);
  EXPECT_EQ(items.log, "");
  items.EndUpdate();
  EXPECT_EQ(items.log, "all;");
  EXPECT_THROW(items.Items(5), ListError);
  delete first;
  EXPECT_EQ(items.Count(), 1);
}

TEST(CollectionTest, AssignCopiesEveryItem) {
  ItemCollection source;
  static_cast<Item*>(source.Add())->value = 3;
  static_cast<Item*>(source.Add())->value = 4;
  ItemCollection copy;
  copy.Add();
  copy.Assign(&source);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.At(1)->value, 4);
}

TEST(ObjectListTest, NotifiesAndOwns) {
  struct Probe : Object {
    explicit Probe(int& n) : alive(n) { ++alive; }
    ~Probe() override { --alive; }
    int& alive;
  };
  struct Log {
    std::string text;
    void Note(Object*, Probe*, ListNotification action) {
      text += action == ListNotification::Added ? "+" : action == ListNotification::Deleted ? "-" : "x";
    }
  } log;
  int alive = 0;
  {
    ObjectList<Probe> list;
    list.OnNotify = Method<void(Object*, Probe*, ListNotification)>(&log, &Log::Note);
    list.Add(new Probe(alive));
    auto* kept = new Probe(alive);
    list.Add(kept);
    list.Insert(0, new Probe(alive));
    list.Delete(0);
    EXPECT_EQ(list.Extract(kept), kept);
    delete kept;
    EXPECT_THROW(list.Items(3), ListError);
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 0);
  EXPECT_EQ(log.text, "+++-x-");
}

TEST(ShortCutTest, PacksKeyAndModifiers) {
  EXPECT_EQ(MakeShortCut('C', ssCtrl), 0x4043);
  EXPECT_EQ(MakeShortCut(0x70, ssShift | ssAlt | ssCtrl), 0x70 | 0x2000 | 0x4000 | 0x8000);
  EXPECT_EQ(MakeShortCut('A', ssLeft | ssDouble), 'A');  // mouse bits are not packed
  std::uint16_t key = 0;
  ShiftState shift = 0;
  ShortCutToKey(0xC041, key, shift);
  EXPECT_EQ(key, 'A');
  EXPECT_EQ(shift, ssCtrl | ssAlt);
}

TEST(ShortCutTest, TextBothWays) {
  const struct {
    ShortCut value;
    const char16_t* text;
  } cases[] = {
      {MakeShortCut('C', ssCtrl), u"Ctrl+C"},
      {MakeShortCut(0x74, ssShift | ssCtrl), u"Shift+Ctrl+F5"},
      {MakeShortCut(0x2E, ssAlt), u"Alt+Del"},
      {MakeShortCut(0x0D, 0), u"Enter"},
      {MakeShortCut(0x62, ssCtrl), u"Ctrl+Num 2"},
      {MakeShortCut(0xBE, ssCtrl), u"Ctrl+."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShortCutToText(c.value), c.text);
    EXPECT_EQ(TextToShortCut(c.text), c.value);
  }
  EXPECT_EQ(ShortCutToText(0), u"");
  EXPECT_EQ(TextToShortCut(u"ctrl+shift+c"), MakeShortCut('C', ssCtrl | ssShift));
  EXPECT_EQ(TextToShortCut(u"Ctrl+Nothing"), 0);
}

TEST(ColorTest, TextNotationAndSystemColours) {
  headless::Install();
  EXPECT_EQ(ColorToString(clRed), u"clRed");
  EXPECT_EQ(ColorToString(clBtnFace), u"clBtnFace");
  EXPECT_EQ(ColorToString(Rgb(1, 2, 3)), u"$00030201");
  Color color = 0;
  ASSERT_TRUE(StringToColor(u"$00030201", color));
  EXPECT_EQ(color, Rgb(1, 2, 3));
  ASSERT_TRUE(StringToColor(u"clwindowtext", color));
  EXPECT_EQ(color, clWindowText);
  ASSERT_TRUE(StringToColor(u"-2147483633", color));
  EXPECT_EQ(color, clBtnFace);
  EXPECT_FALSE(StringToColor(u"$123456789", color));
  EXPECT_FALSE(StringToColor(u"red", color));
  EXPECT_EQ(ColorToRgb(clBtnFace), Rgb(240, 240, 240));
  EXPECT_EQ(ColorToRgb(clRed), clRed);
}

}  // namespace
