#pragma once

#include "platform/controls/control_types.h"
#include "platform/core/object.h"
#include "platform/windows/messages.h"

class TControl;
class TWinControl;

// The class library's own drag (not the window system's data transfer): a control drags
// itself, with the mouse captured, over controls that answer CM_DRAG.
enum TDragMode : uint8_t { dmManual, dmAutomatic };
DECLARE_ENUM_NAMES(TDragMode, "dmManual", "dmAutomatic")
enum TDragKind : uint8_t { dkDrag, dkDock };
DECLARE_ENUM_NAMES(TDragKind, "dkDrag", "dkDock")
enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
// CM_DRAG's WParam.
enum TDragMessage : uint8_t { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget };

// What is being dragged: the control that started the drag.
class TDragObject : public TObject {
 public:
  explicit TDragObject(TControl* control) : control_(control) {}
  TControl* Control() const { return control_; }

 private:
  TControl* control_;
};

// CM_DRAG's LParam points at one: the screen position, the dragged object and, for
// dmFindTarget, where the target is answered.
struct TDragRec {
  TPoint Pos;
  TDragObject* Source = nullptr;
  TControl* Target = nullptr;
  bool Docking = false;
};

using TDragOverEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = TEvent<void(TObject* Sender, TObject* Target, int X, int Y)>;

// Events of docking one window into another. This platform docks no windows: the events are
// kept so that form layouts naming handlers for them load and save as they are, and none of
// them fires.
class TDragDockObject;
using TDockDropEvent = TEvent<void(TObject* Sender, TDragDockObject* Source, int X, int Y)>;
using TDockOverEvent =
    TEvent<void(TObject* Sender, TDragDockObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TGetSiteInfoEvent =
    TEvent<void(TObject* Sender, TControl* DockClient, TRect& InfluenceRect, TPoint MousePos, bool& CanDock)>;
using TStartDockEvent = TEvent<void(TObject* Sender, TDragDockObject*& DragObject)>;
using TUnDockEvent = TEvent<void(TObject* Sender, TControl* Client, TWinControl* NewTarget, bool& Allow)>;

// The drag in progress (at most one): started by TControl::BeginDrag, moved and ended by the
// mouse messages of the control that holds the mouse.
void StartControlDrag(TControl* control, bool immediate, int threshold);
// Handles a mouse or key message of the dragging control; answers true when the drag took it.
bool DragHandlesMessage(TControl* control, TMessage& m);
void EndControlDrag(bool drop);
// A control going away leaves the drag (as its source or its target).
void ForgetDragControl(TControl* control);
TControl* DraggedControl();
bool ControlDragging(const TControl* control);
// The control under a screen point as drags see it.
TControl* FindDragTarget(TPoint screen, bool allowDisabled);
