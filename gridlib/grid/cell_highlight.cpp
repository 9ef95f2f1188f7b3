// How the shared style colours selected and focused cells.
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/grid_style.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"

namespace {

// Blended colours need a screen that shows more than 256 colours.
bool CanBlend(int colorCount) { return colorCount == -1 || colorCount > 256; }

}  // namespace

TCellHighlight TDBGridExStyle::GetDataCellHighlight(TDBGridExHost* grid, int gridCol, int gridRow,
                                                    int dataCol, TGridDrawState state, TFont* font,
                                                    TColor& background) const {
  TCellHighlight result;
  TGridDataLinkEx* link = grid->DataLink();
  // Only a selection asks for the record's bookmark.
  result.Selected = link->Active() && grid->Selection()->SelectionType() != gstNon &&
                    grid->Selection()->DataCellSelected(dataCol, link->DataSet()->GetBookmark());
  const TDBGridOptions options = grid->Options();
  const bool rowSelect = options.Contains(dgRowSelect);
  const bool currentRow = gridRow == grid->CurrentGridRow();
  const bool currentCell = currentRow && (rowSelect || gridCol == grid->CurrentGridCol());
  const bool focused = grid->HasFocus();
  bool focusLike = false;
  if (result.Selected) {
    result.Highlighted = true;
  } else {
    focusLike = focused && grid->OptionsEx().Contains(dghHighlightFocus);
    if (grid->OptionsEx().Contains(dghRowHighlight) && currentRow &&
        grid->Selection()->SelectionType() == gstNon && gridCol != grid->CurrentGridCol()) {
      focusLike = true;
      state += gdSelected;
    }
    result.Highlighted = (state.Contains(gdSelected) || (currentRow && rowSelect)) &&
                         (options.Contains(dgAlwaysShowSelection) || focusLike) &&
                         (!grid->InplaceEditorShowing() || rowSelect);
  }
  if (!result.Highlighted) return result;
  if (focused) {
    if (luminate_ && CanBlend(colorCount_) && !currentCell) {
      background = BlendColors(background, clHighlight, true);
    } else {
      background = clHighlight;
      font->SetColor(clHighlightText);
    }
  } else if (currentCell && (options.Contains(dgAlwaysShowSelection) || focusLike)) {
    background = clBtnShadow;
    font->SetColor(clHighlightText);
  } else {
    background = CanBlend(colorCount_) ? BlendColors(background, clBtnShadow, false) : clBtnFace;
  }
  return result;
}

bool TDBGridExStyle::GetFixedCellHighlight(TDBGridExHost* grid, TGridColKind colKind, TGridRowKind rowKind,
                                           bool selected, TFont* font, TColor& background) const {
  if (!selected) return false;
  const bool indicatorBesideData = colKind == gckIndicator && rowKind != grkFiller;
  const bool dataColumnTitle = colKind == gckData && (rowKind == grkTitle || rowKind == grkFilter);
  if (indicatorBesideData || dataColumnTitle) {
    background = RGB(64, 64, 64);
    font->SetColor(0xFFFFFF);
    return true;
  }
  if (!grid->HasFocus()) {
    background = CanBlend(colorCount_) ? BlendColors(background, clBtnShadow, false) : clBtnFace;
  } else if (luminate_ && CanBlend(colorCount_)) {
    background = BlendColors(background, clHighlight, true);
  } else {
    background = clHighlight;
    font->SetColor(clHighlightText);
  }
  return true;
}
