// A side-bar button dragged from another showcase and dropped on ours: the command it names
// comes to where it was dropped. The drop arrives as the display's drag and drop hands it to
// the bar: drag enter, drag over a button, drop, with the data another program offers.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "examples/showcase/main_form.h"
#include "examples/showcase/showcase_side_bar.h"
#include "examples/showcase/side_bar_drop.h"
#include "examples/showcase/side_bar_layout_file.h"
#include "platform/controls/application.h"
#include "platform/core/streams.h"
#include "platform/windows/clock.h"
#include "platform/windows/data_object.h"
#include "platform/windows/input.h"
#include "platform/windows/message_loop.h"
#include "sidebar/drag_drop_manager.h"
#include "sidebar/side_bar.h"

namespace {

void Put(TClipboardData& bytes, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// What another showcase offers for its button of `command` (at header 0, button 1 there):
// the bar's record and the showcase's command record, in the bar's chunk.
std::unique_ptr<TDataObject> ForeignButton(int command, bool withCommand = true) {
  TClipboardData records;
  Put(records, 2);
  Put(records, 8);
  Put(records, 0);
  Put(records, 1);
  if (withCommand) {
    Put(records, 3);
    Put(records, 4);
    Put(records, static_cast<uint32_t>(command));
  }
  // A block in global memory: its byte count, then the chunk.
  TClipboardData block;
  Put(block, static_cast<uint32_t>(8 + records.size()));
  Put(block, 1);
  Put(block, static_cast<uint32_t>(records.size()));
  block.insert(block.end(), records.begin(), records.end());
  auto data = std::make_unique<TDataObject>();
  data->SetData(TnbDragDropManager::ResourceFormat(), block);
  return data;
}

class SideBarDropFromElsewhere : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(std::make_unique<TTestClock>());
    ResetInput();
    scope_ = std::make_unique<TApplicationScope>();
    std::filesystem::remove_all(std::filesystem::path(ShowcaseSideBarLayoutPath()).parent_path());
    Application->CreateForm(form_);
    form_->SetBounds(0, 0, 1024, 700);
    form_->Show();
    Application->ProcessMessages();
    bar_ = form_->SideBar();
    bar_->SetHeaderScrollType(stNone);
  }
  void TearDown() override {
    scope_.reset();
    MSG m;
    while (PeekMessage(m, nullptr, 0, 0, PM_REMOVE)) {}
    SetClock(nullptr);
  }

  // Drops `data` from another program below the middle of `onto`; answers the drop's result.
  HRESULT Drop(IDataObject* data, TnbButton* onto, uint32_t& effect) {
    Application->ProcessMessages();
    const TRect& r = onto->Rects().Button;
    const TPoint at = bar_->ClientToScreen({(r.Left + r.Right) / 2, r.Bottom - 2});
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    bar_->DoDragEnter(data, nullptr, 0, at, effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    bar_->DoDragOver(nullptr, 0, at, effect);
    return bar_->DoDrop(data, nullptr, 0, at, effect);
  }

  std::vector<int> Commands(TnbHeader* h) const {
    std::vector<int> commands;
    for (int i = 0; i < h->ButtonCount(); ++i) commands.push_back(h->GetButton(i)->Tag());
    return commands;
  }

  TShowcaseMainForm* form_ = nullptr;
  TnbSideBar* bar_ = nullptr;

 private:
  std::unique_ptr<TApplicationScope> scope_;
};

}  // namespace

TEST_F(SideBarDropFromElsewhere, TheDroppedCommandsButtonMovesToTheDropPlace) {
  TnbHeader* first = bar_->Header(0);
  ASSERT_EQ(Commands(first), (std::vector<int>{1, 4, 3}));
  // Command 5 (account balance) lives in the second header; it is dropped after command 1.
  auto data = ForeignButton(5);
  uint32_t effect = 0;
  EXPECT_EQ(Drop(data.get(), first->GetButton(0), effect), S_OK);
  EXPECT_EQ(Commands(first), (std::vector<int>{1, 5, 4, 3}));
  EXPECT_EQ(Commands(bar_->Header(1)), (std::vector<int>{2})) << "one button per command";
  TnbButton* moved = first->GetButton(1);
  EXPECT_EQ(moved->Caption(), "账户余额");
  EXPECT_EQ(moved->ImageIndex(), 4);
  EXPECT_TRUE(moved->OnClick) << "the moved button still runs its command";
}

TEST_F(SideBarDropFromElsewhere, ACommandWithinItsOwnHeaderChangesPlace) {
  TnbHeader* first = bar_->Header(0);
  auto data = ForeignButton(3);
  uint32_t effect = 0;
  EXPECT_EQ(Drop(data.get(), first->GetButton(0), effect), S_OK);
  EXPECT_EQ(Commands(first), (std::vector<int>{1, 3, 4}));
}

TEST_F(SideBarDropFromElsewhere, ACommandThisBarLacksGetsANewButton) {
  TnbHeader* first = bar_->Header(0);
  delete bar_->Header(2)->GetButton(0);  // command 6 went to another showcase earlier
  auto data = ForeignButton(6);
  uint32_t effect = 0;
  EXPECT_EQ(Drop(data.get(), first->GetButton(2), effect), S_OK);
  EXPECT_EQ(Commands(first), (std::vector<int>{1, 4, 3, 6}));
  EXPECT_EQ(first->GetButton(3)->Caption(), "标准控件");
  EXPECT_TRUE(first->GetButton(3)->OnClick);
}

TEST_F(SideBarDropFromElsewhere, DataWithoutACommandIsRefused) {
  TnbHeader* first = bar_->Header(0);
  std::unique_ptr<TDataObject> offers[] = {ForeignButton(5, false), ForeignButton(99)};
  for (auto& data : offers) {
    uint32_t effect = 0;
    Drop(data.get(), first->GetButton(0), effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE) << "the source must not delete a button nobody took";
    EXPECT_EQ(Commands(first), (std::vector<int>{1, 4, 3}));
  }
}

namespace {

// The showcase's bar with its record writer in reach.
class TOpenShowcaseSideBar : public TShowcaseSideBar {
 public:
  using TShowcaseSideBar::TShowcaseSideBar;
  using TShowcaseSideBar::WriteDraggedButton;
};

}  // namespace

TEST_F(SideBarDropFromElsewhere, OurDraggedButtonNamesItsCommand) {
  auto* source = new TOpenShowcaseSideBar(form_);
  TNotifyEvent click;
  BuildShowcaseSideBar(source, nullptr, nullptr, click);
  TMemoryStream records;
  source->WriteDraggedButton(records, SideBarButtonFor(source, 4));
  // Framed as the bar's drag data frames it: the block's byte count, then the bar's chunk.
  const TClipboardData written(records.Memory(), records.Memory() + records.Size());
  TClipboardData block;
  Put(block, static_cast<uint32_t>(8 + written.size()));
  Put(block, 1);
  Put(block, static_cast<uint32_t>(written.size()));
  block.insert(block.end(), written.begin(), written.end());
  TDataObject data;
  data.SetData(TnbDragDropManager::ResourceFormat(), block);
  EXPECT_EQ(DroppedSideBarCommand(&data), std::optional<int>(4));
  // The bar's own record comes first: kind 2, its length, header 0, button 1.
  EXPECT_EQ(TClipboardData(written.begin(), written.begin() + 16),
            (TClipboardData{2, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
}

TEST_F(SideBarDropFromElsewhere, ThePagesButtonStaysMarkedWhereverItIsDropped) {
  const auto markedCommand = [this] {
    for (int h = 0; h < bar_->HeaderCount(); ++h)
      if (TnbButton* b = bar_->Header(h)->GetButton(bar_->Header(h)->SelectedIndex())) return static_cast<int>(b->Tag());
    return 0;
  };
  ASSERT_EQ(markedCommand(), form_->ActiveCommand());
  // The page's button to the end of its header, then into the next header.
  for (TnbHeader* into : {bar_->Header(0), bar_->Header(1)}) {
    bar_->SetActiveHeader(into);
    auto data = ForeignButton(form_->ActiveCommand());
    uint32_t effect = 0;
    ASSERT_EQ(Drop(data.get(), into->GetButton(into->ButtonCount() - 1), effect), S_OK);
    ASSERT_EQ(into->GetButton(into->ButtonCount() - 1)->Tag(), form_->ActiveCommand());
    EXPECT_EQ(markedCommand(), form_->ActiveCommand()) << into->Caption();
  }
}
