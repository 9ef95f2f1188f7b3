#pragma once

#include <memory>
#include <vector>

#include "platform/controls/custom_control.h"
#include "platform/controls/edit.h"
#include "platform/controls/std_control_types.h"
#include "platform/core/string_list.h"

class TCustomMemo;

inline constexpr UINT EM_LINESCROLL = 0x00B6;        // LParam: lines to scroll
inline constexpr UINT EM_GETLINECOUNT = 0x00BA;
inline constexpr UINT EM_LINEINDEX = 0x00BB;         // WParam: line (-1: the caret's); answers its first character
inline constexpr UINT EM_LINELENGTH = 0x00C1;        // WParam: a character index; answers its line's length
inline constexpr UINT EM_LINEFROMCHAR = 0x00C9;      // WParam: a character index (-1: the caret's)
inline constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;

// The lines of a memo; every change goes to the memo, which keeps the caret in range.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo* memo) : memo_(memo) {}
  int Count() const override;
  String Strings(int index) const override;
  void SetStrings(int index, const String& s) override;
  TObject* Objects(int) const override { return nullptr; }
  void SetObjects(int, TObject*) override {}
  void InsertObject(int index, const String& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  void SetText(std::string_view text) override;

 private:
  TCustomMemo* memo_;
};

// Several lines of text: typing, Enter and Tab as allowed, caret and selection by keys and
// mouse, clipboard, word wrap at the control's width, and scroll bars. Character positions
// count a line break as two characters, as the class library's memo does.
class TCustomMemo : public TCustomControl {
  DECLARE_CLASS(TCustomMemo, TCustomControl)
 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;
  static void Publish();

  TStrings* Lines() const { return strings_.get(); }
  void SetLines(TStrings* v) { strings_->Assign(*v); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  // Where each row stands between the margins.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle v);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v) { readOnly_ = v; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v) { maxLength_ = std::max(0, v); }
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool v) { wantReturns_ = v; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool v) { wantTabs_ = v; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  bool Modified() const { return modified_; }
  void SetModified(bool v) { modified_ = v; }

  int SelStart() const { return std::min(IndexOf(anchor_), IndexOf(caret_)); }
  void SetSelStart(int v);
  int SelLength() const { return std::abs(IndexOf(caret_) - IndexOf(anchor_)); }
  void SetSelLength(int v);
  String SelText() const;
  void SetSelText(const String& v) { Replace(v); }
  void SelectAll();
  // The caret as column (X) and line (Y).
  TPoint CaretPos() const { return {caret_.col, caret_.line}; }
  void SetCaretPos(TPoint p);
  int TopRow() const { return topRow_; }
  int RowCount();  // display rows after wrapping
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Clear() { strings_->Clear(); }

  TNotifyEvent OnChange;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  String GetText() override;
  void SetTextValue(const String& v) override;
  void Paint() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  virtual void Change();
  // The native scroll bar's range, page or position has just been set: for controls that
  // show the bar's state elsewhere.
  virtual void ScrollInfoChanged() {}

 private:
  friend class TMemoStrings;
  struct TPos {
    int line = 0;
    int col = 0;
    bool operator==(const TPos&) const = default;
  };
  struct TRow {
    int line;
    int start;  // first character of the row in its line
    int end;
  };
  int IndexOf(TPos p) const;
  // The x of a row's first character, before horizontal scrolling.
  int RowLeft(const TRow& row);
  TPos PosOf(int index) const;
  TPos Clamp(TPos p) const;
  bool Before(TPos a, TPos b) const { return a.line < b.line || (a.line == b.line && a.col < b.col); }
  void LinesChanged(bool notify);
  void Layout();
  int RowOf(TPos p);
  int RowHeight();
  int VisibleRows();
  int TextWidth(std::string_view s);
  TPoint PointOf(TPos p);
  TPos PosAt(TPoint p);
  void MoveTo(TPos p, bool extend);
  void Replace(const String& text);
  void UserEdit(const String& text);
  void DeleteAt(bool forward);
  void ScrollToCaret();
  void SetTopRow(int row);
  void UpdateScrollBars();
  void ReplaceLines(std::vector<String> lines);
  bool HandleEditMessage(TMessage& m);

  void WMLButtonDown(TMessage& m);
  void WMMouseMoveMemo(TMessage& m);
  void WMLButtonUp(TMessage& m);
  void WMVScroll(TMessage& m);
  void WMMouseWheelMemo(TMessage& m);
  void WMGetDlgCode(TMessage& m);
  void WMCharMemo(TMessage& m);
  void TypeCode(char32_t code);
  void WMHScroll(TMessage& m);
  void WMSizeMemo(TMessage& m);
  void WMFocusChanged(TMessage& m);
  void WMClipboard(TMessage& m);
  void EMMessage(TMessage& m);

  std::vector<String> lines_{String()};
  std::unique_ptr<TMemoStrings> strings_;
  char16_t pendingHigh_ = 0;
  std::vector<TRow> rows_;
  std::unique_ptr<TBitmap> measure_;
  TPos caret_;
  TPos anchor_;
  int topRow_ = 0;
  int scrollX_ = 0;
  int wantX_ = -1;  // the x that up and down keep
  bool wordWrap_ = true;
  TAlignment alignment_ = taLeftJustify;
  TScrollStyle scrollBars_ = ssNone;
  bool readOnly_ = false;
  int maxLength_ = 0;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  TBorderStyle borderStyle_ = bsSingle;
  bool modified_ = false;
  bool selecting_ = false;
};

class TMemo : public TCustomMemo {
  DECLARE_CLASS(TMemo, TCustomMemo)
 public:
  using TCustomMemo::TCustomMemo;
};
