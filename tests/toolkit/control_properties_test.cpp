// What a control takes from its parent (font, colour, bidi mode), its menu
// on a context-menu request, its alignment and the tab order.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "toolkit/controls/custom_control.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/popup_menu.h"

using namespace toolkit;

namespace {

class Box : public CustomControl {
 public:
  explicit Box(Component* owner, int left = 0) : CustomControl(owner) {
    SetBounds(left, 0, 40, 40);
    TabStop = true;
  }
};

struct PropertyFixture : HeadlessTest {
  void SetUp() override {
    HeadlessTest::SetUp();
    form = std::make_unique<Form>(nullptr);
    form->SetBounds(100, 100, 400, 300);
    panel = new Box(form.get());
    panel->SetBounds(10, 10, 300, 200);
    panel->SetParent(form.get());
    child = new Box(form.get());
    child->SetParent(panel);
    form->Show();
  }
  std::unique_ptr<Form> form;
  Box* panel = nullptr;
  Box* child = nullptr;
};

TEST_F(PropertyFixture, FontAndColourFollowTheParentUntilSetExplicitly) {
  panel->GetFont().SetName(u"Courier New");
  panel->SetColor(clYellow);
  EXPECT_FALSE(panel->ParentFont());
  EXPECT_FALSE(panel->ParentColor());
  EXPECT_EQ(child->GetFont().Name(), u"Courier New");
  EXPECT_EQ(child->GetColor(), clYellow);
  EXPECT_TRUE(child->ParentFont());
  EXPECT_TRUE(child->ParentColor());

  child->GetFont().SetName(u"Arial");
  child->SetColor(clRed);
  panel->GetFont().SetName(u"Tahoma");
  panel->SetColor(clLime);
  EXPECT_EQ(child->GetFont().Name(), u"Arial");
  EXPECT_EQ(child->GetColor(), clRed);

  // Following again takes the parent's at once; a new parent gives its own.
  child->SetParentFont(true);
  child->SetParentColor(true);
  EXPECT_EQ(child->GetFont().Name(), u"Tahoma");
  EXPECT_EQ(child->GetColor(), clLime);
  form->SetColor(clAqua);
  child->SetParent(form.get());
  EXPECT_EQ(child->GetColor(), clAqua);
}

TEST_F(PropertyFixture, BiDiModeFollowsTheParentAndDecidesTheSides) {
  panel->SetBiDiMode(BiDiMode::RightToLeft);
  EXPECT_EQ(child->GetBiDiMode(), BiDiMode::RightToLeft);
  EXPECT_TRUE(child->ParentBiDiMode());
  struct Case {
    BiDiMode mode;
    bool alignment, reading, scrollBar;
  };
  const Case cases[] = {
      {BiDiMode::LeftToRight, false, false, false},
      {BiDiMode::RightToLeft, true, true, true},
      {BiDiMode::RightToLeftNoAlign, false, true, true},
      {BiDiMode::RightToLeftReadingOnly, false, true, false},
  };
  for (const Case& c : cases) {
    child->SetBiDiMode(c.mode);
    EXPECT_EQ(child->UseRightToLeftAlignment(), c.alignment);
    EXPECT_EQ(child->UseRightToLeftReading(), c.reading);
    EXPECT_EQ(child->UseRightToLeftScrollBar(), c.scrollBar);
  }
  EXPECT_FALSE(child->ParentBiDiMode());
  panel->SetBiDiMode(BiDiMode::LeftToRight);
  EXPECT_EQ(child->GetBiDiMode(), BiDiMode::RightToLeftReadingOnly);
  child->SetAlign(Align::Client);
  EXPECT_EQ(child->GetAlign(), Align::Client);
}

TEST_F(PropertyFixture, AContextMenuRequestPopsUpTheControlsMenu) {
  auto* menu = new PopupMenu(form.get());
  int popups = 0;
  struct Counter : Object {
    int* count;
    void Popped(Object*) { ++*count; }
  } counter;
  counter.count = &popups;
  menu->OnPopup = NotifyEvent(&counter, &Counter::Popped);
  panel->SetPopupMenu(menu);
  EXPECT_EQ(panel->Perform(msg::ContextMenu, panel->Handle(), PackPoint(150, 160)), 1);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(menu->PopupPoint(), (Point{150, 160}));
  EXPECT_EQ(menu->PopupComponent(), panel);
  // From the keyboard the menu opens at the control's corner.
  panel->Perform(msg::ContextMenu, panel->Handle(), -1);
  EXPECT_EQ(menu->PopupPoint(), panel->ClientToScreen({0, 0}));
  // Without AutoPopup, or when OnContextPopup handles it, no menu shows.
  menu->AutoPopup = false;
  EXPECT_EQ(panel->Perform(msg::ContextMenu, panel->Handle(), PackPoint(1, 1)), 0);
  EXPECT_EQ(popups, 2);
  delete menu;
  EXPECT_EQ(panel->GetPopupMenu(), nullptr);
}

TEST_F(PropertyFixture, TheTabOrderDecidesWhereTheFocusGoesNext) {
  Box* a = new Box(form.get(), 40);
  Box* b = new Box(form.get(), 80);
  a->SetParent(form.get());
  b->SetParent(form.get());
  EXPECT_EQ(panel->TabOrder(), 0);
  EXPECT_EQ(b->TabOrder(), 2);
  b->SetTabOrder(0);
  EXPECT_EQ(b->TabOrder(), 0);
  EXPECT_EQ(panel->TabOrder(), 1);
  a->SetTabOrder(99);  // beyond the end: last
  EXPECT_EQ(a->TabOrder(), 2);

  std::vector<WinControl*> list;
  form->GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<WinControl*>{b, panel, child, a}));
  EXPECT_EQ(form->FindNextControl(b, true, true, false), panel);
  a->TabStop = false;
  EXPECT_EQ(form->FindNextControl(child, true, true, false), b);  // round, past a
  EXPECT_EQ(form->FindNextControl(b, false, true, false), child);
  EXPECT_EQ(form->FindNextControl(nullptr, true, true, true), b);
  child->SetEnabled(false);
  EXPECT_EQ(form->FindNextControl(panel, true, true, false), b);
  EXPECT_TRUE(form->SelectNext(b, true, true));
  EXPECT_TRUE(panel->Focused());
  EXPECT_EQ(child->TabOrder(), 0);
}

}  // namespace
