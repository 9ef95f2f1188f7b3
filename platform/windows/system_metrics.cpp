// System metrics and parameters: sizes, double-click time and the work area.
#include "platform/windows/system_metrics.h"

#include "platform/windows/backend.h"

namespace {

uint32_t& DoubleClickTime() {
  static uint32_t ms = 500;
  return ms;
}

int FixedMetric(int index) {
  switch (index) {
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVSCROLL: case SM_CXHSCROLL:
    case SM_CYVTHUMB: case SM_CXHTHUMB: case SM_CXSMICON: case SM_CYSMICON:
      return 16;
    case SM_CYCAPTION: case SM_CYMENU: return 19;
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME: case SM_CYFRAME: return 4;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    case SM_CXICON: case SM_CYICON: case SM_CXCURSOR: case SM_CYCURSOR: return 32;
    case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: case SM_CXDRAG: case SM_CYDRAG: return 4;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXSIZE: case SM_CYSIZE: return 18;
    case SM_CYSMCAPTION: return 15;
    case SM_CXMENUCHECK: return 13;
    case SM_MOUSEWHEELPRESENT: return 1;
    default: return 0;
  }
}

}  // namespace

int GetSystemMetrics(int index) {
  TRect screen = Backend().ScreenRect();
  TRect work = Backend().WorkArea();
  switch (index) {
    case SM_CXSCREEN: return screen.Width();
    case SM_CYSCREEN: return screen.Height();
    case SM_CXFULLSCREEN: return work.Width();
    case SM_CYFULLSCREEN: return work.Height() - FixedMetric(SM_CYCAPTION);
    default: return FixedMetric(index);
  }
}

bool SystemParametersInfo(uint32_t action, uint32_t, void* param, uint32_t) {
  if (action != SPI_GETWORKAREA || !param) return false;
  *static_cast<TRect*>(param) = WorkArea();
  return true;
}

TRect WorkArea() { return Backend().WorkArea(); }

uint32_t GetDoubleClickTime() { return DoubleClickTime(); }

bool SetDoubleClickTime(uint32_t ms) {
  DoubleClickTime() = ms == 0 ? 500 : ms;
  return true;
}

// There is no sound device to ring in this layer; a beep is allowed to be silent.
void MessageBeep(uint32_t) {}
