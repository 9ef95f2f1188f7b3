#pragma once

#include "platform/data/record_filter.h"

class TCustomDBGridEx;
class TDataSet;

// The record filter the grid's filter row stands for: for every column with an expression,
// the tests on the field it filters (a key-field column tests the key its text found).
TRecordFilter GridColumnFilter(TCustomDBGridEx* grid);

// Filters the data set on the grid's filter row.
void ApplyGridColumnFilters(TCustomDBGridEx* grid, TDataSet* dataSet);
