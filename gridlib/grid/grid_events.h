#pragma once

#include <vector>

#include "gridlib/grid/grid_types.h"
#include "platform/core/events.h"
#include "platform/data/db_types.h"
#include "platform/graphics/colors.h"

class TColumnEx;
class TField;
class TFont;

// The events of the data grid, shared by its drop-down lookup list.
using TDBGridExColumnEvent = TEvent<void(TColumnEx* Column)>;
using TDBGridExCheckButtonEvent = TEvent<void(TObject* Sender, int ACol, TColumnEx* Column, bool& Enabled)>;
using TDBGridExTitleBtnEvent = TEvent<void(TObject* Sender, int ACol, TColumnEx* Column)>;
using TGetCellExParamsEvent = TEvent<void(TObject* Sender, TColumnEx* Column, TFont* AFont,
                                          TColor& Background, TGridDrawState State)>;
using TGetFooterParamsEvent =
    TEvent<void(TObject* Sender, int DataCol, int Row, TColumnEx* Column, TFont* AFont,
                TColor& Background, TAlignment& Alignment, TGridDrawState State, String& Text)>;
using TGetBtnExParamsEvent = TEvent<void(TObject* Sender, TColumnEx* Column, TFont* AFont,
                                         TColor& Background, TSortMarkerEx& SortMarker, bool IsDown)>;
using TDrawDataCellEvent =
    TEvent<void(TObject* Sender, const TRect& Rect, TField* Field, TGridDrawState State)>;
using TDrawColumnExCellEvent = TEvent<void(TObject* Sender, const TRect& Rect, int DataCol,
                                           TColumnEx* Column, TGridDrawState State)>;
using TDrawFooterCellEvent = TEvent<void(TObject* Sender, int DataCol, int Row, TColumnEx* Column,
                                         const TRect& Rect, TGridDrawState State)>;
// Answers whether the records may move (CheckOnly), or moves them and answers whether it did.
using TMoveRecordsEvent = TEvent<bool(TObject* Sender, const std::vector<TBookmark>& BookmarkList,
                                      int ToRecNo, int TreeLevel, bool CheckOnly)>;
