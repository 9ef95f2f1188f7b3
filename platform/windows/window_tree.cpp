// The window tree: creating, destroying, parents, styles and properties of windows.
#include "platform/windows/window_tree.h"

#include <algorithm>
#include <map>
#include <memory>
#include <unordered_map>

#include "platform/core/exceptions.h"
#include "platform/windows/window_data.h"

namespace {

struct TTreeState {
  std::unordered_map<uintptr_t, std::unique_ptr<TWindowData>> windows;
  std::map<String, WNDCLASS> classes;
  std::vector<HWND> topLevel;
  std::vector<TWindowDestroyHook> destroyHooks;
  uintptr_t nextId = 0x100;
};

TTreeState& Tree() {
  static TTreeState state;
  return state;
}

uintptr_t IdOf(HWND h) { return reinterpret_cast<uintptr_t>(h); }

void Unlink(TWindowData& w) {
  auto& list = SiblingList(w);
  list.erase(std::remove(list.begin(), list.end(), w.handle), list.end());
}

void CallDestroyHooks(HWND h) {
  for (auto& hook : Tree().destroyHooks) hook(h);
}

void DestroyTree(HWND h);

void DestroyChildren(TWindowData& w) {
  std::vector<HWND> children = w.children;
  for (HWND c : children) DestroyTree(c);
}

// WM_DESTROY goes parent first, WM_NCDESTROY children first, as the window system does.
void DestroyTree(HWND h) {
  TWindowData* w = FindWindowData(h);
  if (!w || w->destroying) return;
  w->destroying = true;
  if (w->style & WS_VISIBLE) SendMessage(h, WM_SHOWWINDOW, 0, 0);
  SendMessage(h, WM_DESTROY);
  if ((w = FindWindowData(h)) == nullptr) return;
  DestroyChildren(*w);
  SendMessage(h, WM_NCDESTROY);
  if ((w = FindWindowData(h)) == nullptr) return;
  RemoveMessagesFor(h);
  CallDestroyHooks(h);
  // Only the outermost window of a destroyed tree uncovers something that stays.
  TWindowData* parent = w->IsChildWindow() ? FindWindowData(w->parent) : nullptr;
  if (parent != nullptr && !parent->destroying) InvalidateUnderneath(*w);
  Unlink(*w);
  Tree().windows.erase(IdOf(h));
}

// A top-level window owned by itself or by a window it owns would never be shown above
// its owner: such an owner is refused.
void SetOwner(TWindowData& w, HWND owner) {
  if (w.IsChildWindow()) return;
  for (HWND o = owner; o; o = GetWindow(o, GW_OWNER)) {
    if (o == w.handle) return;
  }
  w.owner = FindWindowData(owner) ? GetAncestorTop(owner) : nullptr;
}

}  // namespace

TWindowData* FindWindowData(HWND h) {
  auto& windows = Tree().windows;
  auto it = windows.find(IdOf(h));
  return it == windows.end() ? nullptr : it->second.get();
}

std::vector<HWND>& TopLevelList() { return Tree().topLevel; }

std::vector<HWND>& SiblingList(TWindowData& w) {
  if (w.IsChildWindow()) return FindWindowData(w.parent)->children;
  return Tree().topLevel;
}

void AddWindowDestroyHook(TWindowDestroyHook hook) { Tree().destroyHooks.push_back(std::move(hook)); }

bool RegisterClass(const WNDCLASS& wc) {
  if (wc.lpszClassName.empty()) return false;
  Tree().classes[wc.lpszClassName] = wc;
  return true;
}

bool GetClassInfo(const String& className, WNDCLASS& wc) {
  auto it = Tree().classes.find(className);
  if (it == Tree().classes.end()) return false;
  wc = it->second;
  return true;
}

HWND CreateWindowEx(uint32_t exStyle, const String& className, const String& windowName,
                    uint32_t style, int x, int y, int width, int height, HWND parent, int id,
                    void* param) {
  WNDCLASS wc;
  if (!GetClassInfo(className, wc)) throw EOutOfResources("Window class \"" + className + "\" is not registered");
  if ((style & WS_CHILD) && !FindWindowData(parent)) throw EOutOfResources("A child window needs a parent window");
  auto data = std::make_unique<TWindowData>();
  TWindowData& w = *data;
  w.handle = reinterpret_cast<HWND>(Tree().nextId++);
  w.className = className;
  w.classStyle = wc.style;
  w.background = wc.hbrBackground;
  w.style = style & ~WS_VISIBLE;
  w.exStyle = exStyle;
  w.id = id;
  w.text = windowName;
  (w.IsChildWindow() ? w.parent : w.owner) = FindWindowData(parent) ? parent : nullptr;
  w.bounds = Bounds(x, y, std::max(width, 0), std::max(height, 0));
  w.client = w.WindowRect0();
  w.proc = wc.lpfnWndProc ? wc.lpfnWndProc : WNDPROC(DefWindowProc);
  HWND h = w.handle;
  Tree().windows.emplace(IdOf(h), std::move(data));
  SiblingList(w).insert(SiblingList(w).begin(), h);
  SendMessage(h, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(param));
  if (TWindowData* created = FindWindowData(h)) RecalcClientRect(*created);
  if (SendMessage(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(param)) == -1) {
    DestroyWindow(h);
    throw EOutOfResources("Error creating window of class \"" + className + "\"");
  }
  if (IsWindow(h) && (style & WS_VISIBLE)) ShowWindow(h, SW_SHOW);
  return IsWindow(h) ? h : nullptr;
}

bool DestroyWindow(HWND h) {
  if (!FindWindowData(h)) return false;
  DestroyTree(h);
  return true;
}

bool IsWindow(HWND h) { return FindWindowData(h) != nullptr; }

WNDPROC GetWindowProc(HWND h) {
  TWindowData* w = FindWindowData(h);
  return w ? w->proc : WNDPROC();
}

WNDPROC SetWindowProc(HWND h, WNDPROC proc) {
  TWindowData* w = FindWindowData(h);
  if (!w || !proc) return WNDPROC();
  std::swap(w->proc, proc);
  return proc;
}

LRESULT CallWindowProc(const WNDPROC& proc, HWND h, UINT msg, WPARAM w, LPARAM l) {
  return proc ? proc(h, msg, w, l) : DefWindowProc(h, msg, w, l);
}

HWND GetParent(HWND h) {
  TWindowData* w = FindWindowData(h);
  if (!w) return nullptr;
  return w->IsChildWindow() ? w->parent : w->owner;
}

HWND GetAncestorTop(HWND h) {
  TWindowData* w = FindWindowData(h);
  while (w && w->IsChildWindow()) w = FindWindowData(w->parent);
  return w ? w->handle : nullptr;
}

HWND SetParent(HWND h, HWND newParent) {
  TWindowData* w = FindWindowData(h);
  if (!w || h == newParent || IsChild(h, newParent)) return nullptr;
  HWND old = GetParent(h);
  bool visible = (w->style & WS_VISIBLE) != 0;
  if (visible) {
    ShowWindow(h, SW_HIDE);
    // The window may close while it is told it is hidden.
    if ((w = FindWindowData(h)) == nullptr) return nullptr;
  }
  Unlink(*w);
  if (FindWindowData(newParent)) {
    w->style = (w->style | WS_CHILD) & ~WS_POPUP;
    w->parent = newParent;
  } else {
    w->style &= ~WS_CHILD;
    w->parent = nullptr;
  }
  SiblingList(*w).insert(SiblingList(*w).begin(), h);
  if (visible) ShowWindow(h, SW_SHOWNA);
  return old;
}

HWND GetWindow(HWND h, uint32_t relation) {
  TWindowData* w = FindWindowData(h);
  if (!w) return nullptr;
  if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  if (relation == GW_OWNER) return w->owner;
  const auto& list = SiblingList(*w);
  auto it = std::find(list.begin(), list.end(), h);
  switch (relation) {
    case GW_HWNDFIRST: return list.front();
    case GW_HWNDLAST: return list.back();
    case GW_HWNDNEXT: return it + 1 == list.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV: return it == list.begin() ? nullptr : *(it - 1);
    default: return nullptr;
  }
}

std::vector<HWND> ChildWindows(HWND h) {
  TWindowData* w = FindWindowData(h);
  return w ? w->children : std::vector<HWND>{};
}

std::vector<HWND> TopLevelWindows() { return Tree().topLevel; }

bool IsChild(HWND parent, HWND h) {
  TWindowData* w = FindWindowData(h);
  while (w && w->IsChildWindow()) {
    if (w->parent == parent) return true;
    w = FindWindowData(w->parent);
  }
  return false;
}

intptr_t GetWindowLong(HWND h, int index) {
  TWindowData* w = FindWindowData(h);
  if (!w) return 0;
  switch (index) {
    case GWL_STYLE: return static_cast<intptr_t>(w->style);
    case GWL_EXSTYLE: return static_cast<intptr_t>(w->exStyle);
    case GWL_ID: return w->id;
    case GWL_USERDATA: return w->userData;
    case GWL_HWNDPARENT: return reinterpret_cast<intptr_t>(w->owner);
    default: return 0;
  }
}

intptr_t SetWindowLong(HWND h, int index, intptr_t value) {
  TWindowData* w = FindWindowData(h);
  if (!w) return 0;
  intptr_t old = GetWindowLong(h, index);
  switch (index) {
    case GWL_STYLE: {
      // Visibility changes go through ShowWindow so that the tree repaints, and WS_CHILD
      // through SetParent, which moves the window between sibling lists.
      constexpr uint32_t kKept = WS_VISIBLE | WS_CHILD;
      w->style = (static_cast<uint32_t>(value) & ~kKept) | (w->style & kKept);
      break;
    }
    case GWL_EXSTYLE: w->exStyle = static_cast<uint32_t>(value); break;
    case GWL_ID: w->id = static_cast<int>(value); break;
    case GWL_USERDATA: w->userData = value; break;
    case GWL_HWNDPARENT: SetOwner(*w, reinterpret_cast<HWND>(value)); break;
    default: break;
  }
  return old;
}

String GetWindowText(HWND h) {
  TWindowData* w = FindWindowData(h);
  return w ? w->text : String();
}

bool SetWindowText(HWND h, const String& text) {
  TWindowData* w = FindWindowData(h);
  if (!w) return false;
  w->text = text;
  return true;
}

String GetClassName(HWND h) {
  TWindowData* w = FindWindowData(h);
  return w ? w->className : String();
}
