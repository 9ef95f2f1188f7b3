// The tree of records under the mouse and the keys: node buttons in the first column's indent
// and the number-pad keys open and close nodes, the view staying where it was.
#include "gridlib/grid/tree_nodes.h"

#include <algorithm>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/row_source.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/scroll_bars.h"

IMemTableEx* TDBGridExTreeNodes::Table() const {
  return grid_->RowSource()->RecordAccess();
}

bool TDBGridExTreeNodes::Active() const {
  IMemTableEx* table = Table();
  return table != nullptr && grid_->DataLink()->Active() && table->TreeViewActive();
}

bool TDBGridExTreeNodes::NodeKey(uint16_t key) {
  if (!Active()) return false;
  TNodeChange change = ncToggle;
  switch (key) {
    case VK_MULTIPLY: change = ncToggle; break;
    case VK_ADD: change = ncExpand; break;
    case VK_SUBTRACT: change = ncCollapse; break;
    default: return false;
  }
  ChangeNode(grid_->CurrentDataRow(), change);
  return true;
}

bool TDBGridExTreeNodes::NodeChar(char16_t ch) const {
  return (ch == u'*' || ch == u'+' || ch == u'-') && Active();
}

bool TDBGridExTreeNodes::MouseDown(int x, int y) {
  if (!Active()) return false;
  const TGridCoord cell = grid_->CoordAt(x, y);
  if (cell.X != grid_->IndicatorOffset() || cell.Y < 0) return false;
  const TDBGridExCellType type = grid_->GetCellType(cell.X, cell.Y);
  if (type.RowKind != grkData || type.DataCol != 0) return false;
  int level = 0;
  {
    DataRowReader reader(grid_);
    if (!reader.Select(type.DataRow)) return false;
    level = std::max(0, Table()->NodeLevel());
  }
  const int indent = kLevelWidth * level;
  const int offset = x - grid_->CellRect(cell.X, cell.Y).Left;
  if (offset >= indent) return false;
  // The node's own button is the last step of the indent; the steps before it are lines.
  if (offset >= indent - kLevelWidth) ChangeNode(type.DataRow, ncToggle);
  return true;
}

void TDBGridExTreeNodes::ChangeNode(int dataRow, TNodeChange change) {
  IMemTableEx* table = Table();
  const int topPosition = grid_->TopRow() - grid_->FixedRows() + 1;
  {
    // The current record's node needs no reading of another row (it may be scrolled away).
    DataRowReader reader(grid_);
    if (dataRow != grid_->CurrentDataRow() && !reader.Select(dataRow)) return;
    if (!table->NodeHasChildren()) return;
    const bool expanded = table->NodeExpanded();
    const bool wanted = change == ncToggle ? !expanded : change == ncExpand;
    if (wanted == expanded) return;
    table->SetNodeExpanded(wanted);
  }
  // The rows below the node come or go; the rows above it stay where they were.
  grid_->SetRowHeights();
  grid_->Perform(WM_VSCROLL, MakeWParam(SB_THUMBPOSITION, topPosition), 0);
  grid_->Invalidate();
}
