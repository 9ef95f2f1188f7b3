// The grid's layout pass: measuring rows and titles, fixed and visible columns, column widths
// and Tab stops, the multi-level title tree and the size of the edit buttons.
#include "gridlib/grid/grid_layout_pass.h"

#include <algorithm>

#include "gridlib/controls/button_metrics.h"
#include "gridlib/grid/cell_edit_buttons.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/data/field.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/text_out.h"
#include "platform/windows/system_metrics.h"

namespace {

constexpr const char* kSampleText = "Wg";
// Room around a caption written upwards, in place of VTitleMargin.
constexpr int kVerticalCaptionMargin = 6;

struct FontHeights {
  int Text = 0;  // height of "Wg"
  TEXTMETRIC Metrics;
};

FontHeights MeasureFont(TFont* font) {
  TCanvas* canvas = FontMeasuringCanvas(font);
  FontHeights heights;
  heights.Text = std::max(1, canvas->TextHeight(kSampleText));
  GetTextMetrics(canvas->Handle(), &heights.Metrics);
  return heights;
}

// Lines are counted in the fitted unit when rows fit to text, so the next pass computes the
// very same height; otherwise in the font's line pitch, leading included.
int LinePitch(const FontHeights& font, bool fitToText) {
  if (fitToText) return font.Text;
  return font.Metrics.tmHeight + font.Metrics.tmExternalLeading;
}

// Height of a caption wrapped into `width` pixels.
int WrappedTextHeight(TFont* font, const String& text, int width) {
  TCanvas* canvas = FontMeasuringCanvas(font);
  TRect rect(0, 0, std::max(1, width), 0);
  DrawText(canvas->Handle(), text, rect, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
  return rect.Bottom - rect.Top;
}

// Length of a caption written upwards: its width, and the lean of an italic font on top.
int UprightTextLength(TFont* font, const String& text) {
  TCanvas* canvas = FontMeasuringCanvas(font);
  TEXTMETRIC tm;
  GetTextMetrics(canvas->Handle(), &tm);
  const int lean = font->Style().Contains(fsItalic) ? tm.tmOverhang : 0;
  return canvas->TextWidth(text) + lean;
}

bool VerticalCaption(const THeadTreeNode* node) {
  return node->Column != nullptr && node->Column->Title()->Orientation() == tohVertical;
}

}  // namespace

// The indicator and the frozen columns stay put; hidden columns inside the frozen area, and
// those right after it, go with them since they take no room. One grid column always
// scrolls, so FixedCols stays below ColCount.
void TDBGridExLayout::PlaceFixedColumns() {
  TDBGridColumnsEx* columns = grid_->Columns();
  visibleColumns_.clear();
  for (int i = 0; i < columns->Count(); ++i) {
    if (columns->Items(i)->Visible()) visibleColumns_.push_back(i);
  }
  const bool freezes = grid_->DataLink()->Active() || columns->State() == csCustomized;
  const int frozen = freezes ? std::max(0, grid_->FrozenCols()) : 0;
  int hiddenFixed = 0;
  int visibleSeen = 0;
  for (int i = 0; i < columns->Count(); ++i) {
    if (columns->Items(i)->Visible()) {
      if (visibleSeen++ >= frozen) break;
    } else {
      ++hiddenFixed;
    }
  }
  const int offset = grid_->IndicatorOffset();
  const int colCount = std::max(1, columns->Count() + offset);
  int fixed = offset + std::min(frozen, static_cast<int>(visibleColumns_.size())) + hiddenFixed;
  if (visibleColumns_.empty()) --fixed;
  grid_->SetColCount(colCount);
  // A new count of fixed columns starts the base grid over at its first scrollable cell; the
  // current cell and the scrolled columns go back where they were when they still may.
  const int current = grid_->Col(), leftCol = grid_->LeftCol();
  grid_->SetFixedCols(std::clamp(fixed, 0, colCount - 1));
  if (current == grid_->Col() || current < grid_->FixedCols() || current >= colCount) return;
  if (leftCol > grid_->FixedCols() && leftCol <= current) grid_->SetLeftCol(leftCol);
  grid_->MoveColRow(current, grid_->Row(), false, false);
}

void TDBGridExLayout::MeasureRows() {
  titleOffset_ = grid_->TitleRowCount();
  MeasureDataRows();
  MeasureTitleRow();
}

// Data rows are one line of the grid's font high unless RowHeight or RowLines say otherwise.
void TDBGridExLayout::MeasureDataRows() {
  const FontHeights font = MeasureFont(grid_->Font());
  int extra = grid_->Flat() ? 1 : 3;
  if (grid_->Options().Contains(dgRowLines)) extra += grid_->GridLineWidth();
  const int titleHeight = grid_->RowHeights(0);
  const bool fitToText = grid_->OptionsEx().Contains(dghFitRowHeightToText);
  if (grid_->rowHeight_ < 1 && grid_->rowLines_ < 1) {
    grid_->SetDefaultRowHeight(font.Text + extra);
  } else {
    grid_->SetDefaultRowHeight(LinePitch(font, fitToText) * grid_->rowLines_ + grid_->rowHeight_);
  }
  if (fitToText) FitRowHeightToText(font.Text, extra);
  grid_->SetRowHeights(0, titleHeight);
  UpdateEditButtonWidth();
  const TEXTMETRIC& tm = font.Metrics;
  wordWrapPossible_ =
      tm.tmHeight + tm.tmExternalLeading + tm.tmInternalLeading + TitleTextAllowance() < grid_->DefaultRowHeight();
}

// Rounds the data row height to whole lines: more than half a line rounds up.
void TDBGridExLayout::FitRowHeightToText(int textHeight, int extra) {
  const int room = grid_->DefaultRowHeight() - extra;
  const int lines = room / textHeight;
  const int rest = room % textHeight;
  const int fitted = (rest > textHeight / 2 || lines == 0) ? lines + 1 : lines;
  grid_->SetDefaultRowHeight(fitted * textHeight + extra);
  grid_->rowLines_ = fitted;
  grid_->rowHeight_ = extra;
}

// A single-level title row is as high as the tallest column title font needs.
void TDBGridExLayout::MeasureTitleRow() {
  if (!grid_->Options().Contains(dgTitles) || grid_->UseMultiTitle()) return;
  TDBGridColumnsEx* columns = grid_->Columns();
  int height = 0;
  for (int i = 0; i < columns->Count(); ++i) {
    height = std::max(height, MeasureFont(columns->Items(i)->Title()->Font()).Text);
  }
  if (columns->Count() == 0) height = MeasureFont(grid_->TitleFont()).Text;
  grid_->SetRowHeights(0, height + TitleTextAllowance());
}

int TDBGridExLayout::TitleTextAllowance() const { return grid_->Flat() ? 2 : 4; }

void TDBGridExLayout::ApplyScrollBarStyle() {
  TDBGridExScrollBar* bar = grid_->HorzScrollBar();
  const bool ownBar = bar->Visible() && bar->ExtScrollBar() == nullptr;
  const bool fitting = grid_->AutoFitColWidths() && !grid_->IsDesigning();
  const TScrollStyle style = fitting || !ownBar ? ssNone : ssHorizontal;
  if (style == grid_->ScrollBars()) return;
  grid_->SetScrollBars(style);
  if (grid_->HandleAllocated()) grid_->UpdateVertScrollBar();
}

void TDBGridExLayout::UpdateColWidthsAndTabStops() {
  const int offset = grid_->IndicatorOffset();
  const int hiddenWidth = grid_->Options().Contains(dgColLines) ? -1 : 0;
  TDBGridColumnsEx* columns = grid_->Columns();
  const bool active = grid_->DataLink()->Active();
  const int count = std::min(columns->Count(), grid_->ColCount() - offset);
  for (int i = 0; i < count; ++i) {
    TColumnEx* column = columns->Items(i);
    TField* field = column->Field();
    const bool tabStop = column->Visible() && active && !column->ReadOnly() && field != nullptr &&
                         !field->Calculated() && field->CanModify();
    grid_->SetTabStops(i + offset, tabStop);
    grid_->SetColWidths(i + offset, column->Visible() ? column->Width() : hiddenWidth);
  }
  if (offset > 0) grid_->SetColWidths(0, TCustomDBGridEx::kIndicatorWidth);
}

void TDBGridExLayout::FitTitleHeights() {
  const TDBGridOptions options = grid_->Options();
  TDBGridColumnsEx* columns = grid_->Columns();
  if (!options.Contains(dgTitles) || !grid_->UseMultiTitle()) ForgetTitleTree();
  if (!options.Contains(dgTitles)) return;
  if (grid_->TitleHeight() != 0 || grid_->TitleLines() != 0) {
    TFont* tallest = grid_->TitleFont();
    int tallestHeight = -1;
    for (int i = 0; i < columns->Count(); ++i) {
      TFont* font = columns->Items(i)->Title()->Font();
      const int height = MeasureFont(font).Text;
      if (height > tallestHeight) {
        tallestHeight = height;
        tallest = font;
      }
    }
    const TEXTMETRIC tm = MeasureFont(tallest).Metrics;
    int height = grid_->TitleLines() * tm.tmHeight + tm.tmExternalLeading + 2 + grid_->TitleHeight();
    if (options.Contains(dgRowLines)) ++height;
    grid_->SetRowHeights(0, std::max(0, height));
  }
  if (grid_->UseMultiTitle()) {
    titleLeaves_ = titleRoot_->BuildTitleTree(columns, grid_->RowHeights(0), options.Contains(dgColLines));
    const int height = CalcTitleNodeHeight(titleRoot_.get());
    const int trim = grid_->OptionsEx().Contains(dghFixed3D) ? 1 : 3;
    grid_->SetRowHeights(0, std::max(1, height - trim));
  }
}

void TDBGridExLayout::UpdateEditButtonWidth() {
  const bool flat = grid_->Flat();
  const int base = BaseEditButtonSize(flat).Width;
  const int scaled = ScaleButtonWidthEx(base, true);
  const int rowHeight = grid_->DefaultRowHeight();
  if (rowHeight > scaled) {
    editButtonWidth_ = flat ? scaled : base;
    editButtonHeight_ = ScaleButtonWidthEx(base, flat);
  } else {
    editButtonWidth_ = rowHeight;
    editButtonHeight_ = rowHeight;
  }
}

// A column added or removed since the last pass has no leaf of its own yet.
THeadTreeNode* TDBGridExLayout::TitleLeaf(int dataCol) const {
  if (!grid_->UseMultiTitle() || dataCol < 0 || dataCol >= static_cast<int>(titleLeaves_.size())) return nullptr;
  if (dataCol >= grid_->Columns()->Count()) return nullptr;
  THeadTreeNode* leaf = titleLeaves_[static_cast<size_t>(dataCol)];
  return leaf->Column == grid_->Columns()->Items(dataCol) ? leaf : nullptr;
}

void TDBGridExLayout::ForgetTitleTree() {
  titleLeaves_.clear();
  titleRoot_->FreeAllChild();
}

// Every child's caption plus its own sub-tree; the tallest total sets the node's height, and
// shorter children stretch their captions (leaves their whole height) to match it.
int TDBGridExLayout::CalcTitleNodeHeight(THeadTreeNode* node) {
  THeadTreeNode* first = node->Child;
  if (first == nullptr) return 0;
  const int lineWidth = grid_->Options().Contains(dgColLines) ? grid_->GridLineWidth() : 0;
  int tallest = 0;
  THeadTreeNode* child = first;
  do {
    const int below = child->Child != nullptr ? CalcTitleNodeHeight(child) : 0;
    int caption = 0;
    if (child->Width >= 1) {
      TFont* font = child->Column != nullptr ? child->Column->Title()->Font() : grid_->TitleFont();
      const String text = child->Text.empty() ? String(" ") : child->Text;
      caption = VerticalCaption(child)
                    ? UprightTextLength(font, text) + kVerticalCaptionMargin
                    : WrappedTextHeight(font, text, child->Width - 4 - lineWidth) + grid_->VTitleMargin();
    }
    tallest = std::max(tallest, caption + below);
    child->Height = below;  // the sub-tree's height until the total is known
    child = child->Next;
  } while (child != first);
  do {
    child->Height = child->Child == nullptr ? tallest : tallest - child->Height;
    child = child->Next;
  } while (child != first);
  node->Height = tallest;
  return tallest;
}
