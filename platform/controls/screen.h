#pragma once

#include <vector>

#include "platform/classes/component.h"
#include "platform/controls/control_types.h"
#include "platform/core/string_list.h"
#include "platform/windows/cursors.h"
#include "platform/windows/messages.h"

class TCustomForm;
class TWinControl;
class TFont;

// The screen as the program sees it: its forms, the active form and control, pointer shapes
// by cursor number (crDefault and the rest) with a global override, and its size.
class TScreen : public TComponent {
  DECLARE_CLASS(TScreen, TComponent)
 public:
  explicit TScreen(TComponent* owner);
  ~TScreen() override;

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  TCustomForm* ActiveForm() const { return activeForm_; }
  void SetActiveForm(TCustomForm* form) { activeForm_ = form; }
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control) { activeControl_ = control; }

  // A cursor other than crDefault shows everywhere (an hourglass during long work).
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor v);
  HCURSOR Cursors(TCursor index) const;
  void SetCursors(TCursor index, HCURSOR cursor);

  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;
  int PixelsPerInch() const { return 96; }
  TFont* HintFont() const { return hintFont_.get(); }
  // The font of menus and menu bars, as the system's non-client metrics give it.
  TFont* MenuFont() const { return menuFont_.get(); }
  // Font families as the program may name them.
  TStringList* Fonts();

 private:
  std::vector<TCustomForm*> forms_;
  TCustomForm* activeForm_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  TCursor cursor_ = crDefault;
  std::vector<std::pair<TCursor, HCURSOR>> customCursors_;
  std::unique_ptr<TFont> hintFont_;
  std::unique_ptr<TFont> menuFont_;
  std::unique_ptr<TStringList> fonts_;
};

// The pointer: its position, the distance a press must move before a drag starts, the wheel.
class TMouse {
 public:
  TPoint CursorPos() const;
  void SetCursorPos(TPoint p);
  int DragThreshold() const { return dragThreshold_; }
  void SetDragThreshold(int v) { dragThreshold_ = v; }
  bool WheelPresent() const { return true; }
  int WheelScrollLines() const { return 3; }
  HWND Capture() const;

 private:
  int dragThreshold_ = 5;
};
