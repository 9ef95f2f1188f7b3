#pragma once

#include <optional>

#include "platform/core/strings.h"
#include "platform/core/variant.h"

class TCollectionItem;
class TColumnEx;
class TDBGridExHost;
class TFont;

// The most characters a cell of `column` takes as text: a string field's size; 0 for no limit
// (other kinds, and key-list columns, whose text is not what is stored).
int ColumnTextLimit(TColumnEx* column);

// What the in-place editor of the current cell starts with and where its text goes: the
// editor's text, mask and limit for a column, putting the record into edit mode, and writing
// the text back into the field (plain fields, pick lists, key lists and lookup fields). It
// reads the grid through its model only; the control shows and hides the editor.
class TDBGridExCellEditing {
 public:
  explicit TDBGridExCellEditing(TDBGridExHost* grid) : grid_(grid) {}

  // The column of the focused cell; nullptr when there is none.
  TColumnEx* CurrentColumn() const;

  // The text the editor starts with in `column` (also kept as the edit text); the text typed
  // there while KeepsTypedText holds. `font` is the font the cell parameters start from. A
  // column with OnGetCellParams also gives the editor its own read-only choice.
  String EditText(TColumnEx* column, TFont* font);
  String EditMask(TColumnEx* column) const;
  int EditLimit(TColumnEx* column) const;
  // Whether the editor may take character `key` in the current column.
  bool AcceptsKey(char32_t key);
  // The current cell's text as the editor would show it now, for telling whether the record
  // changed under the editor.
  String CurrentCellText(TFont* font);
  // The editor holds text typed into the record being edited that is not in it yet, and nothing
  // changed under it: the record is still being edited and its cell still reads as the editor
  // loaded it. Then the text stays whatever the grid redoes around it.
  bool KeepsTypedText(TFont* font);

  // Puts the current record into edit mode for the current cell and marks the grid's change;
  // whether the record is now being edited. The editor's own read-only choice only restricts.
  bool BeginCellEdit();
  // The editor's text as it loads and changes; typed into a lookup column it also names the
  // key of the list entry showing that text (Null when none does), looked up only when the
  // key is asked for: a search of a large lookup table per keystroke would stall typing.
  // The record changed under the editor when its cell text no longer equals this.
  void SetPendingText(const String& text);
  const String& PendingText() const { return pendingText_; }
  // The editor is about to show the text of a list entry whose value is known: that text is
  // not looked up again, until EndChoice.
  void BeginChoice(const String& text, const Variant& value);
  void EndChoice() { choiceText_.reset(); }
  void SetEditValue(const Variant& value);
  const Variant& EditValue();
  // Writes the editor's text into the field of the column it was typed in (TextColumn).
  void WriteBack();
  // The column whose text the editor holds: the one it last loaded, which stays its column when
  // the program moves the columns about; nullptr once that column is gone, when the text goes
  // with it.
  TColumnEx* TextColumn() const;
  // The editor holds the text of a column that is no longer the current one (or is gone).
  bool TextOffCurrentColumn() const;
  // The editor's text is for the current column again, from now on.
  void FollowCurrentColumn();
  // `column` leaves the grid.
  void ColumnGone(const TCollectionItem* column);
  // The current record's lookup key of `column` names a record of its lookup data set (whose
  // cursor stays where it is).
  bool IsLookupKeyInList(TColumnEx* column) const;
  // The current column's field takes its value in the record above; whether it did.
  bool CopyFromPreviousRecord();

 private:
  // `column`'s cell text as the editor would show it now; what the editor holds stays.
  String CellText(TColumnEx* column, TFont* font);
  String FieldEditText(TColumnEx* column);
  // The cell's text from the record, as the editor starts with it.
  String LoadText(TColumnEx* column, TFont* font);
  void NoteLookupKey(TColumnEx* column);
  bool NotInList(TColumnEx* column, const String& text);
  void WriteText(TColumnEx* column, const String& text);
  void WriteKeyList(TColumnEx* column, const String& text);
  void WriteLookup(TColumnEx* column, const String& text);
  bool FindLookupText(TColumnEx* column, const String& text);
  void ResolveTypedLookup();

  TDBGridExHost* grid_;
  String pendingText_;
  // The cell's text as the editor loaded it.
  String loadedText_;
  // The editor's own read-only choice for the cell it shows; none without OnGetCellParams.
  std::optional<bool> editorReadOnly_;
  Variant editValue_ = Variant::Null();
  std::optional<String> choiceText_;
  // Text typed into the current lookup column whose key editValue_ does not hold yet.
  std::optional<String> unresolvedText_;
  // The column the editor loaded its text from (nullptr: the current one) and whether that
  // column has gone since.
  TColumnEx* textColumn_ = nullptr;
  bool textColumnGone_ = false;
};
