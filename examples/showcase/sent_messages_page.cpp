#include "examples/showcase/sent_messages_page.h"

#include "examples/showcase/data_grid_page.h"
#include "examples/showcase/showcase_data_file.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/data/sqlite_dataset.h"

void BuildSentMessagesPage(TWinControl* page, const TShowcaseDataFile& file) {
  TDataGridPage sent = PlaceDataGrid(page, "SentGrid", showcase_data::kSentTable);
  TDBGridEx* grid = sent.grid;
  SortOnTitleClicks(sent);
  grid->SetUseMultiTitle(true);
  grid->SetReadOnly(true);
  AddGridColumn(grid, "ID", "序号", 64);
  AddGridColumn(grid, "SendTime", "发送时间", 140)->Title()->SetSortMarker(smUpEx);
  AddGridColumn(grid, "Mobile", "接收人|手机", 110);
  AddGridColumn(grid, "Name", "接收人|姓名", 80);
  // A message longer than its cell ends in an ellipsis and shows whole in a tool tip.
  TColumnEx* content = AddGridColumn(grid, "Content", "短信内容", 300);
  content->SetEndEllipsis(true);
  content->SetToolTips(true);
  AddGridColumn(grid, "Status", "状态", 70);
  grid->SetFrozenCols(1);
  sent.data->SetReadOnly(true);
  // Newest first: times rise with the ID, which is the row id, so the table is read backwards
  // in its own order instead of being sorted.
  sent.data->SortOnFields("", true, true);
  FilterOnFilterRow(sent);
  OpenDataGridPage(page, sent, file);
}
