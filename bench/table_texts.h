#pragma once

// The cell texts the grid benchmarks show on both sides, our grid and the toolkit's table
// view, and the toolkit's table model over them.
#include <QAbstractTableModel>
#include <QApplication>
#include <QFont>
#include <QString>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/data/mem_dataset.h"

namespace bench_texts {

constexpr int kColumns = 10;
constexpr const char* kFontFamily = "WenQuanYi Zen Hei";
constexpr int kFontPoints = 9;

// The toolkit's widgets need their own application object; made once, before anything draws,
// it serves our text drawing too.
inline void StartToolkit() {
  static int argc = 1;
  static char name[] = "grid_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    auto* app = new QApplication(argc, argv);
    app->setFont(QFont(kFontFamily, kFontPoints));
    return app;
  }();
  (void)application;
}

inline const char* const Names[] = {"张三", "李四", "王五", "赵六", "陈七"};

inline std::string NameText(int row) { return std::string(Names[row % 5]) + std::to_string(row); }

inline std::string MobileText(int row) {
  char text[16];
  std::snprintf(text, sizeof text, "138%08d", row % 100000000);
  return text;
}

inline std::string ValueText(int row, int column) { return "值 " + std::to_string(row) + "-" + std::to_string(column); }

inline std::string TitleText(int column) { return "列" + std::to_string(column); }

// Opens `ds` with the same texts: C0 the row number from 1, C1..C9 text.
inline void FillTextRecords(TMemDataSet* ds, int count) {
  ds->FieldDefs()->Add("C0", ftInteger);
  for (int c = 1; c < kColumns; ++c) ds->FieldDefs()->Add("C" + std::to_string(c), ftString, 24);
  ds->CreateDataSet();
  std::vector<Variant> values(kColumns);
  for (int row = 0; row < count; ++row) {
    values[0] = Variant(row + 1);
    values[1] = Variant(NameText(row));
    values[2] = Variant(MobileText(row));
    for (int c = 3; c < kColumns; ++c) values[static_cast<size_t>(c)] = Variant(ValueText(row, c));
    ds->AppendRecord(values);
  }
}

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
