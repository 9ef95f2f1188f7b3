#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/graphics/blit.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/windows/painting.h"
#include "sidebar/header_slide.h"
#include "tests/sidebar/sidebar_fixture.h"

// Every frame of a header slide, as the window shows it, against the bar painted afresh in
// the same state: a frame made by moving pixels must look exactly like a paint.

namespace {

// A bar that counts its paints, to tell frames made by moving pixels from whole paints.
class TCountingBar : public TnbSideBar {
 public:
  using TnbSideBar::TnbSideBar;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TnbSideBar::Paint();
  }
};

struct SlideCase {
  const char* name;
  int from, to;
  TnbHeaderScrollType type;
  int step;
  // Look changes made before the slide.
  std::function<void(TnbSideBar*)> look;
};

class SlideFramesTest : public SidebarTest, public ::testing::WithParamInterface<SlideCase> {
 protected:
  void SetUp() override {
    SidebarTest::SetUp();
    delete bar_;
    counting_ = new TCountingBar(form_);
    bar_ = counting_;
    bar_->SetParent(form_);
    bar_->SetAlign(alNone);
    bar_->SetBoundsRect(Bounds(0, 0, 200, 360));
    for (const char* caption : {"Mail", "Contacts", "Notes", "Tools"}) AddHeader(caption, 6);
  }

  // What the window shows of the bar.
  std::unique_ptr<TBitmap> OnWindow() {
    auto shown = std::make_unique<TBitmap>();
    shown->SetPixelFormat(pf32bit);
    shown->SetSize(bar_->Width(), bar_->Height());
    HDC dc = GetDC(bar_->Handle());
    BitBlt(shown->Canvas()->Handle(), 0, 0, bar_->Width(), bar_->Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(bar_->Handle(), dc);
    return shown;
  }

  // The first pixel where the window differs from a fresh paint, or an empty string.
  std::string Difference(int frame) {
    auto shown = OnWindow();
    auto fresh = Paint();
    for (int y = 0; y < fresh->Height(); ++y)
      for (int x = 0; x < fresh->Width(); ++x)
        if (At(*shown, x, y) != At(*fresh, x, y)) {
          const std::string tag = std::string(GetParam().name) + "_frame" + std::to_string(frame);
          Save(*shown, (tag + "_window").c_str());
          Save(*fresh, (tag + "_painted").c_str());
          return "frame " + std::to_string(frame) + " differs at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
    return {};
  }

  // Runs the slide of the case, checking every frame; answers the number of frames.
  int SlideAndCompare() {
    const SlideCase& c = GetParam();
    if (c.look) c.look(bar_);
    bar_->SetHeaderScrollType(stNone);
    bar_->SetActiveHeader(bar_->Header(c.from));
    bar_->SetHeaderScrollType(c.type);
    bar_->SetHeaderScrollValue(static_cast<uint8_t>(c.step));
    UpdateWindow(form_->Handle());
    const int paintsBefore = counting_->paints;
    TnbHeaderSlide slide(*bar_, bar_->Header(c.from), bar_->Header(c.to));
    int frames = 0;
    while (slide.Move()) {
      slide.Show();
      ++frames;
      const std::string difference = Difference(frames);
      EXPECT_EQ(difference, "");
      if (!difference.empty()) break;
    }
    slidePaints_ = counting_->paints - paintsBefore;
    return frames;
  }

  TCountingBar* counting_ = nullptr;
  // Paints from the start of the slide on, the comparisons' paints included.
  int slidePaints_ = 0;
};

void Explorer(TnbSideBar* bar) {
  bar->SetViewStyle(vsExplorerBar);
  bar->SetExplorerMethod(emStandard);
  bar->Border()->SetSeparator(4);
}

void FramedBodies(TnbSideBar* bar) {
  bar->Settings()->HeaderPen()->SetWidth(2);
  for (int i = 0; i < bar->HeaderCount(); ++i)
    bar->Header(i)->SetOptions(bar->Header(i)->Options() + hoDrawBorder);
}

const SlideCase kMovedCases[] = {
    {"down_linear", 0, 2, stLinear, 20, nullptr},
    {"up_linear", 2, 0, stLinear, 20, nullptr},
    {"down_accelerated", 0, 3, stAccelerated, 7, nullptr},
    {"up_accelerated", 3, 1, stAccelerated, 7, nullptr},
    {"down_framed", 1, 3, stLinear, 13, FramedBodies},
    {"up_framed", 3, 0, stLinear, 13, FramedBodies},
    {"up_tool_box_from_last", 3, 1, stLinear, 11, [](TnbSideBar* bar) { bar->SetScrollView(ssToolBox); }},
    {"down_tool_box", 0, 3, stLinear, 11, [](TnbSideBar* bar) { bar->SetScrollView(ssToolBox); }},
    {"down_explorer_standard", 0, 3, stLinear, 17, Explorer},
    {"up_explorer_standard", 3, 0, stLinear, 17, Explorer},
};

std::string CaseName(const ::testing::TestParamInfo<SlideCase>& param) { return param.param.name; }

}  // namespace

// Frames made by moving the band of pixels: no whole paint happens between them.
TEST_P(SlideFramesTest, MovedFramesLookLikeAFreshPaint) {
  const int frames = SlideAndCompare();
  EXPECT_GE(frames, 3);
  // The two paints that start the slide and one for each comparison: the frames themselves
  // painted nothing whole.
  EXPECT_EQ(slidePaints_, frames + 2);
}

INSTANTIATE_TEST_SUITE_P(Slides, SlideFramesTest, ::testing::ValuesIn(kMovedCases),
                         CaseName);

class DrawnSlideFramesTest : public SlideFramesTest {};

// With a handler drawing captions every frame is painted whole, so the handler sees it.
TEST_P(DrawnSlideFramesTest, FramesWithDrawingHandlersArePaintedWhole) {
  int drawn = 0;
  bar_->OnAfterDrawHeaderButtons.Bind(form_, "Count", [&](TObject*, TCanvas*, TRect, int) { ++drawn; });
  const int frames = SlideAndCompare();
  EXPECT_GE(frames, 3);
  EXPECT_EQ(slidePaints_, 2 * frames + 2);
  EXPECT_GT(drawn, 0);
}

INSTANTIATE_TEST_SUITE_P(Slides, DrawnSlideFramesTest,
                         ::testing::Values(SlideCase{"drawn_down", 0, 2, stLinear, 20, nullptr},
                                           SlideCase{"drawn_up", 2, 0, stLinear, 20, nullptr}),
                         CaseName);
