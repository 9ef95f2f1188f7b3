// A button dragged from the side bar of another program onto ours, through the real drag and
// drop of the display, as a user drags it.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "sidebar/side_bar.h"
#include "tests/real_windows/real_display.h"
#include "tests/side_bar_processes/peer_process.h"

namespace {

std::vector<TPoint> Points(const std::string& text) {
  std::vector<TPoint> points;
  std::istringstream in(text);
  for (std::string item; in >> item;) {
    const size_t comma = item.find(',');
    points.push_back({std::stoi(item.substr(0, comma)), std::stoi(item.substr(comma + 1))});
  }
  return points;
}

std::string At(TPoint p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

class SideBarBetweenProcesses : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this on an X server of its own";
    application_ = std::make_unique<TApplicationScope>();
    unit_ = std::make_unique<TnbSideBarUnit>();
    form_ = new TForm(Application);
    form_->SetCaption("Side bar target");
    form_->SetBorderStyle(bsNone);
    form_->SetBounds(560, 100, 220, 300);
    bar_ = new TnbSideBar(form_);
    bar_->SetParent(form_);
    bar_->SetAlign(alClient);
    bar_->SetViewStyle(vsExplorerBar);
    here_ = bar_->Headers()->Add();
    here_->SetCaption("Here");
    for (int i = 1; i <= 2; ++i) here_->Buttons()->Add()->SetCaption("Here " + std::to_string(i));
    bar_->OnDragDrop.Bind(form_, "Dropped", [this](TnbSideBar*, TObject* source, IDataObject* data,
                                                    const std::vector<uint32_t>&, TShiftState, TPoint, uint32_t&,
                                                    TnbDropMode) { Dropped(source, data); });
    form_->Show();
    ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "our window never showed";
    peer_ = std::make_unique<TPeerProcess>(SIDE_BAR_PEER, 100, 100);
    ASSERT_TRUE(peer_->Started());
    peerButtons_ = Points(peer_->AwaitLine("buttons").value_or(""));
    ASSERT_EQ(peerButtons_.size(), 3u) << "the peer never showed its bar";
    ASSERT_EQ(peer_->AwaitLine("count"), "3");
  }
  void TearDown() override {
    peer_.reset();
    unit_.reset();
    application_.reset();
  }

  // What an application does with a button from another program: it reads which button it
  // was and adds one of its own after the drop target.
  void Dropped(TObject* source, IDataObject* data) {
    sources_.push_back(source);
    TClipboardData block;
    if (!data || !DataObjectBytes(*data, TnbDragDropManager::ResourceFormat(), block) || block.size() < 28) return;
    const int headerIndex = block[20], buttonIndex = block[24];
    TnbButton* target = bar_->DropTarget();
    TnbButton* added = here_->Buttons()->Insert(target ? target->Index() + 1 : here_->ButtonCount());
    added->SetCaption("Peer " + std::to_string(headerIndex) + ":" + std::to_string(buttonIndex));
  }

  // Drags peer button `index` onto our first button, holding `key` (or none) for the drop.
  bool DragFromPeer(size_t index, const std::string& key = "") {
    const TPoint from = peerButtons_[index];
    const TRect first = here_->GetButton(0)->Rects().Button;
    const TPoint to = bar_->ClientToScreen({(first.Left + first.Right) / 2, first.Bottom - 3});
    // Onto the button as a hand comes to it, pressed, and far enough within the peer's bar to
    // start its drag; then, once the peer says its drag runs, out of its window and over ours.
    bool ok = Xdo("mousemove " + At({from.x, from.y - 4})) && Xdo("mousemove " + At(from)) &&
              Xdo("mousedown 1") && Xdo("mousemove " + At({from.x, from.y + 12}));
    ok = ok && peer_->AwaitLine("dragging").has_value();
    ok = ok && Xdo("mousemove " + At({(from.x + to.x) / 2, to.y}));
    if (!key.empty()) ok = ok && Xdo("keydown " + key);
    // Each nudge gives the display's drag protocol a new position to answer; the peer and the
    // display answer when the machine lets them, so the nudging goes on until ours takes the
    // drag or the patience of every other wait has run out.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPatienceMs);
    for (int step = 0; ok && bar_->DropTarget() == nullptr && std::chrono::steady_clock::now() < deadline; ++step) {
      ok = Xdo("mousemove " + At({to.x, to.y + step % 2}));
      WaitFor([&] { return bar_->DropTarget() != nullptr; }, 250);
    }
    const bool over = bar_->DropTarget() != nullptr;
    ok = Xdo("mouseup 1") && ok;
    if (!key.empty()) ok = Xdo("keyup " + key) && ok;
    return ok && over;
  }

  std::vector<String> Captions() const {
    std::vector<String> captions;
    for (int i = 0; i < here_->ButtonCount(); ++i) captions.push_back(here_->GetButton(i)->Caption());
    return captions;
  }

  TForm* form_ = nullptr;
  TnbSideBar* bar_ = nullptr;
  TnbHeader* here_ = nullptr;
  std::vector<TObject*> sources_;
  std::unique_ptr<TPeerProcess> peer_;
  std::vector<TPoint> peerButtons_;

 private:
  std::unique_ptr<TApplicationScope> application_;
  std::unique_ptr<TnbSideBarUnit> unit_;
};

TEST_F(SideBarBetweenProcesses, APlainDragCopiesTheButtonIntoOurBar) {
  ASSERT_TRUE(DragFromPeer(1)) << "the drag never reached our bar";
  ASSERT_TRUE(WaitFor([&] { return here_->ButtonCount() == 3; })) << "nothing was dropped";
  EXPECT_EQ(Captions(), (std::vector<String>{"Here 1", "Peer 0:1", "Here 2"}));
  EXPECT_EQ(sources_, std::vector<TObject*>{nullptr}) << "a bar of another program is no source bar of ours";
  EXPECT_EQ(bar_->DropTarget(), nullptr);
  EXPECT_EQ(peer_->AwaitLine("count", 1000), std::nullopt) << "a copy leaves the peer's buttons as they were";
}

TEST_F(SideBarBetweenProcesses, ShiftMovesTheButtonOutOfThePeer) {
  ASSERT_TRUE(DragFromPeer(2, "shift")) << "the drag never reached our bar";
  ASSERT_TRUE(WaitFor([&] { return here_->ButtonCount() == 3; })) << "nothing was dropped";
  EXPECT_EQ(Captions(), (std::vector<String>{"Here 1", "Peer 0:2", "Here 2"}));
  EXPECT_EQ(peer_->AwaitLine("count"), "2") << "the peer deleted the moved button";
}

}  // namespace
