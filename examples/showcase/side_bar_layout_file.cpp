#include "examples/showcase/side_bar_layout_file.h"

#include <filesystem>
#include <system_error>

#include "examples/showcase/user_folders.h"
#include "platform/core/exceptions.h"
#include "sidebar/side_bar.h"

namespace fs = std::filesystem;

String ShowcaseSideBarLayoutPath() {
  const String folder = UserFolder("XDG_CONFIG_HOME", ".config", "showcase");
  return folder.empty() ? folder : (fs::path(folder) / "side-bar.layout").string();
}

TSideBarLayoutLoad LoadShowcaseSideBarLayout(TnbSideBar* bar, const String& path) {
  TSideBarLayoutLoad result;
  std::error_code error;
  if (path.empty() || !fs::exists(path, error)) return result;
  try {
    bar->LoadFromFile(path);
    result.loaded = true;
    return result;
  } catch (const Exception& e) {
    result.problem = "侧边栏布局文件“" + path + "”无法读取：" + e.Message();
  }
  const String aside = path + ".damaged";
  fs::rename(path, aside, error);
  if (error) result.problem += "；也无法移开它：" + error.message();
  else result.setAside = aside;
  return result;
}

String SaveShowcaseSideBarLayout(TnbSideBar* bar, const String& path) {
  if (path.empty()) return "找不到用户配置目录：XDG_CONFIG_HOME 和 HOME 都没有设置。";
  const String partial = path + ".new";
  std::error_code error;
  fs::create_directories(fs::path(path).parent_path(), error);
  try {
    bar->SaveToFile(partial);
  } catch (const Exception& e) {
    fs::remove(partial, error);
    return "侧边栏布局无法保存到“" + path + "”：" + e.Message();
  }
  fs::rename(partial, path, error);
  if (!error) return "";
  const String problem = "侧边栏布局无法保存到“" + path + "”：" + error.message();
  fs::remove(partial, error);
  return problem;
}
