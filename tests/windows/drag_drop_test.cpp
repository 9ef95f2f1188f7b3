#include "tests/windows/window_fixture.h"

#include <optional>

#include "platform/windows/drag_drop.h"

namespace {

// A target that records the calls and accepts copying (moving unless Ctrl is down).
class TRecordingTarget : public IDropTarget {
 public:
  std::vector<String> calls;
  String dropped;
  uint32_t lastKeys = 0;
  HRESULT entry = S_OK;
  HRESULT drop = S_OK;

  HRESULT DragEnter(IDataObject* data, uint32_t keys, TPoint, uint32_t& effect) override {
    calls.push_back("enter");
    Choose(data, keys, effect);
    return entry;
  }
  HRESULT DragOver(uint32_t keys, TPoint, uint32_t& effect) override {
    calls.push_back("over");
    effect = (keys & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    return S_OK;
  }
  HRESULT DragLeave() override {
    calls.push_back("leave");
    return S_OK;
  }
  HRESULT Drop(IDataObject* data, uint32_t keys, TPoint, uint32_t& effect) override {
    calls.push_back("drop");
    lastKeys = keys;
    TClipboardData bytes;
    DataObjectBytes(*data, CF_TEXT, bytes);
    dropped.assign(bytes.begin(), bytes.end());
    effect = DROPEFFECT_COPY;
    return drop;
  }

 private:
  void Choose(IDataObject* data, uint32_t keys, uint32_t& effect) {
    effect = DataObjectHasFormat(*data, CF_TEXT) ? ((keys & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE)
                                                 : DROPEFFECT_NONE;
  }
};

// A source that walks the pointer along a path, one point per question, then lets go (where
// it ended, or at `release`).
class TScriptedSource : public IDropSource {
 public:
  explicit TScriptedSource(std::vector<TPoint> path, bool cancel = false, std::optional<TPoint> release = {})
      : path_(std::move(path)), cancel_(cancel), release_(release.value_or(path_.empty() ? TPoint{} : path_.back())) {}
  std::vector<uint32_t> feedback;

  HRESULT QueryContinueDrag(bool escape, uint32_t keys) override {
    if (step_ < path_.size()) {
      InjectMouseMove(path_[step_++]);
      return S_OK;
    }
    if (cancel_) InjectKey(VK_ESCAPE, true);
    else InjectMouseButton(mbLeft, false, release_);
    return IDropSource::QueryContinueDrag(cancel_ || escape, cancel_ ? keys : CurrentMouseKeys());
  }
  HRESULT GiveFeedback(uint32_t effect) override {
    feedback.push_back(effect);
    return S_OK;
  }

 private:
  std::vector<TPoint> path_;
  size_t step_ = 0;
  bool cancel_;
  TPoint release_;
};

// A window with a drop target on its right half, text to drag, and the left button down.
class DragDrop : public WindowTest {
 protected:
  void Prepare() {
    HWND top = MakeTop(Bounds(0, 0, 300, 100));
    to_ = Make(top, Bounds(200, 0, 100, 100));
    RegisterDragDrop(to_, &target_);
    data_.SetData(CF_TEXT, {'x'});
    InjectMouseButton(mbLeft, true, {50, 50});
  }
  HWND to_ = nullptr;
  TRecordingTarget target_;
  TDataObject data_;
};

TEST_F(DragDrop, DragFromOneControlToAnother) {
  HWND top = MakeTop(Bounds(0, 0, 300, 100));
  HWND from = Make(top, Bounds(0, 0, 100, 100));
  HWND to = Make(top, Bounds(200, 0, 100, 100));
  HWND toChild = Make(to, Bounds(10, 10, 20, 20));
  TRecordingTarget target;
  ASSERT_TRUE(RegisterDragDrop(to, &target));
  EXPECT_EQ(DropTargetAt(toChild), &target) << "children drop on their parent's target";
  EXPECT_EQ(DropTargetAt(from), nullptr);

  TDataObject data;
  data.SetData(CF_TEXT, {'h', 'i'});
  InjectMouseButton(mbLeft, true, {50, 50});
  TScriptedSource source({{60, 50}, {210, 50}, {220, 50}});
  uint32_t effect = 0;
  EXPECT_EQ(DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
  EXPECT_EQ(effect, DROPEFFECT_COPY);
  EXPECT_EQ(target.calls, (std::vector<String>{"enter", "over", "drop"}));
  EXPECT_EQ(target.dropped, "hi");
  EXPECT_EQ(source.feedback, (std::vector<uint32_t>{DROPEFFECT_NONE, DROPEFFECT_MOVE, DROPEFFECT_MOVE}));
  Pump();
  EXPECT_TRUE(Logged(to, WM_MOUSEMOVE).empty()) << "the drag consumed the pointer's moves";
}

// The button goes up somewhere the loop never saw the pointer move to (the moves merged on a
// busy machine): the drop goes where it went up, to the target there or to none.
TEST_F(DragDrop, TheReleasePointDecidesTheDrop) {
  struct TCase {
    const char* name;
    std::vector<TPoint> path;
    TPoint release;
    HRESULT result;
    std::vector<String> calls;
  } cases[] = {{"released on the target, never moved there", {}, {220, 50}, DRAGDROP_S_DROP, {"enter", "drop"}},
               {"moved onto the target, released beside it", {{210, 50}}, {50, 50}, DRAGDROP_S_CANCEL, {"enter", "leave"}}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    target_.calls.clear();
    Prepare();
    TScriptedSource source(c.path, false, c.release);
    uint32_t effect = 0;
    EXPECT_EQ(DoDragDrop(&data_, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), c.result);
    EXPECT_EQ(target_.calls, c.calls);
  }
}

TEST_F(DragDrop, KeyStateDecidesTheEffectDuringTheDrag) {
  Prepare();
  InjectKey(VK_CONTROL, true);
  TScriptedSource source({{210, 50}, {220, 50}});
  uint32_t effect = 0;
  DoDragDrop(&data_, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
  EXPECT_EQ(source.feedback, (std::vector<uint32_t>{DROPEFFECT_COPY, DROPEFFECT_COPY}));
  EXPECT_NE(target_.lastKeys & MK_CONTROL, 0u);
  InjectKey(VK_CONTROL, false);
}

TEST_F(DragDrop, EscapeCancelsAndTheTargetIsLeft) {
  Prepare();
  TScriptedSource source({{210, 50}}, true);
  uint32_t effect = 7;
  EXPECT_EQ(DoDragDrop(&data_, &source, DROPEFFECT_COPY, effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  EXPECT_EQ(target_.calls, (std::vector<String>{"enter", "leave"}));
  InjectKey(VK_ESCAPE, false);
  InjectMouseButton(mbLeft, false, {210, 50});
}

TEST_F(DragDrop, DroppingWhereNothingAcceptsIsACancel) {
  HWND top = MakeTop(Bounds(0, 0, 300, 100));
  TRecordingTarget target;
  RegisterDragDrop(Make(top, Bounds(200, 0, 100, 100)), &target);
  TDataObject data;  // no text: the target refuses
  InjectMouseButton(mbLeft, true, {50, 50});
  TScriptedSource source({{210, 50}});
  uint32_t effect = 0;
  EXPECT_EQ(DoDragDrop(&data, &source, DROPEFFECT_COPY, effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(target.calls, (std::vector<String>{"enter", "leave"}));
}

TEST_F(DragDrop, DestroyedWindowsForgetTheirTarget) {
  HWND top = MakeTop(Bounds(0, 0, 300, 100));
  HWND to = Make(top, Bounds(200, 0, 100, 100));
  TRecordingTarget target;
  RegisterDragDrop(to, &target);
  EXPECT_FALSE(RegisterDragDrop(to, &target)) << "one target per window";
  DestroyWindow(to);
  EXPECT_FALSE(RevokeDragDrop(to));
}

// A source that, once the pointer is over the target, frees the target's window and target.
class TFreeingSource : public TScriptedSource {
 public:
  TFreeingSource(std::vector<TPoint> path, HWND window, TRecordingTarget*& target)
      : TScriptedSource(std::move(path)), window_(window), target_(target) {}
  HRESULT QueryContinueDrag(bool escape, uint32_t keys) override {
    if (++questions_ == 2) {
      DestroyWindow(window_);
      delete target_;
      target_ = nullptr;
    }
    return TScriptedSource::QueryContinueDrag(escape, keys);
  }

 private:
  HWND window_;
  TRecordingTarget*& target_;
  int questions_ = 0;
};

TEST_F(DragDrop, ATargetFreedDuringTheDragIsNotToldAnyMore) {
  HWND top = MakeTop(Bounds(0, 0, 300, 100));
  HWND to = Make(top, Bounds(200, 0, 100, 100));
  auto* target = new TRecordingTarget;
  RegisterDragDrop(to, target);
  TDataObject data;
  data.SetData(CF_TEXT, {'x'});
  InjectMouseButton(mbLeft, true, {50, 50});
  TFreeingSource source({{250, 50}, {240, 50}, {50, 50}}, to, target);
  uint32_t effect = 0;
  EXPECT_EQ(DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(target, nullptr);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
}

TEST_F(DragDrop, ATargetThatRefusesTheEntryIsToldNothingMore) {
  Prepare();
  target_.entry = E_ABORT;
  TScriptedSource source({{210, 50}, {220, 50}, {230, 50}});
  uint32_t effect = 0;
  EXPECT_EQ(DoDragDrop(&data_, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(target_.calls, std::vector<String>{"enter"});
  EXPECT_EQ(source.feedback, (std::vector<uint32_t>{DROPEFFECT_NONE, DROPEFFECT_NONE, DROPEFFECT_NONE}));
}

TEST_F(DragDrop, AFailedDropPerformsNothing) {
  Prepare();
  target_.drop = E_FAIL;
  TScriptedSource source({{210, 50}, {220, 50}});
  uint32_t effect = 0;
  EXPECT_EQ(DoDragDrop(&data_, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(effect, DROPEFFECT_NONE) << "whatever effect the failing target wrote";
  EXPECT_EQ(target_.calls.back(), "drop");
}

}  // namespace
