// The layout pass: from the columns, the options, the fonts and the data link to the base
// grid's column and row counts, fixed cells, widths and heights.
#include <algorithm>

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/core/scope_guard.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/data/field.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/text_out.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_tree.h"

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

bool FieldIsMapped(TGridDataLinkEx* link, TField* field) {
  for (int i = 0; i < link->FieldCount(); ++i) {
    if (link->GetMappedField(i) == field) return true;
  }
  return false;
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

void TCustomDBGridEx::LayoutChanged() {
  if (InLayout() || inLayoutPass_ || IsLoading() || IsDestroying() || Columns() == nullptr) return;
  InternalLayout();
}

void TCustomDBGridEx::InternalLayout() {
  if (IsLoading() || IsDestroying()) return;
  DropPendingDeferredLayout();
  auto pass = ScopedValue(inLayoutPass_, true);
  DropOrphanDefaultColumns();
  DataLink()->ClearMapping();
  if (DataLink()->Active()) MapColumnsToFields();
  BindColumnsToFields();
  PlaceFixedColumns();
  titleOffset_ = TitleRowCount();
  MeasureDataRows();
  MeasureTitleRow();
  ApplyScrollBarStyle();
  UpdateColWidthsAndTabStops();
  if (AutoFitColWidths() && !IsDesigning() && HandleAllocated()) AutoFitColumns();
  FitTitleHeights();
  UpdateColWidthsAndTabStops();
  Columns()->KeepSelectedColumnVisible();
  const int leftCol = LeftCol();
  SetRowHeights();
  if (Options().Contains(dgRowSelect) && leftCol < ColCount()) SetLeftCol(leftCol);
  UpdateActive();
  Invalidate();
  // Columns the layout freed leave the column selection too.
  if (Selection()->SelectionType() == gstColumns) Selection()->Columns()->Refresh();
  PlaceFilterEditor(false);
}

// Columns the grid made for fields give way to stored ones as soon as the collection holds
// both kinds in that order.
void TCustomDBGridEx::DropOrphanDefaultColumns() {
  TDBGridColumnsEx* columns = Columns();
  for (int i = 1; i < columns->Count(); ++i) {
    if (columns->Items(i)->IsStored() && columns->Items(i - 1)->IsDefaultColumn()) {
      TCollectionUpdateLock lock(*columns);
      for (int j = columns->Count() - 1; j >= 0; --j) {
        if (columns->Items(j)->IsDefaultColumn()) delete columns->Items(j);
      }
      return;
    }
  }
}

// Stored columns look their fields up again; default columns follow the mapped fields one to
// one, in field order. Without fields there is still one column to stand on.
void TCustomDBGridEx::BindColumnsToFields() {
  TDBGridColumnsEx* columns = Columns();
  if (columns->State() == csCustomized) {
    columns->ReleaseFields();
    return;
  }
  TGridDataLinkEx* link = DataLink();
  TCollectionUpdateLock lock(*columns);
  if (!link->Active()) {
    columns->Clear();
  } else {
    for (int i = columns->Count() - 1; i >= 0; --i) {
      TField* field = columns->Items(i)->Field();
      if (field == nullptr || !FieldIsMapped(link, field)) delete columns->Items(i);
    }
  }
  const int passes = std::max(link->FieldCount(), columns->Count() == 0 ? 1 : 0);
  for (int j = 0; j < passes; ++j) {
    TField* field = j < link->FieldCount() ? link->GetMappedField(j) : nullptr;
    TColumnEx* found = nullptr;
    for (int i = j; i < columns->Count() && field != nullptr && found == nullptr; ++i) {
      if (columns->Items(i)->Field() == field) found = columns->Items(i);
    }
    if (found == nullptr) {
      found = columns->InternalAdd();
      if (field != nullptr) found->SetField(field);
    }
    // Only the column moves to its field's place: moving a default column moves its field
    // too, which would reorder the very fields this pass binds to.
    found->TCollectionItem::SetIndex(j);
  }
}

// The indicator and the frozen columns stay put; hidden columns inside the frozen area, and
// those right after it, go with them since they take no room. One grid column always
// scrolls, so FixedCols stays below ColCount.
void TCustomDBGridEx::PlaceFixedColumns() {
  TDBGridColumnsEx* columns = Columns();
  visibleColumns_.clear();
  for (int i = 0; i < columns->Count(); ++i) {
    if (columns->Items(i)->Visible()) visibleColumns_.push_back(i);
  }
  const bool freezes = DataLink()->Active() || columns->State() == csCustomized;
  const int frozen = freezes ? std::max(0, frozenCols_) : 0;
  int hiddenFixed = 0;
  int visibleSeen = 0;
  for (int i = 0; i < columns->Count(); ++i) {
    if (columns->Items(i)->Visible()) {
      if (visibleSeen++ >= frozen) break;
    } else {
      ++hiddenFixed;
    }
  }
  const int colCount = std::max(1, columns->Count() + IndicatorOffset());
  int fixed = IndicatorOffset() + std::min(frozen, static_cast<int>(visibleColumns_.size())) + hiddenFixed;
  if (visibleColumns_.empty()) --fixed;
  SetColCount(colCount);
  SetFixedCols(std::clamp(fixed, 0, colCount - 1));
}

// Data rows are one line of the grid's font high unless RowHeight or RowLines say otherwise.
void TCustomDBGridEx::MeasureDataRows() {
  const FontHeights font = MeasureFont(Font());
  int extra = Flat() ? 1 : 3;
  if (Options().Contains(dgRowLines)) extra += GridLineWidth();
  const int titleHeight = RowHeights(0);
  if (rowHeight_ < 1 && rowLines_ < 1) {
    SetDefaultRowHeight(font.Text + extra);
  } else {
    SetDefaultRowHeight(LinePitch(font, OptionsEx().Contains(dghFitRowHeightToText)) * rowLines_ +
                        rowHeight_);
  }
  if (OptionsEx().Contains(dghFitRowHeightToText)) FitRowHeightToText(font.Text, extra);
  SetRowHeights(0, titleHeight);
  UpdateEditButtonWidth();
  const TEXTMETRIC& tm = font.Metrics;
  wordWrapPossible_ =
      tm.tmHeight + tm.tmExternalLeading + tm.tmInternalLeading + TitleTextAllowance() < DefaultRowHeight();
}

// Rounds the data row height to whole lines: more than half a line rounds up.
void TCustomDBGridEx::FitRowHeightToText(int textHeight, int extra) {
  const int room = DefaultRowHeight() - extra;
  const int lines = room / textHeight;
  const int rest = room % textHeight;
  const int fitted = (rest > textHeight / 2 || lines == 0) ? lines + 1 : lines;
  SetDefaultRowHeight(fitted * textHeight + extra);
  rowLines_ = fitted;
  rowHeight_ = extra;
}

// A single-level title row is as high as the tallest column title font needs.
void TCustomDBGridEx::MeasureTitleRow() {
  if (!Options().Contains(dgTitles) || UseMultiTitle()) return;
  int height = 0;
  for (int i = 0; i < Columns()->Count(); ++i) {
    height = std::max(height, MeasureFont(Columns()->Items(i)->Title()->Font()).Text);
  }
  if (Columns()->Count() == 0) height = MeasureFont(TitleFont()).Text;
  SetRowHeights(0, height + TitleTextAllowance());
}

// The base grid shows only the horizontal bar; the vertical one follows the records.
void TCustomDBGridEx::ApplyScrollBarStyle() {
  const bool ownBar = HorzScrollBar()->Visible() && HorzScrollBar()->ExtScrollBar() == nullptr;
  const TScrollStyle style = (AutoFitColWidths() && !IsDesigning()) || !ownBar ? ssNone : ssHorizontal;
  if (style == ScrollBars()) return;
  SetScrollBars(style);
  if (HandleAllocated()) UpdateVertScrollBar();
}

void TCustomDBGridEx::UpdateColWidthsAndTabStops() {
  const int offset = IndicatorOffset();
  const int hiddenWidth = Options().Contains(dgColLines) ? -1 : 0;
  const int count = std::min(Columns()->Count(), ColCount() - offset);
  for (int i = 0; i < count; ++i) {
    TColumnEx* column = Columns()->Items(i);
    TField* field = column->Field();
    const bool tabStop = column->Visible() && DataLink()->Active() && !column->ReadOnly() &&
                         field != nullptr && !field->Calculated() && field->CanModify();
    SetTabStops(i + offset, tabStop);
    SetColWidths(i + offset, column->Visible() ? column->Width() : hiddenWidth);
  }
  if (offset > 0) SetColWidths(0, kIndicatorWidth);
}

// Title heights set by TitleHeight/TitleLines, or by the multi-level title tree.
void TCustomDBGridEx::FitTitleHeights() {
  if (!Options().Contains(dgTitles) || !UseMultiTitle()) ForgetTitleTree();
  if (!Options().Contains(dgTitles)) return;
  if (titleHeight_ != 0 || titleLines_ != 0) {
    TFont* tallest = TitleFont();
    int tallestHeight = -1;
    for (int i = 0; i < Columns()->Count(); ++i) {
      TFont* font = Columns()->Items(i)->Title()->Font();
      const int height = MeasureFont(font).Text;
      if (height > tallestHeight) {
        tallestHeight = height;
        tallest = font;
      }
    }
    const TEXTMETRIC tm = MeasureFont(tallest).Metrics;
    int height = titleLines_ * tm.tmHeight + tm.tmExternalLeading + 2 + titleHeight_;
    if (Options().Contains(dgRowLines)) ++height;
    SetRowHeights(0, std::max(0, height));
  }
  if (UseMultiTitle()) {
    TitleLeaves() = TitleRoot()->BuildTitleTree(Columns(), RowHeights(0), Options().Contains(dgColLines));
    const int height = CalcTitleNodeHeight(TitleRoot());
    const int trim = OptionsEx().Contains(dghFixed3D) ? 1 : 3;
    SetRowHeights(0, std::max(1, height - trim));
  }
}

// A column added or removed since the last layout has no leaf of its own yet.
THeadTreeNode* TCustomDBGridEx::TitleLeaf(int dataCol) const {
  if (!UseMultiTitle() || dataCol < 0 || dataCol >= static_cast<int>(titleLeaves_.size())) return nullptr;
  if (dataCol >= Columns()->Count()) return nullptr;
  THeadTreeNode* leaf = titleLeaves_[static_cast<size_t>(dataCol)];
  return leaf->Column == Columns()->Items(dataCol) ? leaf : nullptr;
}

void TCustomDBGridEx::ForgetTitleTree() {
  titleLeaves_.clear();
  titleRoot_->FreeAllChild();
}

// Every child's caption plus its own sub-tree; the tallest total sets the node's height, and
// shorter children stretch their captions (leaves their whole height) to match it.
int TCustomDBGridEx::CalcTitleNodeHeight(THeadTreeNode* node) {
  THeadTreeNode* first = node->Child;
  if (first == nullptr) return 0;
  const int lineWidth = Options().Contains(dgColLines) ? GridLineWidth() : 0;
  int tallest = 0;
  THeadTreeNode* child = first;
  do {
    const int below = child->Child != nullptr ? CalcTitleNodeHeight(child) : 0;
    int caption = 0;
    if (child->Width >= 1) {
      TFont* font = child->Column != nullptr ? child->Column->Title()->Font() : TitleFont();
      const String text = child->Text.empty() ? String(" ") : child->Text;
      caption = VerticalCaption(child)
                    ? UprightTextLength(font, text) + kVerticalCaptionMargin
                    : WrappedTextHeight(font, text, child->Width - 4 - lineWidth) + vTitleMargin_;
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

// This pass does what a queued deferred layout would; a quit taken out with it goes back.
void TCustomDBGridEx::DropPendingDeferredLayout() {
  if (!HandleAllocated()) return;
  MSG pending;
  while (PeekMessage(pending, Handle(), GM_DEFERREDLAYOUT, GM_DEFERREDLAYOUT, PM_REMOVE)) {
    if (pending.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(pending.wParam));
      return;
    }
  }
}
