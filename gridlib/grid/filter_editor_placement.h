#pragma once

#include <vector>

#include "gridlib/controls/inplace_filter_edit.h"

class TCollectionItem;
class TColumnEx;
class TCustomDBGridEx;

// The editor over the filter cell of one column: where it is placed, when it shows and hides,
// what its list offers and what its commands and keys do. The grid owns one and forwards its
// filter-row operations to it.
class TDBGridExFilterEditing : public IInplaceEditHolderEx {
 public:
  explicit TDBGridExFilterEditing(TCustomDBGridEx* grid) : grid_(grid) {}
  ~TDBGridExFilterEditing() override;
  TDBGridExFilterEditing(const TDBGridExFilterEditing&) = delete;
  TDBGridExFilterEditing& operator=(const TDBGridExFilterEditing&) = delete;

  TInplaceFilterEditEx* Editor() const { return editor_; }
  // The data column being edited, -1 none; whether the filter row is being edited.
  int FilterCol() const;
  bool Shown() const { return shown_; }
  bool EditorVisible() const { return editor_ != nullptr && editor_->Visible(); }

  void Show(int dataCol);
  // Hides the editor, keeping what it holds as the column's expression.
  void Hide();
  // Leaves the filter row.
  void Close();
  // Leaves the filter row for the cell editor, which is about to show; false while the
  // placement lock keeps the filter editor where it is.
  bool GiveWayToCellEditor();
  void Place(bool refresh);
  // Reads the editor's text into the column's expression; text it cannot read is reported
  // to the user and the column keeps its expression. False then.
  bool StoreText(int dataCol);
  // Every column's expression now is the one the data set is filtered with.
  void FiltersApplied();
  // The data set opened again: a data set that forgot its filter as it closed is filtered
  // again as the columns show.
  void DataSetOpened();
  // The editor's text changed: it is the column's expression as soon as it reads as one.
  void TextChanged();
  void Prepare(int dataCol);

  // `column` leaves the grid: when it was the one being edited, the editor closes at the next
  // placing, and its text goes with the column.
  void ColumnGone(const TCollectionItem* column);

  // Keeps the editor where it is while the columns move: at its end the editor goes over its
  // column's cell at its new place.
  class ColumnFollower {
   public:
    explicit ColumnFollower(TDBGridExFilterEditing* editing) : editing_(editing) {}
    ~ColumnFollower();
    ColumnFollower(const ColumnFollower&) = delete;
    ColumnFollower& operator=(const ColumnFollower&) = delete;

   private:
    TDBGridExFilterEditing* editing_;
  };
  ColumnFollower FollowColumn() { return ColumnFollower(this); }

  void FilterEditDropDown() override;
  void FilterEditCommand(int code) override;
  void FilterEditValueChosen() override;
  void FilterEditEnter() override;
  void FilterEditKeyDown(uint16_t& key, TShiftState shift) override;

 private:
  void Create();
  TColumnEx* Column(int dataCol) const;
  bool CellEditable(int dataCol) const;
  void BringIntoView(int dataCol);
  void InvalidateFilterCell(int dataCol);
  // The editable filter cell from `from` in `step` direction, wrapping round; -1 when none.
  int NextEditable(int from, int step) const;
  void MoveTo(int dataCol);
  std::vector<String> ListValues(TColumnEx* column);
  void ApplyReportingErrors();
  void RememberListSize(TColumnEx* column);
  bool CaretAtStart() const;
  bool CaretAtEnd() const;
  void ReadText(TColumnEx* column);
  bool Store(TColumnEx* column, bool reportAgain);
  // Esc: the column and the editor go back to the filter in force.
  void GiveUpTyping();

  TCustomDBGridEx* grid_;
  TInplaceFilterEditEx* editor_ = nullptr;
  // The column being edited, kept by identity so that the columns may move, come and go
  // around it; nullptr none.
  TColumnEx* column_ = nullptr;
  bool shown_ = false;
  bool placing_ = false;
  // The text last reported as unreadable, and its column: leaving the cell with it says
  // nothing more.
  TColumnEx* reportedColumn_ = nullptr;
  String reportedText_;
};
