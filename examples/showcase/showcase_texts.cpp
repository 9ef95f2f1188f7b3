#include "examples/showcase/showcase_texts.h"

#include "gridlib/grid/grid_texts.h"
#include "platform/core/resource_strings.h"
#include "sidebar/sidebar_texts.h"
#include "skin/skin_texts.h"

namespace {

struct TChineseText {
  const char* name;
  const char* text;
};

// "%s" and "%d" stand where the English texts have them, in the same order.
constexpr TChineseText kPlatform[] = {
    {"SInvalidInteger", "“%s”不是有效的整数"},
    {"SInvalidFloat", "“%s”不是有效的数值"},
    {"SInvalidDate", "“%s”不是有效的日期"},
    {"SInvalidTime", "“%s”不是有效的时间"},
    {"SInvalidDateTime", "“%s”不是有效的日期时间"},
    {"SInvalidCurrency", "“%s”不是有效的金额"},
    {"SNotEditing", "数据不在编辑或新增状态"},
    {"SDataSetReadOnly", "这些数据是只读的，不能修改"},
    {"SDataSetClosed", "数据没有打开，不能进行这项操作"},
    {"SDataSetOpen", "数据已经打开，不能进行这项操作"},
    {"SDataSetEmpty", "没有数据，不能进行这项操作"},
    {"SRecordNotFound", "找不到这条记录"},
    {"SFieldNotFound", "找不到字段“%s”"},
    {"SFieldReadOnly", "“%s”不能修改"},
    {"SFieldRequired", "“%s”必须填写"},
    {"SNotBoolean", "“%s”不是“%s”可以取的是非值"},
    {"SFieldRange", "%s 不是“%s”的有效值，允许的范围是 %d 到 %d"},
    {"SDataSetMissing", "字段“%s”没有所属的数据"},
    {"SCircularDataLink", "数据链接不能循环"},
    {"SNoLookupDataSet", "字段“%s”的查找设置不完整"},
    {"SMsgDlgWarning", "警告"},
    {"SMsgDlgError", "错误"},
    {"SMsgDlgInformation", "提示"},
    {"SMsgDlgConfirm", "确认"},
    {"SMsgDlgYes", "是(&Y)"},
    {"SMsgDlgNo", "否(&N)"},
    {"SMsgDlgOK", "确定"},
    {"SMsgDlgCancel", "取消"},
    {"SMsgDlgAbort", "中止(&A)"},
    {"SMsgDlgRetry", "重试(&R)"},
    {"SMsgDlgIgnore", "忽略(&I)"},
    {"SMsgDlgAll", "全部(&A)"},
    {"SMsgDlgNoToAll", "全部否(&O)"},
    {"SMsgDlgYesToAll", "全部是(&A)"},
    {"SMsgDlgHelp", "帮助(&H)"},
    {"SMaskEditErr", "输入的值不完整。按 Esc 键可放弃修改"},
};

constexpr TChineseText kGrid[] = {
    {"SFilterEmpty", "(空白)"},
    {"SFilterNotEmpty", "(非空白)"},
    {"SFilterAll", "(全部)"},
    {"SFilterClear", "(清除筛选)"},
    {"SFilterOrderAscending", "(升序排列)"},
    {"SFilterOrderDescending", "(降序排列)"},
    {"SDeleteRecordQuestion", "删除这条记录吗？"},
    {"SDeleteMultipleRecordsQuestion", "删除选中的全部记录吗？"},
    {"SClearSelectedCellsQuestion", "清空选中的单元格吗？"},
    {"SPastedTextTooLong", "粘贴到“%s”的文字超过了它的 %d 个字"},
    {"SPastedLinesNotAdded", "有 %d 行没有粘贴：表格不允许添加记录"},
    {"SFilterErrorAt", "%s（第 %d 个字处）"},
    {"SFilterAndOrExpected", "这里应当是 AND 或 OR"},
    {"SFilterUnexpectedText", "多出了文字"},
    {"SFilterNullOperator", "Null 只能跟在 = 或 <> 后面"},
    {"SFilterOpenParenExpected", "这里应当是“(”"},
    {"SFilterCommaOrCloseExpected", "这里应当是“,”或“)”"},
    {"SFilterValueExpected", "缺少要比较的值"},
    {"SFilterQuoteMissing", "缺少后引号"},
    {"SFilterNotANumber", "“%s”不是数字"},
    {"SFilterNotADate", "“%s”不是日期"},
    {"SFilterNotABoolean", "“%s”不是 True 或 False"},
};

constexpr TChineseText kSideBar[] = {
    {"SCloseButtonCaption", "收藏夹"},
};

constexpr TChineseText kSkin[] = {
    {"SButtonOK", "确定"},
    {"SButtonCancel", "取消"},
};

template <size_t N>
void Use(TResourceTable& table, const TChineseText (&texts)[N]) {
  for (const TChineseText& t : texts) table.Replace(t.name, t.text);
}

}  // namespace

void UseShowcaseTexts() {
  Use(PlatformTexts(), kPlatform);
  Use(GridTexts(), kGrid);
  Use(SideBarTexts(), kSideBar);
  Use(SkinTexts(), kSkin);
}
