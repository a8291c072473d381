#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "headless_fixture.h"
#include "toolkit/controls/form.h"

using namespace toolkit;
using Step = toolkit::headless::HeadlessBackend::DragStep;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// A control that accepts drops carrying its format, copying unless Ctrl is
// held, and keeps what it was told.
class DropPad : public CustomControl, public DropTarget {
 public:
  DropPad(Component* owner, ClipboardFormat wanted) : CustomControl(owner), wanted_(wanted) {}
  std::string log;
  std::string received;

  void DragEnter(DataObject& data, std::uint32_t keys, Point screen, DropEffects& effect) override {
    accept_ = data.HasFormat(wanted_);
    log += "enter;";
    DragOver(keys, screen, effect);
  }
  void DragOver(std::uint32_t keys, Point screen, DropEffects& effect) override {
    const Point at = ScreenToClient(screen);
    log += "over" + std::to_string(at.x) + "," + std::to_string(at.y) + ";";
    effect = !accept_ ? de::None : (keys & mkControl) ? effect & de::Move : effect & de::Copy;
  }
  void DragLeave() override { log += "leave;"; }
  void Drop(DataObject& data, std::uint32_t keys, Point screen, DropEffects& effect) override {
    log += "drop;";
    DragOver(keys, screen, effect);
    std::vector<std::uint8_t> bytes;
    if (effect != de::None && data.GetData(wanted_, bytes)) received.assign(bytes.begin(), bytes.end());
  }

 private:
  ClipboardFormat wanted_;
  bool accept_ = false;
};

// Starts a drag of its text as soon as the mouse moves with the left button down.
class DragPad : public CustomControl {
 public:
  DragPad(Component* owner, ClipboardFormat format) : CustomControl(owner), format_(format) {}
  DropEffects result = de::None;
  int drags = 0;

 protected:
  void MouseMove(ShiftState shift, int, int) override {
    if (!(shift & ssLeft)) return;
    ++drags;
    DataObject data;
    data.SetData(format_, Bytes("node 7"));
    DropSource source;
    result = CurrentBackend().DoDragDrop(data, source, de::Copy | de::Move);
  }

 private:
  ClipboardFormat format_;
};

struct DragFixture : HeadlessTest {
  void SetUp() override {
    HeadlessTest::SetUp();
    format = backend->Clipboard().RegisterFormat(u"Qel Test Nodes");
    form = std::make_unique<Form>(nullptr);
    form->SetBounds(0, 0, 400, 200);
    source = new DragPad(form.get(), format);
    source->SetBounds(10, 10, 100, 100);
    source->SetParent(form.get());
    target = new DropPad(form.get(), format);
    target->SetBounds(200, 10, 100, 100);
    target->SetParent(form.get());
    form->Show();
    backend->PumpAll();
    ASSERT_TRUE(backend->RegisterDropTarget(target->Handle(), *target));
  }

  ClipboardFormat format = 0;
  std::unique_ptr<Form> form;
  DragPad* source = nullptr;
  DropPad* target = nullptr;
};

TEST_F(DragFixture, DragsACustomFormatFromOneControlToAnother) {
  backend->PlanDrag({{{50, 50}}, {{220, 30}}, {{230, 40}}, {{230, 40}, 0}});
  backend->MouseMove({20, 20}, mkLButton);
  EXPECT_EQ(source->result, de::Copy);
  EXPECT_EQ(target->received, "node 7");
  EXPECT_EQ(target->log, "enter;over20,20;over30,30;drop;over30,30;");
  EXPECT_EQ(backend->CursorShape(), cr::Default);
}

TEST_F(DragFixture, TheTargetsAnswerDecidesTheEffect) {
  // Ctrl held: the target moves.
  backend->PlanDrag({{{220, 30}, mkLButton | mkControl}, {{220, 30}, mkControl}});
  backend->MouseMove({20, 20}, mkLButton);
  EXPECT_EQ(source->result, de::Move);
  // A format the target does not take is never dropped.
  DataObject other;
  other.SetData(cfUnicodeText, Bytes("x\0"));
  target->log.clear();
  EXPECT_EQ(backend->DragFromOutside(other, {{{220, 30}}, {{220, 30}, 0}}, de::Copy), de::None);
  EXPECT_EQ(target->log, "enter;over20,20;leave;");
}

TEST_F(DragFixture, EscapeAPlanThatEndsOrAnUnregisteredWindowCancels) {
  struct Case {
    const char* name;
    std::vector<Step> steps;
    const char* log;
  };
  const Case cases[] = {
      {"escape", {{{220, 30}}, {{220, 30}, mkLButton, true}}, "enter;over20,20;leave;"},
      {"plan ends", {{{220, 30}}}, "enter;over20,20;leave;"},
      {"no plan", {}, ""},
      {"dropped beside", {{{220, 30}}, {{150, 30}}, {{150, 30}, 0}}, "enter;over20,20;leave;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    target->log.clear();
    target->received.clear();
    backend->PlanDrag(c.steps);
    backend->MouseMove({20, 20}, mkLButton);
    EXPECT_EQ(source->result, de::None);
    EXPECT_EQ(target->log, c.log);
    EXPECT_EQ(target->received, "");
  }
}

TEST_F(DragFixture, RegistrationFollowsTheWindow) {
  // A second registration of the same window is refused, as the platform does.
  EXPECT_FALSE(backend->RegisterDropTarget(target->Handle(), *target));
  EXPECT_EQ(backend->RegisteredDropTarget(target->Handle()), target);
  backend->RevokeDropTarget(target->Handle());
  EXPECT_EQ(backend->RegisteredDropTarget(target->Handle()), nullptr);
  ASSERT_TRUE(backend->RegisterDropTarget(target->Handle(), *target));
  const WindowHandle handle = target->Handle();
  delete target;
  target = nullptr;
  EXPECT_EQ(backend->RegisteredDropTarget(handle), nullptr);
  // A drag over where it was finds nothing to call.
  DataObject data;
  data.SetData(format, Bytes("n"));
  EXPECT_EQ(backend->DragFromOutside(data, {{{220, 30}}, {{220, 30}, 0}}, de::Copy), de::None);
}

// Renders its one format only when asked, counting the renderings.
class RenderedData : public DataObject {
 public:
  explicit RenderedData(ClipboardFormat format) : format_(format) { Offer(format); }
  ~RenderedData() override { ++*gone; }
  int renders = 0;
  int* gone = nullptr;

 protected:
  bool Render(ClipboardFormat format, std::vector<std::uint8_t>& data) override {
    ++renders;
    data = Bytes(format == format_ ? "rendered" : "");
    return true;
  }

 private:
  ClipboardFormat format_;
};

TEST_F(DragFixture, DataObjectsStoreOrRenderTheirFormats) {
  int gone = 0;
  auto data = std::make_shared<RenderedData>(format);
  data->gone = &gone;
  EXPECT_EQ(data->Formats(), std::vector<ClipboardFormat>{format});
  EXPECT_FALSE(data->SetData(0, Bytes("x")));
  EXPECT_TRUE(data->SetData(cfText, Bytes("text")));
  EXPECT_EQ(data->Formats(), (std::vector<ClipboardFormat>{format, cfText}));
  std::vector<std::uint8_t> bytes;
  EXPECT_FALSE(data->GetData(cfUnicodeText, bytes));
  // The clipboard keeps the object and asks it for bytes only when read.
  ASSERT_TRUE(backend->SetClipboardObject(data));
  EXPECT_EQ(data->renders, 0);
  EXPECT_EQ(backend->ClipboardObject(), data);
  ClipboardStore& store = backend->Clipboard();
  ASSERT_TRUE(store.Open());
  EXPECT_TRUE(store.HasFormat(format));
  ASSERT_TRUE(store.GetData(format, bytes));
  EXPECT_EQ(bytes, Bytes("rendered"));
  // Setting an object while the clipboard is open is refused.
  EXPECT_FALSE(backend->SetClipboardObject(nullptr));
  store.Close();
  // Flushing renders once more and lets the object go; the bytes stay.
  data.reset();
  EXPECT_EQ(gone, 0);
  backend->FlushClipboard();
  EXPECT_EQ(gone, 1);
  const std::shared_ptr<DataObject> copy = backend->ClipboardObject();
  ASSERT_TRUE(copy);
  ASSERT_TRUE(copy->GetData(cfText, bytes));
  EXPECT_EQ(bytes, Bytes("text"));
  ASSERT_TRUE(copy->GetData(format, bytes));
  EXPECT_EQ(bytes, Bytes("rendered"));
  // Emptying leaves nothing.
  ASSERT_TRUE(backend->SetClipboardObject(nullptr));
  EXPECT_TRUE(backend->ClipboardObject()->Formats().empty());
}

TEST(DropSourceTest, StandardSourceDropsWhenEveryButtonIsUp) {
  DropSource source;
  EXPECT_EQ(source.QueryContinueDrag(true, mkLButton), DragAction::Cancel);
  EXPECT_EQ(source.QueryContinueDrag(false, mkLButton), DragAction::Continue);
  EXPECT_EQ(source.QueryContinueDrag(false, mkMButton), DragAction::Continue);
  EXPECT_EQ(source.QueryContinueDrag(false, mkShift), DragAction::Drop);
}

}  // namespace
