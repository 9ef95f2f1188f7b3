// The grid's keyboard: arrows, pages, Home and End move the current cell (Shift extends the
// selection, Ctrl scrolls or jumps), Tab walks the cells with goTabs, F2 and Enter edit.
#include <algorithm>

#include "platform/controls/grid.h"
#include "platform/controls/inplace_edit.h"

namespace {

void Restrict(TGridCoord& c, int minX, int minY, int maxX, int maxY) {
  c.X = std::clamp(c.X, minX, std::max(minX, maxX));
  c.Y = std::clamp(c.Y, minY, std::max(minY, maxY));
}

}  // namespace

void TCustomGrid::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == 0 || !CanGridAcceptKey(key, shift)) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  int pageWidth = std::max(1, info.Horz.LastFullVisibleCell - LeftCol());
  int pageHeight = std::max(1, info.Vert.LastFullVisibleCell - TopRow());
  TGridCoord current = current_;
  TGridCoord topLeft = topLeft_;
  if (key == VK_ESCAPE && editorMode_) {
    if (inplaceEdit_) inplaceEdit_->Abandon();
    if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
    return;
  }
  if (key == VK_F2 && !shift.Contains(ssCtrl)) return SetEditorMode(true);
  if (key == VK_TAB) {
    if (!shift.Contains(ssAlt)) TabKey(shift, current);
    shift.Exclude(ssShift);
  } else {
    NavigationKey(key, shift, current, topLeft, pageWidth, pageHeight);
  }
  TGridCoord max = CalcMaxTopLeft({ColCount() - 1, RowCount() - 1}, info);
  Restrict(topLeft, fixedCols_, fixedRows_, max.X, max.Y);
  if (topLeft != topLeft_) MoveTopLeft(topLeft.X, topLeft.Y);
  Restrict(current, fixedCols_, fixedRows_, ColCount() - 1, RowCount() - 1);
  if (current != current_) FocusCell(current.X, current.Y, !shift.Contains(ssShift));
}

void TCustomGrid::NavigationKey(uint16_t key, TShiftState shift, TGridCoord& current, TGridCoord& topLeft,
                                int pageWidth, int pageHeight) {
  bool rowSelect = options_.Contains(goRowSelect);
  if (shift.Contains(ssCtrl)) {
    switch (key) {
      case VK_UP: --topLeft.Y; break;
      case VK_DOWN: ++topLeft.Y; break;
      case VK_LEFT:
        if (!rowSelect) {
          current.X -= pageWidth;
          topLeft.X -= pageWidth;
        }
        break;
      case VK_RIGHT:
        if (!rowSelect) {
          current.X += pageWidth;
          topLeft.X += pageWidth;
        }
        break;
      case VK_PRIOR: current.Y = TopRow(); break;
      case VK_NEXT: current.Y = TopRow() + pageHeight; break;
      case VK_HOME: current = {fixedCols_, fixedRows_}; break;
      case VK_END: current = {ColCount() - 1, RowCount() - 1}; break;
      default: break;
    }
    return;
  }
  switch (key) {
    case VK_UP: --current.Y; break;
    case VK_DOWN: ++current.Y; break;
    case VK_LEFT: (rowSelect ? topLeft.X : current.X) -= 1; break;
    case VK_RIGHT: (rowSelect ? topLeft.X : current.X) += 1; break;
    case VK_NEXT:
      current.Y += pageHeight;
      topLeft.Y += pageHeight;
      break;
    case VK_PRIOR:
      current.Y -= pageHeight;
      topLeft.Y -= pageHeight;
      break;
    case VK_HOME: (rowSelect ? topLeft.X : current.X) = fixedCols_; break;
    case VK_END: (rowSelect ? topLeft.X : current.X) = ColCount() - 1; break;
    default: break;
  }
}

// Tab goes to the next column that is a tab stop, wrapping to the next row (Shift+Tab back).
void TCustomGrid::TabKey(TShiftState shift, TGridCoord& current) {
  bool back = shift.Contains(ssShift);
  do {
    if (back) {
      if (--current.X < fixedCols_) {
        current.X = ColCount() - 1;
        if (--current.Y < fixedRows_) current.Y = RowCount() - 1;
      }
    } else if (++current.X >= ColCount()) {
      current.X = fixedCols_;
      if (++current.Y >= RowCount()) current.Y = fixedRows_;
    }
  } while (!tabStops_[static_cast<size_t>(current.X)] && current.X != current_.X);
}

void TCustomGrid::KeyPress(char16_t& key) {
  TCustomControl::KeyPress(key);
  if (key != u'\r' || options_.Contains(goAlwaysShowEditor)) return;
  if (editorMode_) HideEditor();
  else ShowEditor();
  key = 0;
}

void TCustomGrid::WMChar(TMessage& m) {
  bool typed = m.WParam == VK_BACK || m.WParam >= 0x20;
  if (options_.Contains(goEditing) && typed) ShowEditorChar(static_cast<char16_t>(m.WParam));
  else TCustomControl::WMChar(m);
}

void TCustomGrid::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_WANTARROWS;
  if (options_.Contains(goRowSelect)) return;
  if (options_.Contains(goTabs)) m.Result |= DLGC_WANTTAB;
  if (options_.Contains(goEditing)) m.Result |= DLGC_WANTCHARS;
}

bool TCustomGrid::CanGridAcceptKey(uint16_t, TShiftState) { return true; }
