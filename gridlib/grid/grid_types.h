#pragma once

#include <cstdint>

#include "platform/classes/enum_info.h"
#include "platform/classes/text_alignment.h"
#include "platform/core/exceptions.h"
#include "platform/core/sets.h"
#include "platform/core/strings.h"
#include "platform/controls/grid.h"
#include "platform/core/types.h"
// Option sets, kinds and errors the data grid's classes share. Stored option sets keep the
// ordinals below, so a layout written once reads back the same.

enum TDBGridOption : uint8_t {
  dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColumnResize, dgColLines,
  dgRowLines, dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit,
  dgMultiSelect
};
DECLARE_ENUM_NAMES(TDBGridOption, "dgEditing", "dgAlwaysShowEditor", "dgTitles", "dgIndicator",
                   "dgColumnResize", "dgColLines", "dgRowLines", "dgTabs", "dgRowSelect",
                   "dgAlwaysShowSelection", "dgConfirmDelete", "dgCancelOnExit", "dgMultiSelect")
using TDBGridOptions = Set<TDBGridOption>;
inline constexpr uint64_t kDefaultGridOptions = 0x0CFD;

enum TDBGridExOption : uint8_t {
  dghFixed3D, dghFrozen3D, dghFooter3D, dghData3D, dghResizeWholeRightPart, dghHighlightFocus,
  dghClearSelection, dghFitRowHeightToText, dghAutoSortMarking, dghMultiSortMarking,
  dghEnterAsTab, dghTraceColSizing, dghIncSearch, dghPreferIncSearch, dghRowHighlight,
  dghDblClickOptimizeColWidth, dghDialogFind, dghRecordMoving
};
DECLARE_ENUM_NAMES(TDBGridExOption, "dghFixed3D", "dghFrozen3D", "dghFooter3D", "dghData3D",
                   "dghResizeWholeRightPart", "dghHighlightFocus", "dghClearSelection",
                   "dghFitRowHeightToText", "dghAutoSortMarking", "dghMultiSortMarking",
                   "dghEnterAsTab", "dghTraceColSizing", "dghIncSearch", "dghPreferIncSearch",
                   "dghRowHighlight", "dghDblClickOptimizeColWidth", "dghDialogFind",
                   "dghRecordMoving")
using TDBGridExOptions = Set<TDBGridExOption>;
inline constexpr uint64_t kDefaultGridExOptions = 0x10061;

enum TDBGridExAllowedOperation : uint8_t { alopInsertEx, alopUpdateEx, alopDeleteEx, alopAppendEx };
DECLARE_ENUM_NAMES(TDBGridExAllowedOperation, "alopInsertEx", "alopUpdateEx", "alopDeleteEx",
                   "alopAppendEx")
using TDBGridExAllowedOperations = Set<TDBGridExAllowedOperation>;

enum TDBGridExSelectionType : uint8_t {
  gstNon, gstRecordBookmarks, gstRectangle, gstColumns, gstAll
};
DECLARE_ENUM_NAMES(TDBGridExSelectionType, "gstNon", "gstRecordBookmarks", "gstRectangle",
                   "gstColumns", "gstAll")
using TDBGridExAllowedSelections = Set<TDBGridExSelectionType>;
inline constexpr uint64_t kDefaultAllowedSelections = 0x1E;

// Which standard edit actions aimed at the focused grid it carries out itself.
enum TDBGridExEditAction : uint8_t { geaCutEx, geaCopyEx, geaPasteEx, geaDeleteEx, geaSelectAllEx };
DECLARE_ENUM_NAMES(TDBGridExEditAction, "geaCutEx", "geaCopyEx", "geaPasteEx", "geaDeleteEx",
                   "geaSelectAllEx")
using TDBGridExEditActions = Set<TDBGridExEditAction>;

enum TSortMarkerEx : uint8_t { smNoneEx, smDownEx, smUpEx };
DECLARE_ENUM_NAMES(TSortMarkerEx, "smNoneEx", "smDownEx", "smUpEx")

enum TTextOrientationEx : uint8_t { tohHorizontal, tohVertical };
DECLARE_ENUM_NAMES(TTextOrientationEx, "tohHorizontal", "tohVertical")

enum TColumnButtonStyleEx : uint8_t { cbsAuto, cbsEllipsis, cbsNone, cbsUpDown, cbsDropDown };
DECLARE_ENUM_NAMES(TColumnButtonStyleEx, "cbsAuto", "cbsEllipsis", "cbsNone", "cbsUpDown",
                   "cbsDropDown")

enum TFooterValueType : uint8_t {
  fvtNon, fvtSum, fvtAvg, fvtCount, fvtFieldValue, fvtStaticText
};
DECLARE_ENUM_NAMES(TFooterValueType, "fvtNon", "fvtSum", "fvtAvg", "fvtCount", "fvtFieldValue",
                   "fvtStaticText")

// The kind of a data cell, as painting, editing and export see it.
enum TColumnCellType : uint8_t {
  cctPlain, cctPickList, cctLookup, cctKeyList, cctImageList, cctCheckboxes
};

// The kinds of grid columns and rows a cell lies in: the indicator column or a data column; the
// title row, the filter row under it, a data row, the filler row above the footers or a footer.
enum TGridColKind : uint8_t { gckIndicator, gckData };
enum TGridRowKind : uint8_t { grkTitle, grkFilter, grkData, grkFiller, grkFooter };

// Where a grid cell lies.
struct TDBGridExCellType {
  TGridColKind ColKind = gckIndicator;
  TGridRowKind RowKind = grkTitle;
  int DataCol = 0;
  int DataRow = 0;
};

// The cells fixed at the far end of one axis of the grid: the footer rows at the bottom.
struct TGridTrailDrawInfo {
  int CellCount = 0;
  // Pixels they take, lines included, counted up from the far edge of the client area.
  int Extent = 0;
  // Where they start: the client extent less their extent.
  int Boundary = 0;
};

// The base grid's draw information with the trailing fixed cells of each axis.
struct TDBGridExDrawInfo : TGridDrawInfo {
  TGridTrailDrawInfo HorzTrail;
  TGridTrailDrawInfo VertTrail;
};

// Check-box states of a cell.
enum TCheckboxStateEx : uint8_t { cbUncheckedEx, cbCheckedEx, cbGrayedEx };

// Every error the grid raises on a caller's mistake is the base grid's EInvalidGridOperation.

[[noreturn]] void RaiseGridError(const String& message);

// True when Left <= col <= Right and Top <= row <= Bottom.
bool PointInGridRect(int col, int row, const TRect& rect);

inline constexpr TRect kEmptyGridRect{-1, -1, -1, -1};
