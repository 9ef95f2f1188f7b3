// Title cells: caption, title image, sort marker with its index, and the headings of
// multi-level titles above them.
#include <algorithm>
#include <utility>

#include "gridlib/grid/canvas_scopes.h"
#include "gridlib/grid/cell_painter.h"
#include "gridlib/grid/cell_text.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_images.h"
#include "gridlib/grid/grid_unit.h"
#include "gridlib/grid/head_tree.h"
#include "platform/core/format.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/image_list.h"

namespace {

// The marker takes this room at the title's right edge; an image of it this much.
constexpr int kMarkerRoom = 16;
constexpr int kMarkerImageRoom = 14;
// The layout makes the title row lower than its title tree (by this much, or inside 3D frames
// by 1 plus the frame); the leaf's own part of a title cell reaches this much above the leaf's
// height, so that the headings stacked above it begin at the row's top.
constexpr int kLeafOverlap = 3;

int SortIndexWidth(TCanvas* canvas, int index) {
  FontScope font(canvas);
  UseFont(canvas, SortIndexFont());
  return canvas->TextWidth(IntToStr(index));
}

}  // namespace

void TDBGridExCellPainter::PaintTitleCell(TCellPaint& cell, TColumnEx* column) {
  TDBGridExHost* grid = view_.Model();
  TCanvas* canvas = view_.Canvas();
  TColumnTitleEx* title = column->Title();
  THeadTreeNode* leaf = grid->UseMultiTitle() ? view_.TitleLeaf(cell.DataCol) : nullptr;
  TRect rect = cell.Rect;
  String text = title->Caption();
  if (leaf != nullptr) {
    rect.Top = std::max(rect.Top, cell.Rect.Bottom - leaf->Height + kLeafOverlap);
    text = leaf->Text;
  }
  TRect textRect = rect;
  TCustomImageList* images = view_.TitleImages();
  const bool image = images != nullptr && title->ImageIndex() != -1;
  if (image) text.clear();
  const int imageWidth = image ? images->Width() : 0;
  TSortMarkerEx marker = title->SortMarker();
  const bool buttonParams = column->Field() != nullptr && view_.HasGetBtnParams();
  if (buttonParams) {
    TColor background = canvas->Brush()->Color();
    view_.GetBtnParams(column, canvas->Font(), background, marker, cell.Pressed);
    canvas->Brush()->SetColor(background);
  }
  const bool singleLine = !grid->UseMultiTitle() && view_.TitleHeight() == 0 && view_.TitleLines() == 0;
  const int shift = cell.Pressed ? (singleLine ? 1 : 2) : 0;
  textRect.Top += shift;
  int markerIndex = marker == smDownEx ? 0 : marker == smUpEx ? 1 : -1;
  int indexWidth = 0;
  if (markerIndex >= 0) {
    textRect.Right -= kMarkerRoom;
    if (grid->SortMarkedColumns().size() >= 2) indexWidth = SortIndexWidth(canvas, title->SortIndex());
    if (textRect.Left + imageWidth > textRect.Right) {
      // No room for the marker's image: the index alone keeps its place at the edge.
      textRect.Right += kMarkerImageRoom - indexWidth;
      markerIndex = -1;
      if (textRect.Left + imageWidth > textRect.Right) {
        // Nor for the index: the text takes the whole title.
        textRect.Right += indexWidth + 2;
        indexWidth = 0;
      }
    }
  }
  UseFont(canvas, title->Font());
  if (buttonParams) {
    TColor unused = canvas->Brush()->Color();
    view_.GetBtnParams(column, canvas->Font(), unused, marker, cell.Pressed);
  }
  TColor background = canvas->Brush()->Color();
  const bool selected = grid->CellSelected(cell.Col, grkTitle, cell.DataCol, String());
  cell.Highlighted = GetFixedCellParams(cell, canvas->Font(), background, selected);
  canvas->Brush()->SetColor(background);
  canvas->FillRect(Rect(textRect.Right, rect.Top, rect.Right, rect.Bottom));
  if (singleLine) OffsetRect(textRect, shift, 0);
  // A pressed title moves its text down (and, on one line, right): the strips it leaves are
  // filled too.
  if (shift > 0) {
    canvas->FillRect(Rect(rect.Left, rect.Top, std::min(textRect.Right, rect.Right), textRect.Top));
    canvas->FillRect(Rect(rect.Left, textRect.Top, textRect.Left, rect.Bottom));
  }
  PaintTitleText(cell, column, textRect, shift);
  if (image) {
    DrawClipped(images, canvas, grid->UseMultiTitle() ? taCenter : title->Alignment(), shift, title->ImageIndex(),
                textRect);
  }
  if (markerIndex >= 0 || indexWidth > 0) {
    TCellPaint markerCell = cell;
    markerCell.Rect = rect;
    PaintSortMarker(markerCell, column, markerIndex, indexWidth, shift);
  }
}

void TDBGridExCellPainter::PaintTitleText(const TCellPaint& cell, TColumnEx* column, const TRect& textRect,
                                          int shift) {
  TDBGridExHost* grid = view_.Model();
  TColumnTitleEx* title = column->Title();
  const String text = grid->UseMultiTitle() && view_.TitleLeaf(cell.DataCol) != nullptr
                          ? view_.TitleLeaf(cell.DataCol)->Text
                          : (view_.TitleImages() != nullptr && title->ImageIndex() != -1 ? String() : title->Caption());
  const bool multi = grid->UseMultiTitle();
  const bool singleLine = !multi && view_.TitleHeight() == 0 && view_.TitleLines() == 0;
  const TAlignment alignment = multi ? taCenter : title->Alignment();
  if (title->Orientation() == tohVertical) {
    WriteTextVerticalEx(view_.Canvas(), textRect, true, cell.DX, cell.DY + 2, text, alignment, tlBottom, false);
    return;
  }
  if (singleLine) {
    WriteCellText(column, textRect, true, cell.DX, cell.DY, text, alignment, tlTop, false, title->EndEllipsis(),
                  shift, -shift);
    return;
  }
  WriteCellText(column, textRect, true, cell.DX, cell.DY, text, alignment, tlCenter, true, title->EndEllipsis(),
                shift, -shift);
}

void TDBGridExCellPainter::PaintSortMarker(const TCellPaint& cell, TColumnEx* column, int markerIndex,
                                           int indexWidth, int shift) {
  TCanvas* canvas = view_.Canvas();
  TCustomImageList* markers = SortMarkerImages();
  if (markers == nullptr) return;
  const TRect& rect = cell.Rect;
  const int x = rect.Right - markers->Width() - 2 - indexWidth + shift;
  const int y = (rect.Top + rect.Bottom - markers->Height()) / 2 + shift;
  if (markerIndex >= 0) markers->Draw(canvas, x, y, markerIndex, true);
  if (indexWidth <= 0 || SortIndexFont() == nullptr) return;
  FontScope font(canvas);
  TFont digits;
  digits.Assign(SortIndexFont());
  if (cell.Highlighted) digits.SetColor(static_cast<TColor>(0xFFFFFF));
  UseFont(canvas, &digits);
  canvas->TextOut(rect.Right - indexWidth - 2 + shift, y - 1, IntToStr(column->Title()->SortIndex()));
}

// ---- Multi-level headings.

void TDBGridExCellPainter::PaintTitleHeaders(TCellPaint& cell, TColumnEx* column) {
  TDBGridExHost* grid = view_.Model();
  TCanvas* canvas = view_.Canvas();
  THeadTreeNode* leaf = view_.TitleLeaf(cell.DataCol);
  if (leaf == nullptr || leaf->Heading() == nullptr) return;
  UseFont(canvas, grid->TitleFont());
  TColor background = grid->FixedColor();
  if (cell.Highlighted) GetFixedCellParams(cell, canvas->Font(), background, true);
  canvas->Brush()->SetColor(background);
  // The leaf's part as the title cell drew it inside its frame, grown back by the frame.
  const int frame = cell.Frame3D ? 1 : 0;
  TRect child = cell.Rect;
  child.Top = std::max(cell.Rect.Top, cell.Rect.Bottom - frame - leaf->Height + kLeafOverlap - frame);
  const TRect leafPart = Rect(cell.Rect.Left, child.Top, cell.Rect.Right, cell.Rect.Bottom);
  int childLeft = cell.Rect.Left;
  THeadTreeNode* node = leaf;
  for (THeadTreeNode* heading = node->Heading(); heading != nullptr; heading = heading->Heading()) {
    childLeft -= node->OffsetInHeading();
    DrawHeading(cell, heading, child, childLeft, column->Title()->EndEllipsis());
    node = heading;
  }
  // Under its headings the leaf is a framed cell of its own; its top edge lies on the row the
  // headings leave, which would otherwise keep whatever the window showed there before.
  if (cell.Frame3D) DrawCellEdges(leafPart, true, true, cell.Highlighted || cell.Pressed, false);
}

// Where a heading's text may go in this cell's piece of it: the part of its span that shows,
// up to the last cell shown. While columns are scrolled away, those left of the first one
// shown are hidden between the frozen columns and the rest: a heading's part among the frozen
// columns and its part among the scrolled ones then each show the text.
std::pair<int, int> TDBGridExCellPainter::ShownSpan(const TCellPaint& cell, int hostLeft, int hostRight) {
  TDBGridExDrawInfo info;
  view_.CalcDrawInfo(info);
  const int scrollStart = info.Horz.FixedBoundary;
  const int shownEnd = std::min(info.Horz.GridBoundary, info.Horz.GridExtent);
  if (view_.LeftCol() == view_.FixedCols()) return {hostLeft, std::min(hostRight, shownEnd)};
  if (cell.Col >= view_.FixedCols()) return {std::max(hostLeft, scrollStart), std::min(hostRight, shownEnd)};
  return {hostLeft, std::min(hostRight, scrollStart)};
}

// One heading's piece above this column: `child` is the rectangle below it, `childLeft` the
// heading's left edge in the client area. Both become the heading's for the next level.
void TDBGridExCellPainter::DrawHeading(const TCellPaint& cell, THeadTreeNode* heading, TRect& child,
                                       int& childLeft, bool endEllipsis) {
  TDBGridExHost* grid = view_.Model();
  TCanvas* canvas = view_.Canvas();
  const bool rowLines = grid->Options().Contains(dgRowLines);
  const bool fixed3D = cell.State.Contains(gdFixed) && grid->OptionsEx().Contains(dghFixed3D);
  const int hostLeft = childLeft;
  const int hostRight = hostLeft + heading->Width;
  const int hostTop = child.Top - heading->Height;
  TRect drawn = Rect(cell.Rect.Left, hostTop, cell.Rect.Right, child.Top - (rowLines ? 1 : 0));
  const bool ownLeft = hostLeft == cell.Rect.Left;
  const bool ownRight = hostRight == cell.Rect.Right;
  const bool lastFrozenScrolled = cell.Col == view_.FixedCols() - 1 && view_.LeftCol() != view_.FixedCols();
  if (!ownRight && !lastFrozenScrolled) ++drawn.Right;
  if (fixed3D) InflateRect(drawn, 0, -1);
  if (ownLeft) {
    canvas->FillRect(Rect(drawn.Left, drawn.Top, drawn.Left + 2, drawn.Bottom));
    drawn.Left += 2;
  }
  if (ownRight) {
    canvas->FillRect(Rect(drawn.Right - 2, drawn.Top, drawn.Right, drawn.Bottom));
    drawn.Right -= 2;
  }
  // The text is laid out over the shown part of the heading, 2 pixels in from either end, and
  // each cell draws its piece of it.
  const auto [textLeft, textRight] = ShownSpan(cell, hostLeft, hostRight);
  const int leftMarg = textLeft + 2 - drawn.Left;
  const int rightMarg = drawn.Right - (textRight - 2);
  WriteCellText(nullptr, drawn, true, 0, cell.DY, heading->Text, taCenter, tlCenter, true, endEllipsis, leftMarg,
                rightMarg);
  if (fixed3D) {
    if (ownLeft) drawn.Left -= 2;
    if (ownRight) drawn.Right += 2;
    InflateRect(drawn, 0, 1);
    DrawCellEdges(drawn, ownLeft, ownRight, cell.Highlighted, false);
  }
  if (rowLines) {
    PenScope pen(canvas, Flat() ? static_cast<TColor>(0x808080) : clBlack);
    canvas->MoveTo(cell.Rect.Left, drawn.Bottom);
    canvas->LineTo(cell.Rect.Right, drawn.Bottom);
  }
  child.Top = hostTop;
  childLeft = hostLeft;
}
