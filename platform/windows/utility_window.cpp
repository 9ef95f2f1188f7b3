// Hidden utility windows that deliver messages to an object's method.
#include "platform/windows/utility_window.h"

#include <map>

namespace {

const char* const UtilityClass = "TPUtilWindow";

std::map<HWND, TWndMethod>& Methods() {
  static std::map<HWND, TWndMethod> methods;
  return methods;
}

LRESULT UtilityProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  auto it = Methods().find(h);
  if (it == Methods().end() || !it->second) return DefWindowProc(h, msg, w, l);
  TMessage m{msg, w, l, 0};
  TWndMethod method = it->second;  // the method may deallocate its own window
  method(m);
  return m.Result;
}

}  // namespace

HWND AllocateHWnd(TWndMethod method) {
  WNDCLASS wc;
  if (!GetClassInfo(UtilityClass, wc)) {
    wc.lpszClassName = UtilityClass;
    wc.lpfnWndProc = UtilityProc;
    RegisterClass(wc);
  }
  HWND h = CreateWindowEx(WS_EX_TOOLWINDOW, UtilityClass, "", WS_POPUP, 0, 0, 0, 0, nullptr);
  Methods()[h] = std::move(method);
  return h;
}

void DeallocateHWnd(HWND h) {
  Methods().erase(h);
  DestroyWindow(h);
}
