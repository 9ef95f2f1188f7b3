#include "examples/showcase/contacts_page.h"

#include "examples/showcase/column_choices.h"
#include "examples/showcase/data_grid_page.h"
#include "examples/showcase/showcase_data_file.h"
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/data/sqlite_dataset.h"

namespace {

void AddContactColumns(TDBGridEx* grid) {
  TColumnEx* id = AddGridColumn(grid, "ID", "编号", 56);
  id->Footer()->SetValueType(fvtCount);
  TColumnEx* name = AddGridColumn(grid, "Name", "联系人|姓名", 80);
  AddGridColumn(grid, "Mobile", "联系人|手机", 110);
  TColumnEx* group = AddGridColumn(grid, "GroupName", "联系人|分组", 80);
  // Contacts are shown by group, and by name within a group: marked in that order.
  group->Title()->SetSortMarker(smDownEx);
  name->Title()->SetSortMarker(smDownEx);
  AddGridColumn(grid, "Blocked", "屏蔽", 44)->SetCheckboxes(true);
  TColumnEx* sent = AddGridColumn(grid, "SentCount", "已发短信|条数", 80);
  sent->Footer()->SetValueType(fvtSum);
  AddGridColumn(grid, "Memo", "备注", 180);
}

}  // namespace

void BuildContactsPage(TWinControl* page, const TShowcaseDataFile& file) {
  TDataGridPage contacts = PlaceDataGrid(page, "ContactsGrid", showcase_data::kContactsTable);
  TDBGridEx* grid = contacts.grid;
  SortOnTitleClicks(contacts);
  // Titles sort (Ctrl adds a column); records and blocks of cells can be selected and copied.
  grid->SetOptions(grid->Options() + dgMultiSelect);
  grid->SetEditActions({geaCopyEx, geaCutEx, geaPasteEx, geaDeleteEx, geaSelectAllEx});
  grid->SetUseMultiTitle(true);
  AddContactColumns(grid);
  grid->SetFrozenCols(1);
  grid->SetFooterRowCount(1);
  grid->SumList()->SetActive(true);
  contacts.data->SetIndexFieldNames("GroupName;Name");
  FilterOnFilterRow(contacts);
  if (!OpenDataGridPage(page, contacts, file)) return;
  NameFieldsAfterTitles(contacts);
  // A contact needs a name and a number.
  RequireTextInRequiredFields(contacts);
  TColumnEx* groups = grid->Columns()->Items(3);
  ListColumnValues(page, contacts, groups, showcase_data::kContactsTable);
  ChooseFromFilterValues(groups);
  DropChoicesOnKeys(grid, groups);
}
