#pragma once

class TDBGridExHost;

// Binds the grid's columns to the data set's fields, the step before every layout pass (which
// then only measures and places them): default columns the grid made give way to stored ones,
// the data link maps the columns to fields, stored columns look their fields up again and
// default columns follow the mapped fields one to one, in field order. Without fields there is
// still one column to stand on.
void BindColumnsToFields(TDBGridExHost* grid);
