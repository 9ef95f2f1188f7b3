#include "examples/showcase/style_names.h"

String ShowcaseStyleName(TskUIStyle style) {
  switch (style) {
    case Graphite: return "石墨";
    case Pearl: return "珍珠";
    case Marine: return "海蓝";
    case Jade: return "翡翠";
    case Glacier: return "冰川";
    case FromThemeFile: return "主题文件";
  }
  return {};
}
