#pragma once

// The cell texts the grid benchmarks show on both sides, our grid and the toolkit's table
// view, and the toolkit's table model over them.
#include <QAbstractTableModel>
#include <QString>

#include <cstdio>
#include <string>

namespace bench_texts {

constexpr int kColumns = 10;
constexpr const char* kFontFamily = "WenQuanYi Zen Hei";
constexpr int kFontPoints = 9;

inline const char* const Names[] = {"张三", "李四", "王五", "赵六", "陈七"};

inline std::string NameText(int row) { return std::string(Names[row % 5]) + std::to_string(row); }

inline std::string MobileText(int row) {
  char text[16];
  std::snprintf(text, sizeof text, "138%08d", row % 100000000);
  return text;
}

inline std::string ValueText(int row, int column) { return "值 " + std::to_string(row) + "-" + std::to_string(column); }

inline std::string TitleText(int column) { return "列" + std::to_string(column); }

// Column 0 the row number from 1, column 1 a name, column 2 a mobile number, the rest values.
class PeerModel : public QAbstractTableModel {
 public:
  explicit PeerModel(int rows) : rows_(rows) {}
  int rowCount(const QModelIndex&) const override { return rows_; }
  int columnCount(const QModelIndex&) const override { return kColumns; }
  QVariant data(const QModelIndex& i, int role) const override {
    if (role != Qt::DisplayRole) return {};
    switch (i.column()) {
      case 0: return i.row() + 1;
      case 1: return QString::fromStdString(NameText(i.row()));
      case 2: return QString::fromStdString(MobileText(i.row()));
      default: return QString::fromStdString(ValueText(i.row(), i.column()));
    }
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? QVariant(QString::fromStdString(TitleText(section))) : QVariant(section + 1);
  }

 private:
  int rows_;
};

}  // namespace bench_texts
