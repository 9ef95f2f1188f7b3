#pragma once

#include <cstdint>
#include <vector>

#include "platform/classes/enum_info.h"
#include "platform/controls/control_drag.h"
#include "platform/controls/control_types.h"
#include "platform/controls/forms.h"
#include "platform/controls/std_control_types.h"
#include "platform/core/events.h"
#include "platform/core/sets.h"
#include "platform/core/types.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/drag_drop.h"

// Enumerations, option sets and event types of the side bar. Their names and ordinals are
// part of the stored layout, so they must not be reordered.

enum TnbViewStyle : uint8_t { vsExplorerBar, vsOutlook };
DECLARE_ENUM_NAMES(TnbViewStyle, "vsExplorerBar", "vsOutlook")
enum TnbScrollView : uint8_t { ssNormal, ssExpress, ssToolBox };
DECLARE_ENUM_NAMES(TnbScrollView, "ssNormal", "ssExpress", "ssToolBox")
enum TnbHeaderScrollType : uint8_t { stNone, stLinear, stAccelerated };
DECLARE_ENUM_NAMES(TnbHeaderScrollType, "stNone", "stLinear", "stAccelerated")
enum TnbCaptionStyle : uint8_t { csButtonStyle, csCustomDraw };
DECLARE_ENUM_NAMES(TnbCaptionStyle, "csButtonStyle", "csCustomDraw")
enum TnbDropMode : uint8_t { dmNowhere, dmButton };
DECLARE_ENUM_NAMES(TnbDropMode, "dmNowhere", "dmButton")
enum TnbPreSet : uint8_t {
  psOutlook, psFlatOutlook, psOutlookExpress, psOffice, psOfficeXP, psOffice2000, psToolBox,
  psFlatToolBox, psExplorerBar, psExplorerBarXP, psExplorerBar2000,
};
DECLARE_ENUM_NAMES(TnbPreSet, "psOutlook", "psFlatOutlook", "psOutlookExpress", "psOffice",
                   "psOfficeXP", "psOffice2000", "psToolBox", "psFlatToolBox", "psExplorerBar",
                   "psExplorerBarXP", "psExplorerBar2000")
enum TnbExplorerMethod : uint8_t { emStandard, emCloseUp };
DECLARE_ENUM_NAMES(TnbExplorerMethod, "emStandard", "emCloseUp")
enum TnbHeaderState : uint8_t { hsOpened, hsClosed };
DECLARE_ENUM_NAMES(TnbHeaderState, "hsOpened", "hsClosed")
enum TnbButtonKind : uint8_t { bkButton, bkLabel, bkCheckBox, bkPushButton, bkRadioButton };
DECLARE_ENUM_NAMES(TnbButtonKind, "bkButton", "bkLabel", "bkCheckBox", "bkPushButton", "bkRadioButton")
enum TnbButtonStyle : uint8_t { bsLarge, bsSmall };
DECLARE_ENUM_NAMES(TnbButtonStyle, "bsLarge", "bsSmall")
enum TnbButtonView : uint8_t { bvBig, bvExplorer, bvNormal, bvToolBox, bvWindows2000, bvWindowsXP };
DECLARE_ENUM_NAMES(TnbButtonView, "bvBig", "bvExplorer", "bvNormal", "bvToolBox", "bvWindows2000",
                   "bvWindowsXP")
enum TnbButtonState : uint8_t { hbsUp, hbsDown, hbsFocused, hbsDisabled };
DECLARE_ENUM_NAMES(TnbButtonState, "hbsUp", "hbsDown", "hbsFocused", "hbsDisabled")
enum TnbGlyphLayout : uint8_t { glGlyphLeft, glGlyphRight, glGlyphCenter };
DECLARE_ENUM_NAMES(TnbGlyphLayout, "glGlyphLeft", "glGlyphRight", "glGlyphCenter")
enum TnbGlyphPosition : uint8_t { gpTopLeft, gpTopRight, gpBottomLeft, gpBottomRight, gpCenter };
DECLARE_ENUM_NAMES(TnbGlyphPosition, "gpTopLeft", "gpTopRight", "gpBottomLeft", "gpBottomRight", "gpCenter")
enum TnbBackgroundStyle : uint8_t { btBitmap, btGradient, btSolid, btTileBitmap, btTransparent };
DECLARE_ENUM_NAMES(TnbBackgroundStyle, "btBitmap", "btGradient", "btSolid", "btTileBitmap", "btTransparent")
enum TnbBitmapCopy : uint8_t { bcMergeCopy, bcMergePaint, bcSrcCopy, bcSrcErase, bcSrcPaint };
DECLARE_ENUM_NAMES(TnbBitmapCopy, "bcMergeCopy", "bcMergePaint", "bcSrcCopy", "bcSrcErase", "bcSrcPaint")
enum TnbGradientStyle : uint8_t {
  gtCornerTopLeft, gtCornerTopRight, gtCornerBottomRight, gtCornerBottomLeft, gtDiagonalRising,
  gtDiagonalFalling, gtEllipse, gtPyramid, gtVerticalToCenter, gtHorizontalToCenter,
  gtLeftToRight, gtTopToBottom,
};
DECLARE_ENUM_NAMES(TnbGradientStyle, "gtCornerTopLeft", "gtCornerTopRight", "gtCornerBottomRight",
                   "gtCornerBottomLeft", "gtDiagonalRising", "gtDiagonalFalling", "gtEllipse",
                   "gtPyramid", "gtVerticalToCenter", "gtHorizontalToCenter", "gtLeftToRight",
                   "gtTopToBottom")
enum TnbGradientDirection : uint8_t { gdNormal, gdInverse };
DECLARE_ENUM_NAMES(TnbGradientDirection, "gdNormal", "gdInverse")

enum TnbHeaderOption : uint8_t {
  hoActivateOnSelect, hoAlwaysFlat, hoButtonDown, hoCustomSettings, hoDrawBorder,
  hoDrawCaptionBorder, hoDrawDisabledButton, hoDrawDownButton, hoDrawFocusedButton,
  hoFocusDisabled, hoNoCaption, hoReadOnlyCaption, hoRoundedHeader, hoShowSelectedImage,
  hoShowStatusButton, hoUseHighlightFont,
};
DECLARE_ENUM_NAMES(TnbHeaderOption, "hoActivateOnSelect", "hoAlwaysFlat", "hoButtonDown",
                   "hoCustomSettings", "hoDrawBorder", "hoDrawCaptionBorder",
                   "hoDrawDisabledButton", "hoDrawDownButton", "hoDrawFocusedButton",
                   "hoFocusDisabled", "hoNoCaption", "hoReadOnlyCaption", "hoRoundedHeader",
                   "hoShowSelectedImage", "hoShowStatusButton", "hoUseHighlightFont")
using TnbHeaderOptions = Set<TnbHeaderOption>;

enum TnbButtonOption : uint8_t {
  boAutoWidthLabel, boCustomFont, boCustomStyle, boCustomView, boUnderlineFont, boReadOnlyCaption,
};
DECLARE_ENUM_NAMES(TnbButtonOption, "boAutoWidthLabel", "boCustomFont", "boCustomStyle",
                   "boCustomView", "boUnderlineFont", "boReadOnlyCaption")
using TnbButtonOptions = Set<TnbButtonOption>;

// The last bar option keeps the "ho" prefix it has always been stored with.
enum TnbBarOption : uint8_t {
  boAcceptOLEDrop, boActivateToolBoxScroller, boAlwaysFlatScroller, boAutoScroll,
  boAutoChangeHeader, boChangeToDisabled, boExplorerBorder, boFocusOnMouseEnter, boHeaderFrame,
  boInternalDrop, hoShowFocusRect,
};
DECLARE_ENUM_NAMES(TnbBarOption, "boAcceptOLEDrop", "boActivateToolBoxScroller",
                   "boAlwaysFlatScroller", "boAutoScroll", "boAutoChangeHeader",
                   "boChangeToDisabled", "boExplorerBorder", "boFocusOnMouseEnter",
                   "boHeaderFrame", "boInternalDrop", "hoShowFocusRect")
using TnbBarOptions = Set<TnbBarOption>;

// The bar's border uses the first two values (bsNone, bsSingle) of the form border styles.
using TBorderStyle = TFormBorderStyle;

class TnbHeader;
class TnbButton;
class TnbSideBar;

using TnbEventDrawHeader = TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
using TnbEventDrawStatusButton =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TnbHeaderState AState)>;
using TnbEventDrawHeaderButtons =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, int ActiveIndex)>;
using TnbEventDrawButton =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TnbButtonState AState)>;
using TnbEventCheckScroll =
    TEvent<void(TObject* Sender, bool& ScrollUpNeed, bool& ScrollDownNeed, bool& Automatic)>;
using TnbEventBeforeDrawCommandButton =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect& AButtonRect, TRect& AFocusRect,
                TRect& AImageRect, TRect& ALabelRect)>;
using TnbEventDrawCommandButton =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TnbButtonView AView, TnbButtonState AState,
                TRect AImageRect, TRect ALabelRect)>;
using TnbEventAfterDrawCommandButton =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect AImageRect, TRect ALabelRect)>;
using TnbEventHeaderChange = TEvent<void(TObject* Sender, int OldIndex, int NewIndex)>;
using TnbEventCanChangeHeader =
    TEvent<void(TObject* Sender, TnbHeader* NewHeader, bool& CanChange)>;
using TnbEventChangeViewStyle =
    TEvent<void(TObject* Sender, TnbViewStyle OldStyle, TnbViewStyle NewStyle, bool& CanChange)>;
using TnbEventAfterChangeStyle = TEvent<void(TObject* Sender, TnbPreSet NewStyle)>;
using TnbEventDragAllowed = TEvent<void(TnbSideBar* Sender, TnbButton* Button, bool& Allowed)>;
using TnbEventDragOver = TEvent<void(TnbSideBar* Sender, TObject* Source, TShiftState Shift, TDragState State,
                                     TPoint Pt, TnbDropMode Mode, uint32_t& Effect, bool& Accept)>;
using TnbEventDragEnter =
    TEvent<void(TnbSideBar* Sender, IDataObject* DataObject, TObject* Source, TShiftState Shift, TDragState State,
                TPoint Pt, TnbDropMode Mode, uint32_t& Effect, bool& Accept)>;
using TnbEventDragDrop =
    TEvent<void(TnbSideBar* Sender, TObject* Source, IDataObject* DataObject, const std::vector<uint32_t>& Formats,
                TShiftState Shift, TPoint Pt, uint32_t& Effect, TnbDropMode Mode)>;

// The rectangle every element that is not shown is parked at; no hit test matches it.
constexpr TRect kHiddenRect{-1000, -1000, 0, 0};

// Whether an element is shown: not parked and not squeezed to nothing (a button too wide for
// its body keeps its height in the column but no width).
inline bool nbShown(const TRect& r) { return r != kHiddenRect && r.Left < r.Right && r.Top < r.Bottom; }

// Whether `p` hits a shown element.
inline bool nbHit(const TRect& r, TPoint p) {
  return nbShown(r) && p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom;
}
