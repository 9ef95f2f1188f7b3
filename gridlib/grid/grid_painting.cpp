// The data grid's painting: its paint overrides and messages hand the work to its painters,
// which read the grid through the paint view made here.
#include "gridlib/grid/cell_painter.h"
#include "gridlib/grid/cell_text.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_painter.h"
#include "gridlib/grid/head_tree.h"
#include "gridlib/grid/row_source.h"
#include "platform/windows/messages.h"

namespace {

// The grid as its painters see it.
class TDBGridExPaintAdapter : public TDBGridExPaintView {
 public:
  explicit TDBGridExPaintAdapter(TCustomDBGridEx* grid) : grid_(grid) {}

  TDBGridExHost* Model() override { return grid_; }
  TCanvas* Canvas() override { return grid_->Canvas(); }
  HWND Window() override { return grid_->Handle(); }
  TDBGridExCellType CellType(int col, int row) override { return grid_->GetCellType(col, row); }
  void CalcDrawInfo(TDBGridExDrawInfo& info) override { grid_->CalcGridDrawInfo(info); }
  int RowCount() override { return grid_->RowCount(); }
  int ColCount() override { return grid_->ColCount(); }
  int ColWidth(int col) override { return grid_->ColWidths(col); }
  int RowHeight(int row) override { return grid_->RowHeights(row); }
  int FixedCols() override { return grid_->FixedCols(); }
  int LeftCol() override { return grid_->LeftCol(); }
  int TopRow() override { return grid_->TopRow(); }
  int CurrentCol() override { return grid_->Col(); }
  int CurrentRow() override { return grid_->Row(); }
  TGridRect Selection() override { return grid_->TCustomGrid::Selection(); }
  TRect ClientRect() override { return grid_->ClientRect(); }
  int TitleOffset() override { return grid_->TitleOffset(); }
  int FooterRowCount() override { return grid_->FooterRowCount(); }
  int FrozenCols() override { return grid_->FrozenCols(); }
  int TitleHeight() override { return grid_->TitleHeight(); }
  int TitleLines() override { return grid_->TitleLines(); }
  int DefaultRowHeight() override { return grid_->DefaultRowHeight(); }
  int GridLineWidth() override { return grid_->GridLineWidth(); }
  TCellEditButtonsEx EditButtonRects(TColumnEx* column, const TRect& cell) override {
    return grid_->EditButtonRects(column, cell);
  }
  int EditButtonHeight() override { return grid_->Layout()->EditButtonHeight(); }
  bool WordWrapPossible() override { return grid_->Layout()->WordWrapPossible(); }
  bool STFilterVisible() override { return grid_->STFilterVisible(); }
  IMemTableEx* RecordAccess() override { return grid_->RowSource()->RecordAccess(); }
  THeadTreeNode* TitleLeaf(int dataCol) override { return grid_->Layout()->TitleLeaf(dataCol); }
  TColor EvenRowColor() override { return grid_->EvenRowColor(); }
  TColor OddRowColor() override { return grid_->OddRowColor(); }
  TCustomImageList* TitleImages() override { return grid_->TitleImages(); }
  bool DefaultDrawing() override { return grid_->DefaultDrawing(); }
  bool Ctl3D() override { return grid_->Ctl3D(); }
  bool RightToLeft() override { return grid_->BiDiMode() == bdRightToLeft; }
  TBorderStyle BorderStyle() override { return grid_->BorderStyle(); }
  TGridOptions GridOptions() override { return grid_->TCustomGrid::Options(); }
  bool EditorMode() override { return grid_->EditorMode(); }
  int PressedTitleCol() override { return grid_->Input() != nullptr ? grid_->Input()->PressedTitleCol() : -1; }
  bool IsActiveControl() override { return grid_->IsActiveControl(); }
  bool HasFocus() override { return grid_->HasFocus(); }
  std::optional<String> IncSearchText() override {
    if (!grid_->IncSearchActive() || grid_->IncSearchPaintHeld()) return std::nullopt;
    return grid_->IncSearchText();
  }
  void GetCellParams(TColumnEx* column, TFont* font, TColor& background, TGridDrawState state) override {
    grid_->GetCellParams(column, font, background, state);
  }
  void GetFooterParams(int dataCol, int row, TColumnEx* column, TFont* font, TColor& background,
                       TAlignment& alignment, TGridDrawState state, String& text) override {
    grid_->GetFooterParams(dataCol, row, column, font, background, alignment, state, text);
  }
  void DrawColumnCell(const TRect& rect, int dataCol, TColumnEx* column, TGridDrawState state) override {
    grid_->DrawColumnCell(rect, dataCol, column, state);
  }
  void DrawDataCell(const TRect& rect, TField* field, TGridDrawState state) override {
    grid_->DrawDataCell(rect, field, state);
  }
  void DrawFooterCell(int dataCol, int row, TColumnEx* column, const TRect& rect, TGridDrawState state) override {
    grid_->OnDrawFooterCell.Call(grid_, dataCol, row, column, rect, state);
  }
  bool HasGetBtnParams() override { return grid_->OnGetBtnParams.Assigned(); }
  void GetBtnParams(TColumnEx* column, TFont* font, TColor& background, TSortMarkerEx& marker, bool isDown) override {
    grid_->OnGetBtnParams.Call(grid_, column, font, background, marker, isDown);
  }
  void PaintInto(UINT message, HDC dc) override { grid_->Perform(message, reinterpret_cast<WPARAM>(dc), 0); }
  TRect BoxRect(const TGridRect& cells) override {
    return grid_->BoxRect(cells.Left, cells.Top, cells.Right, cells.Bottom);
  }
  bool LayingOut() override { return grid_->InLayoutPass(); }
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override {
    grid_->DrawCell(col, row, rect, state);
  }

 private:
  TCustomDBGridEx* grid_;
};

}  // namespace

void TCustomDBGridEx::CreatePainters() {
  AcquireDrawBitmap();
  paintView_ = std::make_unique<TDBGridExPaintAdapter>(this);
  cellPainter_ = std::make_unique<TDBGridExCellPainter>(*paintView_);
  gridPainter_ = std::make_unique<TDBGridExGridPainter>(*paintView_);
}

void TCustomDBGridEx::DestroyPainters() {
  if (paintView_ == nullptr) return;
  gridPainter_.reset();
  cellPainter_.reset();
  paintView_.reset();
  ReleaseDrawBitmap();
}

void TCustomDBGridEx::Paint() {
  if (gridPainter_ != nullptr) gridPainter_->Paint();
}

void TCustomDBGridEx::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  if (cellPainter_ != nullptr) cellPainter_->DrawCell(col, row, rect, state);
}

bool TCustomDBGridEx::NeedsDoubleBuffer() {
  IMemTableEx* tree = RecordAccess();
  return tree != nullptr && tree->TreeViewActive() && Options().Contains(dgRowLines);
}

bool TCustomDBGridEx::PaintMessage(TMessage& m) {
  if (gridPainter_ == nullptr) return false;
  switch (m.Msg) {
    case WM_PAINT:
      if (!gridPainter_->WantsOffScreen(m, NeedsDoubleBuffer())) return false;
      gridPainter_->PaintOffScreen();
      return true;
    case WM_ERASEBKGND:
      // Painting covers the whole client area.
      m.Result = 1;
      return true;
    case WM_NCCALCSIZE:
      TCustomGrid::WndProc(m);
      if (drawsFlatBorder_ && m.WParam != 0) {
        InflateRect(reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0], -1, -1);
      }
      return true;
    case WM_NCPAINT:
      TCustomGrid::WndProc(m);
      if (drawsFlatBorder_) gridPainter_->DrawFlatBorder();
      return true;
    default:
      return false;
  }
}
