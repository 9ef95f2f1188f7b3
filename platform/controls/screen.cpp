// The screen object and the mouse: forms, cursors, fonts and the work area.
#include "platform/controls/screen.h"

#include <algorithm>

#include "platform/controls/forms.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/windows/focus.h"
#include "platform/windows/system_metrics.h"

namespace {

HCURSOR StandardCursor(TCursor index) {
  switch (index) {
    case crCross: return IDC_CROSS;
    case crIBeam: return IDC_IBEAM;
    case crSizeNESW: return IDC_SIZENESW;
    case crSizeNS: case crVSplit: return IDC_SIZENS;
    case crSizeNWSE: return IDC_SIZENWSE;
    case crSizeWE: case crHSplit: return IDC_SIZEWE;
    case crUpArrow: return IDC_UPARROW;
    case crHourGlass: case crSQLWait: return IDC_WAIT;
    case crNoDrop: case crNo: return IDC_NO;
    case crAppStart: return IDC_APPSTARTING;
    case crHelp: return IDC_HELP;
    case crHandPoint: return IDC_HAND;
    case crSizeAll: return IDC_SIZEALL;
    default: return IDC_ARROW;
  }
}

}  // namespace

TScreen::TScreen(TComponent* owner)
    : TComponent(owner), hintFont_(std::make_unique<TFont>()), menuFont_(std::make_unique<TFont>()) {}

TScreen::~TScreen() = default;

void TScreen::AddForm(TCustomForm* form) {
  if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (activeForm_ == form) activeForm_ = nullptr;
  if (activeControl_ && GetParentForm(activeControl_) == form) activeControl_ = nullptr;
}

void TScreen::SetCursor(TCursor v) {
  if (cursor_ == v) return;
  cursor_ = v;
  ::SetCursor(Cursors(v == crDefault ? crArrow : v));
}

HCURSOR TScreen::Cursors(TCursor index) const {
  for (const auto& [number, cursor] : customCursors_)
    if (number == index) return cursor;
  return StandardCursor(index);
}

void TScreen::SetCursors(TCursor index, HCURSOR cursor) {
  for (auto& entry : customCursors_) {
    if (entry.first == index) {
      entry.second = cursor;
      return;
    }
  }
  customCursors_.emplace_back(index, cursor);
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }
TRect TScreen::WorkAreaRect() const { return WorkArea(); }

TStringList* TScreen::Fonts() {
  if (!fonts_) {
    fonts_ = std::make_unique<TStringList>();
    for (const char* name : {"Arial", "MS Sans Serif", "Tahoma", "Times New Roman", "宋体"}) fonts_->Add(name);
  }
  return fonts_.get();
}

TPoint TMouse::CursorPos() const { return GetCursorPos(); }
void TMouse::SetCursorPos(TPoint p) { ::SetCursorPos(p); }
HWND TMouse::Capture() const { return GetCapture(); }
