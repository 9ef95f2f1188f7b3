#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "tests/sidebar/drag_fixture.h"

// Buttons dragged from one bar to another of the same program, and bars that go away while a
// drag runs over them or from them.

namespace {

class DragBetweenBars : public DragTest {
 protected:
  void SetUp() override {
    DragTest::SetUp();
    other_ = new TnbSideBar(form_);
    other_->SetParent(form_);
    other_->SetAlign(alNone);
    other_->SetBoundsRect(Bounds(200, 0, 200, 360));
    other_->SetViewStyle(vsExplorerBar);
    here_ = other_->Headers()->Add();
    for (int i = 1; i <= 2; ++i) here_->Buttons()->Add()->SetCaption("Here " + std::to_string(i));
    Paint(other_);
    // As an application takes a button of another bar: it copies the button the data names.
    other_->OnDragDrop.Bind(form_, "Dropped", [this](TnbSideBar* sender, TObject* source, IDataObject* data,
                                                      const std::vector<uint32_t>&, TShiftState, TPoint, uint32_t&,
                                                      TnbDropMode) {
      sources_.push_back(source);
      auto* from = dynamic_cast<TnbSideBar*>(source);
      TClipboardData block;
      if (from == nullptr || data == nullptr ||
          !DataObjectBytes(*data, TnbDragDropManager::ResourceFormat(), block))
        return;
      TnbButton* original = from->Header(block[20])->GetButton(block[24]);
      TnbButton* target = sender->DropTarget();
      here_->Buttons()->Insert(target ? target->Index() + 1 : here_->ButtonCount())->Assign(original);
    });
  }
  // The screen point below the middle of button `index` of the other bar.
  TPoint OnOther(int index) { return other_->ClientToScreen(Below(here_->GetButton(index)->Rects().Button)); }

  TnbSideBar* other_ = nullptr;
  TnbHeader* here_ = nullptr;
  std::vector<TObject*> sources_;
};

}  // namespace

TEST_F(DragBetweenBars, APlainDragCopiesWithTheMarkOnTheOtherBar) {
  const TColor mark = static_cast<TColor>(0x0000FF00);
  other_->SetDropMarkColor(mark);
  TnbButton* first = here_->GetButton(0);
  std::vector<TnbButton*> targets;
  TColor under = clNone;
  DragAlong(bar_, Centre(a_->GetButton(1)->Rects().Button), {OnOther(0), OnOther(0)}, 0, [&](size_t) {
    targets.push_back(other_->DropTarget());
    auto picture = Paint(other_);
    const TRect r = first->Rects().Button;
    under = At(*picture, (r.Left + r.Right) / 2, r.Bottom + 1);
  });
  EXPECT_EQ(targets, (std::vector<TnbButton*>{nullptr, first})) << "entered, then over the first button";
  EXPECT_EQ(under, mark);
  EXPECT_EQ(bar_->DropTarget(), nullptr) << "the source bar shows no mark of its own";
  EXPECT_EQ(sources_, std::vector<TObject*>{bar_}) << "a bar of this program is the source";
  EXPECT_EQ(Captions(here_), (std::vector<String>{"Here 1", "A 2", "Here 2"}));
  EXPECT_EQ(Captions(a_), (std::vector<String>{"A 1", "A 2", "A 3"})) << "copied, not moved";
  EXPECT_EQ(other_->DropTarget(), nullptr);
}

TEST_F(DragBetweenBars, ShiftMovesTheButtonOutOfTheSourceBar) {
  DragAlong(bar_, Centre(a_->GetButton(0)->Rects().Button), {OnOther(1), OnOther(1)}, MK_SHIFT);
  EXPECT_EQ(Captions(here_), (std::vector<String>{"Here 1", "Here 2", "A 1"}));
  EXPECT_EQ(Captions(a_), (std::vector<String>{"A 2", "A 3"}));
}

TEST_F(DragBetweenBars, ABarFreedUnderTheDragIsNotToldAnyMore) {
  int freedAt = -1;
  DragAlong(bar_, Centre(a_->GetButton(0)->Rects().Button), {OnOther(0), OnOther(0), OnOther(0)}, MK_SHIFT,
            [&](size_t i) {
              if (i != 1) return;
              EXPECT_EQ(other_->DropTarget(), here_->GetButton(0));
              delete other_;
              other_ = nullptr;
              freedAt = static_cast<int>(i);
            });
  EXPECT_EQ(freedAt, 1);
  EXPECT_EQ(script_->effect, DROPEFFECT_NONE);
  EXPECT_EQ(script_->result, DRAGDROP_S_CANCEL);
  EXPECT_EQ(Captions(a_), (std::vector<String>{"A 1", "A 2", "A 3"})) << "nothing was moved";
}

// The target bar's drag handlers may free it (a form closed); the drag goes on without it and
// nothing freed is read (AddressSanitizer watches), the handler running to its end.
TEST_F(DragBetweenBars, ATargetBarsDragHandlerMayFreeIt) {
  struct Case {
    const char* event;
    void (*bind)(TnbSideBar* bar, std::function<void()> free);
    bool leaves;  // the path goes back to the source bar before the drop
  };
  const Case cases[] = {
      {"enter",
       [](TnbSideBar* bar, std::function<void()> free) {
         bar->OnDragEnter.Bind(nullptr, "", [free](TnbSideBar*, IDataObject*, TObject*, TShiftState, TDragState, TPoint,
                                                   TnbDropMode, uint32_t&, bool&) { free(); });
       },
       false},
      {"leave",
       [](TnbSideBar* bar, std::function<void()> free) {
         bar->OnDragOver.Bind(nullptr, "", [free](TnbSideBar*, TObject*, TShiftState, TDragState state, TPoint,
                                                  TnbDropMode, uint32_t&, bool&) {
           if (state == dsDragLeave) free();
         });
       },
       true},
      {"drop",
       [](TnbSideBar* bar, std::function<void()> free) {
         bar->OnDragDrop.Bind(nullptr, "", [free](TnbSideBar*, TObject*, IDataObject*, const std::vector<uint32_t>&,
                                                  TShiftState, TPoint, uint32_t&, TnbDropMode) { free(); });
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.event);
    if (&c != cases) {  // each case frees the other bar: the next starts afresh
      TearDown();
      SetUp();
    }
    String log;
    const String note = "freed";
    c.bind(other_, [this, &log, note] {
      delete std::exchange(other_, nullptr);
      log += note + ";";
    });
    std::vector<TPoint> path{OnOther(0), OnOther(0)};
    if (c.leaves) path.push_back(bar_->ClientToScreen(Centre(b_->CaptionRect())));
    DragAlong(bar_, Centre(a_->GetButton(0)->Rects().Button), path);
    EXPECT_EQ(log, "freed;");
    EXPECT_EQ(other_, nullptr);
  }
}

TEST_F(DragBetweenBars, ADropFromABarFreedDuringItsDragHasNoSourceBar) {
  TnbSideBar* source = bar_;
  DragAlong(source, Centre(a_->GetButton(0)->Rects().Button), {OnOther(0), OnOther(0)}, MK_SHIFT, [&](size_t i) {
    if (i != 0) return;
    delete source;
    bar_ = nullptr;
  });
  EXPECT_EQ(sources_, std::vector<TObject*>{nullptr}) << "the gone bar is not named";
  EXPECT_EQ(Captions(here_), (std::vector<String>{"Here 1", "Here 2"})) << "and its button cannot be read";
}

TEST_F(DragBetweenBars, AnErrorInADropIsReportedAndPerformsNothing) {
  std::vector<String> reported;
  Application->OnException.Bind(form_, "Reported",
                                [&](TObject*, const Exception& e) { reported.push_back(e.Message()); });
  other_->OnDragDrop.Bind(form_, "Failing", [](TnbSideBar*, TObject*, IDataObject*, const std::vector<uint32_t>&,
                                              TShiftState, TPoint, uint32_t&, TnbDropMode) {
    throw Exception("the list is full");
  });
  DragAlong(bar_, Centre(a_->GetButton(0)->Rects().Button), {OnOther(0), OnOther(0)}, MK_SHIFT);
  EXPECT_EQ(reported, std::vector<String>{"the list is full"});
  EXPECT_EQ(script_->effect, DROPEFFECT_NONE);
  EXPECT_EQ(Captions(a_), (std::vector<String>{"A 1", "A 2", "A 3"})) << "the source keeps its button";
  EXPECT_EQ(other_->DropTarget(), nullptr);
}

namespace {

// Data whose formats cannot be listed.
class TUnlistableData : public TDataObject {
 public:
  HRESULT EnumFormatEtc(uint32_t, std::unique_ptr<IEnumFORMATETC>& e) override {
    e.reset();
    return E_OUTOFMEMORY;
  }
};

}  // namespace

TEST_F(DragBetweenBars, DataThatCannotListItsFormatsFailsTheDropWithItsError) {
  std::vector<String> reported;
  Application->OnException.Bind(form_, "Reported",
                                [&](TObject*, const Exception& e) { reported.push_back(e.Message()); });
  TUnlistableData data;
  data.SetData(CF_TEXT, {'x', 0});
  TnbDragDropManager* target = other_->DragDropManager();
  uint32_t effect = DROPEFFECT_COPY;
  ASSERT_EQ(target->DragEnter(&data, 0, OnOther(0), effect), S_OK);
  EXPECT_EQ(target->Drop(&data, 0, OnOther(0), effect), E_OUTOFMEMORY);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  EXPECT_EQ(reported.size(), 1u);
  EXPECT_TRUE(sources_.empty()) << "OnDragDrop is not reached";
}
