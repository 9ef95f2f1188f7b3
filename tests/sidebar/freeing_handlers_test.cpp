#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/controls/control_drag.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "tests/sidebar/sidebar_fixture.h"

// The program's handlers may free what the bar is working on: the header or button the event
// is about, every header, or the bar itself (a menu rebuilt, a form closed). The bar then
// touches nothing of what went, and the handler, which goes on with what it captured after
// freeing, runs to its end (AddressSanitizer watches).

namespace {

enum class Freed { TheItem, EveryHeader, TheBar };

const char* Name(Freed f) {
  switch (f) {
    case Freed::TheItem: return "the item";
    case Freed::EveryHeader: return "every header";
    default: return "the bar";
  }
}

class FreeingHandlersTest;

struct HandlerCase {
  const char* event;
  // Binds `free` as the handler of the event; the object it hands over is what the event is
  // about.
  std::function<void(FreeingHandlersTest&, std::function<void(TObject*)> free)> bind;
  // Makes the bar fire the event.
  std::function<void(FreeingHandlersTest&)> fire;
};

class FreeingHandlersTest : public ThreeHeaderTest {
 public:
  // Every event of the table, with how it is bound and fired.
  static const std::vector<HandlerCase>& Cases();

 protected:
  // When the item's handler does not take the click, the bar goes on with the popups of the
  // header and of itself: the row is about the first item only.
  static void FreeFirstItem(FreeingHandlersTest& t, const std::function<void(TObject*)>& free, TObject* sender) {
    if (sender != t.bar_ && t.log_.empty()) free(sender);
  }
  // What a handler does: frees what `what` names (the item is the header or button the event
  // is about, or the bar), then notes that it ran, from what it captured.
  std::function<void(TObject* item)> Freer(Freed what) {
    const String note = Name(what);
    return [this, what, note](TObject* item) {
      if (what == Freed::EveryHeader)
        bar_->Clear();
      else if (what == Freed::TheBar || item == bar_)
        delete std::exchange(bar_, nullptr);
      else if (auto* h = dynamic_cast<TnbHeader*>(item))
        bar_->DeleteHeader(h);
      else
        delete item;
      log_ += note + ";";
    };
  }
  // A control of the form dragged over the bar with the mouse, as the class library tells it.
  void ControlDrag(TDragMessage message, TPoint client) {
    TDragObject object(form_);
    TDragRec rec;
    rec.Pos = bar_->ClientToScreen(client);
    rec.Source = &object;
    bar_->Perform(CM_DRAG, message, reinterpret_cast<LPARAM>(&rec));
  }
  void ContextMenuAt(TPoint p) {
    Move(p);
    bar_->Perform(WM_CONTEXTMENU, 0, PointToLParam(bar_->ClientToScreen(p)));
  }
  // Whatever is left of the bar still paints and follows the mouse.
  void StillWorks() {
    if (bar_ == nullptr) return;
    Paint();
    Move({20, 20});
    bar_->Perform(CM_MOUSELEAVE, 0, 0);
  }
  String log_;
};

const std::vector<HandlerCase>& FreeingHandlersTest::Cases() {
  using T = FreeingHandlersTest;
  static const std::vector<HandlerCase> cases = {
      {"context menu of a button, not handled",
       [](T& t, auto free) {
         t.bar_->OnContextPopup.Bind(nullptr, "", [&t, free](TObject* s, TPoint, bool&) { FreeFirstItem(t, free, s); });
       },
       [](T& t) { t.ContextMenuAt(Centre(t.mail_->GetButton(1)->Rects().Button)); }},
      {"context menu of a button, handled",
       [](T& t, auto free) {
         t.bar_->OnContextPopup.Bind(nullptr, "", [&t, free](TObject* s, TPoint, bool& handled) {
           handled = true;
           FreeFirstItem(t, free, s);
         });
       },
       [](T& t) { t.ContextMenuAt(Centre(t.mail_->GetButton(1)->Rects().Button)); }},
      {"context menu of a caption",
       [](T& t, auto free) {
         t.bar_->OnContextPopup.Bind(nullptr, "", [&t, free](TObject* s, TPoint, bool&) { FreeFirstItem(t, free, s); });
       },
       [](T& t) { t.ContextMenuAt(Centre(t.contacts_->CaptionRect())); }},
      {"context menu of a body below its buttons",
       [](T& t, auto free) {
         t.bar_->OnContextPopup.Bind(nullptr, "", [&t, free](TObject* s, TPoint, bool&) { FreeFirstItem(t, free, s); });
       },
       [](T& t) {
         t.ContextMenuAt({20, t.mail_->BodyRect().Bottom - 3});
       }},
      {"can-change of the switch",
       [](T& t, auto free) {
         t.bar_->OnCanChange.Bind(nullptr, "", [free](TObject*, TnbHeader* h, bool&) { free(h); });
       },
       [](T& t) { t.bar_->SetActiveHeader(t.contacts_); }},
      {"change of the bar on Page Down",
       [](T& t, auto free) {
         t.bar_->OnChange.Bind(nullptr, "", [&t, free](TObject*, int, int to) { free(t.bar_->Header(to)); });
       },
       [](T& t) { t.Key(VK_NEXT); }},
      {"change of the header after a slide",
       [](T& t, auto free) {
         t.bar_->SetHeaderScrollType(stAccelerated);
         t.contacts_->OnChange.Bind(nullptr, "", [free](TObject* s) { free(s); });
       },
       [](T& t) { t.bar_->SetActiveHeader(t.contacts_); }},
      {"change of the rename editor on Enter",
       [](T& t, auto free) {
         t.bar_->InplaceEditor()->OnChange.Bind(nullptr, "", [&t, free](TObject*) { free(t.contacts_); });
       },
       [](T& t) {
         ASSERT_TRUE(t.bar_->InplaceEditor()->BeginEdit(t.contacts_));
         t.bar_->InplaceEditor()->Edit()->Perform(WM_KEYDOWN, VK_RETURN, 1);
       }},
      {"click of a button",
       [](T& t, auto free) { t.mail_->GetButton(1)->OnClick.Bind(nullptr, "", [free](TObject* s) { free(s); }); },
       [](T& t) { t.Click(t.mail_->GetButton(1)->Rects().Button); }},
      {"click of a button by its accelerator",
       [](T& t, auto free) {
         t.mail_->GetButton(1)->SetCaption("&Send");
         t.mail_->GetButton(1)->OnClick.Bind(nullptr, "", [free](TObject* s) { free(s); });
       },
       [](T& t) { t.bar_->Perform(CM_DIALOGCHAR, 's', 0); }},
      {"mouse press",
       [](T& t, auto free) {
         t.bar_->OnMouseDown.Bind(nullptr, "", [free, &t](TObject*, TMouseButton, TShiftState, int, int) {
           free(t.bar_->Input().HotButton());
         });
       },
       [](T& t) {
         t.Move(Centre(t.mail_->GetButton(1)->Rects().Button));
         t.Press(Centre(t.mail_->GetButton(1)->Rects().Button));
       }},
      {"mouse release",
       [](T& t, auto free) {
         t.bar_->OnMouseUp.Bind(nullptr, "", [free, &t](TObject*, TMouseButton, TShiftState, int, int) {
           free(t.bar_->Input().HotButton());
         });
       },
       [](T& t) { t.Click(t.mail_->GetButton(1)->Rects().Button); }},
      {"key press",
       [](T& t, auto free) {
         t.bar_->OnKeyDown.Bind(nullptr, "", [free, &t](TObject*, uint16_t&, TShiftState) { free(t.contacts_); });
       },
       [](T& t) { t.Key(VK_NEXT); }},
      {"change of the rename editor on leaving it",
       [](T& t, auto free) {
         t.bar_->InplaceEditor()->OnChange.Bind(nullptr, "", [&t, free](TObject*) { free(t.contacts_); });
       },
       [](T& t) {
         auto* elsewhere = new TnbSideBar(t.form_);
         elsewhere->SetParent(t.form_);
         ASSERT_TRUE(t.bar_->InplaceEditor()->BeginEdit(t.contacts_));
         elsewhere->SetFocus();
       }},
      {"context menu of the rename editor",
       [](T& t, auto free) {
         t.bar_->OnEditorContextPopup.Bind(nullptr, "", [&t, free](TObject*, TPoint, bool&) { free(t.contacts_); });
       },
       [](T& t) {
         ASSERT_TRUE(t.bar_->InplaceEditor()->BeginEdit(t.contacts_));
         TnbInplaceEdit* edit = t.bar_->InplaceEditor()->Edit();
         edit->Perform(WM_CONTEXTMENU, 0, PointToLParam(edit->ClientToScreen({3, 3})));
       }},
      {"view style change",
       [](T& t, auto free) {
         t.bar_->OnChangeViewStyle.Bind(nullptr, "", [&t, free](TObject*, TnbViewStyle, TnbViewStyle, bool&) {
           free(t.bar_->ActiveHeader());
         });
       },
       [](T& t) { t.bar_->SetViewStyle(vsExplorerBar); }},
      {"hiding",
       [](T& t, auto free) {
         t.bar_->OnHide.Bind(nullptr, "", [&t, free](TObject*) { free(t.bar_->ActiveHeader()); });
       },
       [](T& t) { t.bar_->SetVisible(false); }},
      {"change on a new explorer method",
       [](T& t, auto free) {
         t.bar_->OnChange.Bind(nullptr, "", [&t, free](TObject*, int, int to) { free(t.bar_->Header(to)); });
       },
       [](T& t) { t.bar_->SetExplorerMethod(emStandard); }},
      {"wheel turn",
       [](T& t, auto free) {
         t.bar_->OnMouseWheel.Bind(nullptr, "", [&t, free](TObject*, TShiftState, int, TPoint, bool&) {
           free(t.bar_->ActiveHeader());
         });
       },
       [](T& t) {
         const WPARAM down = static_cast<WPARAM>(static_cast<uint16_t>(-120)) << 16;
         t.bar_->Perform(WM_MOUSEWHEEL, down, PointToLParam(t.bar_->ClientToScreen({20, 60})));
       }},
      {"close of the close bar",
       [](T& t, auto free) {
         t.bar_->CloseButton()->OnClose.Bind(nullptr, "", [&t, free](TObject*) { free(t.bar_->ActiveHeader()); });
       },
       [](T& t) { t.bar_->Perform(WM_TIMER, 1, 0); }},
      {"drag allowed of a pressed button",
       [](T& t, auto free) {
         t.bar_->OnDragAllowed.Bind(nullptr, "", [free](TnbSideBar*, TnbButton* b, bool&) { free(b); });
       },
       [](T& t) {
         t.Move(Centre(t.mail_->GetButton(1)->Rects().Button));
         t.Press(Centre(t.mail_->GetButton(1)->Rects().Button));
       }},
      {"drag over by a dragged control",
       [](T& t, auto free) {
         t.bar_->OnDragOver.Bind(nullptr, "",
                                 [&t, free](TnbSideBar*, TObject*, TShiftState, TDragState, TPoint, TnbDropMode,
                                            uint32_t&, bool&) { free(t.bar_->DropTarget()); });
       },
       [](T& t) { t.ControlDrag(dmDragEnter, Centre(t.mail_->GetButton(1)->Rects().Button)); }},
      {"drop of a dragged control",
       [](T& t, auto free) {
         t.bar_->OnDragDrop.Bind(nullptr, "",
                                 [&t, free](TnbSideBar*, TObject*, IDataObject*, const std::vector<uint32_t>&,
                                            TShiftState, TPoint, uint32_t&, TnbDropMode) {
                                   free(t.bar_->DropTarget());
                                 });
       },
       [](T& t) {
         const TPoint p = Centre(t.mail_->GetButton(1)->Rects().Button);
         t.ControlDrag(dmDragEnter, p);
         t.ControlDrag(dmDragDrop, p);
       }},
  };
  return cases;
}

class FreeingHandlerTest : public FreeingHandlersTest,
                           public ::testing::WithParamInterface<std::tuple<size_t, Freed>> {};

std::string CaseName(const ::testing::TestParamInfo<std::tuple<size_t, Freed>>& param) {
  std::string name = FreeingHandlersTest::Cases()[std::get<0>(param.param)].event + std::string(" freeing ") +
                     Name(std::get<1>(param.param));
  for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return name;
}

}  // namespace

TEST_P(FreeingHandlerTest, TheBarTouchesNothingThatWent) {
  const auto [index, what] = GetParam();
  const HandlerCase& c = Cases()[index];
  SCOPED_TRACE(std::string(c.event) + ", freeing " + Name(what));
  Layout();
  c.bind(*this, Freer(what));
  c.fire(*this);
  EXPECT_EQ(log_, String(Name(what)) + ";");
  StillWorks();
}

INSTANTIATE_TEST_SUITE_P(Handlers, FreeingHandlerTest,
                         ::testing::Combine(::testing::Range<size_t>(0, FreeingHandlersTest::Cases().size()),
                                            ::testing::Values(Freed::TheItem, Freed::EveryHeader, Freed::TheBar)),
                         CaseName);
