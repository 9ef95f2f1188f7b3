#include "examples/showcase/side_bar_preset_menu.h"

#include <array>

#include "sidebar/side_bar.h"
#include "skin/menus.h"

namespace {

// Captions in the order of TnbPreSet.
constexpr std::array<const char*, 11> kLooks{
    "立体按钮", "平面按钮", "快捷栏", "银灰", "银灰（浮动框）", "银灰（凸起框）",
    "工具箱", "平面工具箱", "任务窗格", "任务窗格（蓝色渐变）", "任务窗格（深蓝）",
};
static_assert(kLooks.size() == psExplorerBar2000 + 1, "one caption per ready-made look");
constexpr uint8_t kLookGroup = 1;

}  // namespace

TPopupMenu* BuildSideBarPresetMenu(TnbSideBar* bar) {
  auto* menu = new TskPopupMenu(bar->Owner());
  for (size_t i = 0; i < kLooks.size(); ++i) {
    auto* item = new TMenuItem(bar->Owner());
    item->SetCaption(kLooks[i]);
    item->SetRadioItem(true);
    item->SetGroupIndex(kLookGroup);
    item->SetAutoCheck(true);
    const auto preset = static_cast<TnbPreSet>(i);
    item->OnClick.Bind(bar, "", [bar, preset](TObject*) { bar->SetPreSet(preset); });
    menu->Items()->Add(item);
  }
  return menu;
}
