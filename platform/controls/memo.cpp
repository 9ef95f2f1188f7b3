// The multi-line edit: lines, caret, scrolling and clipboard.
#include "platform/controls/memo.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/core/utf8_codec.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/scroll_bars.h"

namespace {

constexpr int kMargin = 2;

std::vector<String> SplitLines(std::string_view text) {
  std::vector<String> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

}  // namespace

int TMemoStrings::Count() const {
  const auto& lines = memo_->lines_;
  return static_cast<int>(lines.size()) - (lines.back().empty() ? 1 : 0);
}

String TMemoStrings::Strings(int index) const {
  if (index < 0 || index >= Count()) RaiseListIndexError(index);
  return memo_->lines_[static_cast<size_t>(index)];
}

void TMemoStrings::SetStrings(int index, const String& s) {
  if (index < 0 || index >= Count()) RaiseListIndexError(index);
  memo_->lines_[static_cast<size_t>(index)] = s;
  memo_->LinesChanged(true);
}

// A line goes in before line `index`; at the end it follows the last line.
void TMemoStrings::InsertObject(int index, const String& s, TObject*) {
  if (index < 0 || index > Count()) RaiseListIndexError(index);
  auto& lines = memo_->lines_;
  if (static_cast<size_t>(index) < lines.size()) lines.insert(lines.begin() + index, s);
  else lines.push_back(s);
  memo_->LinesChanged(true);
}

void TMemoStrings::Delete(int index) {
  if (index < 0 || index >= Count()) RaiseListIndexError(index);
  auto& lines = memo_->lines_;
  lines.erase(lines.begin() + index);
  if (lines.empty()) lines.emplace_back();
  memo_->LinesChanged(true);
}

void TMemoStrings::Clear() {
  memo_->lines_.assign(1, String());
  memo_->LinesChanged(true);
}

void TMemoStrings::SetText(std::string_view text) { memo_->SetText(String(text)); }

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomControl(owner),
      strings_(std::make_unique<TMemoStrings>(this)) {
  controlStyle_ = {csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque};
  SetColor(clWindow);
  SetTabStop(true);
  SetCursor(crIBeam);
  SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
  if ((scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) && !wordWrap_) params.Style |= WS_HSCROLL;
}

void TCustomMemo::CreateWnd() {
  TCustomControl::CreateWnd();
  Layout();
  UpdateScrollBars();
}

void TCustomMemo::SetWordWrap(bool v) {
  if (wordWrap_ == v) return;
  wordWrap_ = v;
  scrollX_ = 0;
  RecreateWnd();
  LinesChanged(false);
}

void TCustomMemo::SetAlignment(TAlignment v) {
  if (alignment_ == v) return;
  alignment_ = v;
  // The window's style carries the alignment.
  RecreateWnd();
  Invalidate();
}

void TCustomMemo::SetScrollBars(TScrollStyle v) {
  if (scrollBars_ == v) return;
  scrollBars_ = v;
  RecreateWnd();
  LinesChanged(false);
}

void TCustomMemo::SetBorderStyle(TBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  RecreateWnd();
}

String TCustomMemo::GetText() {
  String text;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i) text += "\r\n";
    text += lines_[i];
  }
  return text;
}

void TCustomMemo::SetTextValue(const String& v) {
  lines_ = SplitLines(v);
  caret_ = anchor_ = TPos{};
  topRow_ = 0;
  scrollX_ = 0;
  modified_ = false;
  LinesChanged(true);
}

void TCustomMemo::Change() { OnChange.Call(this); }

int TCustomMemo::IndexOf(TPos p) const {
  int index = 0;
  for (int i = 0; i < p.line && i < static_cast<int>(lines_.size()); ++i) index += CharLength(lines_[static_cast<size_t>(i)]) + 2;
  return index + p.col;
}

TCustomMemo::TPos TCustomMemo::PosOf(int index) const {
  index = std::max(index, 0);
  for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
    int length = CharLength(lines_[static_cast<size_t>(i)]);
    if (index <= length) return {i, index};
    // A position inside a line break belongs to the line's end.
    if (index < length + 2) return {i, length};
    index -= length + 2;
  }
  return {static_cast<int>(lines_.size()) - 1, CharLength(lines_.back())};
}

TCustomMemo::TPos TCustomMemo::Clamp(TPos p) const {
  p.line = std::clamp(p.line, 0, static_cast<int>(lines_.size()) - 1);
  p.col = std::clamp(p.col, 0, CharLength(lines_[static_cast<size_t>(p.line)]));
  return p;
}

void TCustomMemo::LinesChanged(bool notify) {
  caret_ = Clamp(caret_);
  anchor_ = Clamp(anchor_);
  Layout();
  SetTopRow(topRow_);
  UpdateScrollBars();
  Invalidate();
  if (notify) Change();
}

int TCustomMemo::TextWidth(std::string_view s) {
  if (!measure_) measure_ = std::make_unique<TBitmap>(1, 1);
  measure_->Canvas()->Font()->Assign(Font());
  return measure_->Canvas()->TextWidth(s);
}

int TCustomMemo::RowHeight() {
  if (!measure_) measure_ = std::make_unique<TBitmap>(1, 1);
  measure_->Canvas()->Font()->Assign(Font());
  return std::max(1, measure_->Canvas()->TextHeight("Wg"));
}

// Breaks each line into rows that fit the width: after the last space that fits, or, in a
// word longer than the row, after the last character that fits.
void TCustomMemo::Layout() {
  rows_.clear();
  int room = ClientWidth() - 2 * kMargin;
  for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
    const String& line = lines_[static_cast<size_t>(i)];
    int length = CharLength(line);
    if (!wordWrap_ || length == 0 || room <= 0 || TextWidth(line) <= room) {
      rows_.push_back({i, 0, length});
      continue;
    }
    for (int start = 0; start < length;) {
      int lo = start + 1, hi = length;
      while (lo < hi) {
        int mid = (lo + hi + 1) / 2;
        if (TextWidth(Copy(line, start + 1, mid - start)) <= room) lo = mid;
        else hi = mid - 1;
      }
      int end = lo;
      if (end < length) {
        String fitting = Copy(line, start + 1, end - start);
        size_t space = fitting.rfind(' ');
        if (space != String::npos && space > 0) end = start + ByteToCharIndex(fitting, space) + 1;
      }
      rows_.push_back({i, start, end});
      start = end;
    }
  }
}

int TCustomMemo::RowCount() { return static_cast<int>(rows_.size()); }

int TCustomMemo::RowOf(TPos p) {
  int found = 0;
  for (int r = 0; r < RowCount(); ++r) {
    const TRow& row = rows_[static_cast<size_t>(r)];
    if (row.line > p.line) break;
    if (row.line == p.line && row.start <= p.col) found = r;
  }
  return found;
}

int TCustomMemo::VisibleRows() { return std::max(1, ClientHeight() / RowHeight()); }

int TCustomMemo::RowLeft(const TRow& row) {
  if (alignment_ == taLeftJustify) return kMargin;
  const int room = ClientWidth() - 2 * kMargin;
  const int width = TextWidth(Copy(lines_[static_cast<size_t>(row.line)], row.start + 1, row.end - row.start));
  const int spare = std::max(0, room - width);
  return kMargin + (alignment_ == taRightJustify ? spare : spare / 2);
}

TPoint TCustomMemo::PointOf(TPos p) {
  int r = RowOf(p);
  const TRow& row = rows_[static_cast<size_t>(r)];
  String before = Copy(lines_[static_cast<size_t>(p.line)], row.start + 1, p.col - row.start);
  return {RowLeft(row) + TextWidth(before) - scrollX_, (r - topRow_) * RowHeight()};
}

TCustomMemo::TPos TCustomMemo::PosAt(TPoint p) {
  int r = std::clamp(topRow_ + (p.y < 0 ? -1 : p.y / RowHeight()), 0, RowCount() - 1);
  const TRow& row = rows_[static_cast<size_t>(r)];
  const String& line = lines_[static_cast<size_t>(row.line)];
  int x = p.x - RowLeft(row) + scrollX_;
  int best = row.start;
  for (int col = row.start; col <= row.end; ++col) {
    int left = TextWidth(Copy(line, row.start + 1, col - row.start));
    if (left > x) {
      int prev = TextWidth(Copy(line, row.start + 1, col - 1 - row.start));
      best = x - prev < left - x ? col - 1 : col;
      break;
    }
    best = col;
  }
  // The end of a wrapped row is the start of the next one; stay before it.
  bool wrapped = r + 1 < RowCount() && rows_[static_cast<size_t>(r) + 1].line == row.line;
  if (wrapped && best == row.end && best > row.start) --best;
  return {row.line, best};
}

String TCustomMemo::SelText() const {
  TPos a = Before(caret_, anchor_) ? caret_ : anchor_;
  TPos b = Before(caret_, anchor_) ? anchor_ : caret_;
  String text;
  for (int i = a.line; i <= b.line; ++i) {
    const String& line = lines_[static_cast<size_t>(i)];
    int from = i == a.line ? a.col : 0;
    int to = i == b.line ? b.col : CharLength(line);
    if (i > a.line) text += "\r\n";
    text += Copy(line, from + 1, to - from);
  }
  return text;
}

// Puts `text` in place of the selection and the caret after it, within MaxLength.
void TCustomMemo::Replace(const String& input) {
  String text = input;
  if (maxLength_ > 0) {
    int room = maxLength_ - (IndexOf({static_cast<int>(lines_.size()) - 1, CharLength(lines_.back())}) - SelLength());
    if (room <= 0) return;
    if (CharLength(text) > room) text = LeftStr(text, room);
  }
  TPos a = Before(caret_, anchor_) ? caret_ : anchor_;
  TPos b = Before(caret_, anchor_) ? anchor_ : caret_;
  String head = LeftStr(lines_[static_cast<size_t>(a.line)], a.col);
  String tail = Copy(lines_[static_cast<size_t>(b.line)], b.col + 1, CharLength(lines_[static_cast<size_t>(b.line)]));
  std::vector<String> segments = SplitLines(text);
  TPos caret{a.line + static_cast<int>(segments.size()) - 1, CharLength(segments.back()) + (segments.size() == 1 ? a.col : 0)};
  segments.front() = head + segments.front();
  segments.back() += tail;
  lines_.erase(lines_.begin() + a.line, lines_.begin() + b.line + 1);
  lines_.insert(lines_.begin() + a.line, segments.begin(), segments.end());
  caret_ = anchor_ = caret;
  wantX_ = -1;
  LinesChanged(false);
  ScrollToCaret();
}

void TCustomMemo::UserEdit(const String& text) {
  if (readOnly_) return;
  if (text.empty() && SelLength() == 0) return;
  Replace(text);
  modified_ = true;
  Change();
}

void TCustomMemo::DeleteAt(bool forward) {
  if (readOnly_) return;
  if (SelLength() == 0) {
    int index = IndexOf(caret_);
    TPos other = forward ? PosOf(index + 1) : PosOf(index - 1);
    // A step back from a line's start crosses the whole line break.
    if (!forward && caret_.col == 0 && caret_.line > 0) other = {caret_.line - 1, CharLength(lines_[static_cast<size_t>(caret_.line) - 1])};
    if (forward && caret_.col == CharLength(lines_[static_cast<size_t>(caret_.line)])) other = Clamp({caret_.line + 1, 0});
    if (other == caret_) return;
    anchor_ = other;
  }
  UserEdit("");
}

void TCustomMemo::SetSelStart(int v) {
  caret_ = anchor_ = Clamp(PosOf(v));
  ScrollToCaret();
  Invalidate();
}

void TCustomMemo::SetSelLength(int v) {
  caret_ = Clamp(PosOf(IndexOf(anchor_) + std::max(v, 0)));
  ScrollToCaret();
  Invalidate();
}

void TCustomMemo::SelectAll() {
  anchor_ = {};
  caret_ = Clamp({static_cast<int>(lines_.size()) - 1, CharLength(lines_.back())});
  Invalidate();
}

void TCustomMemo::SetCaretPos(TPoint p) {
  caret_ = anchor_ = Clamp({p.y, p.x});
  ScrollToCaret();
  Invalidate();
}

void TCustomMemo::MoveTo(TPos p, bool extend) {
  caret_ = Clamp(p);
  if (!extend) anchor_ = caret_;
  ScrollToCaret();
  Invalidate();
}

void TCustomMemo::ScrollToCaret() {
  int row = RowOf(caret_);
  if (row < topRow_) SetTopRow(row);
  else if (row >= topRow_ + VisibleRows()) SetTopRow(row - VisibleRows() + 1);
  if (wordWrap_) return;
  int x = PointOf(caret_).x + scrollX_;
  int room = ClientWidth() - 2 * kMargin;
  if (x - scrollX_ > room) scrollX_ = x - room;
  if (x - kMargin < scrollX_) scrollX_ = std::max(0, x - kMargin);
  UpdateScrollBars();
}

void TCustomMemo::SetTopRow(int row) {
  row = std::clamp(row, 0, std::max(0, RowCount() - VisibleRows()));
  if (row == topRow_) return;
  topRow_ = row;
  UpdateScrollBars();
  Invalidate();
}

void TCustomMemo::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) {
    SCROLLINFO si;
    si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    si.nMax = std::max(RowCount() - 1, 0);
    si.nPage = static_cast<uint32_t>(VisibleRows());
    si.nPos = topRow_;
    SetScrollInfo(Handle(), SB_VERT, si, true);
  }
  if ((scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) && !wordWrap_) {
    int widest = 0;
    for (const String& line : lines_) widest = std::max(widest, TextWidth(line));
    SCROLLINFO si;
    si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    si.nMax = widest + 2 * kMargin;
    si.nPage = static_cast<uint32_t>(std::max(ClientWidth(), 1));
    si.nPos = scrollX_;
    SetScrollInfo(Handle(), SB_HORZ, si, true);
  }
  ScrollInfoChanged();
}

void TCustomMemo::CopyToClipboard() {
  if (SelLength() > 0) Clipboard()->SetAsText(SelText());
}

void TCustomMemo::CutToClipboard() {
  if (readOnly_ || SelLength() == 0) return;
  CopyToClipboard();
  UserEdit("");
}

void TCustomMemo::PasteFromClipboard() { UserEdit(Clipboard()->AsText()); }

void TCustomMemo::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  int height = RowHeight();
  int selFrom = SelStart(), selTo = SelStart() + SelLength();
  for (int r = topRow_; r < RowCount() && (r - topRow_) * height < ClientHeight(); ++r) {
    const TRow& row = rows_[static_cast<size_t>(r)];
    const String& line = lines_[static_cast<size_t>(row.line)];
    int y = (r - topRow_) * height;
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    canvas->TextOut(RowLeft(row) - scrollX_, y, Copy(line, row.start + 1, row.end - row.start));
    int lineStart = IndexOf({row.line, 0});
    int a = std::max(selFrom - lineStart, row.start), b = std::min(selTo - lineStart, row.end);
    if (a >= b) continue;
    int x0 = PointOf({row.line, a}).x, x1 = PointOf({row.line, b}).x;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clHighlight);
    canvas->FillRect(Rect(x0, y, x1, y + height));
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clHighlightText);
    canvas->TextOut(x0, y, Copy(line, a + 1, b - a));
  }
  if (!Focused() || SelLength() > 0) return;
  TPoint c = PointOf(caret_);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Font()->Color());
  canvas->FillRect(Rect(c.x, c.y, c.x + 1, c.y + height));
}

void TCustomMemo::Publish() {
  TPublisher<TCustomMemo> p;
  p.Redeclare("Color").Default(clWindow);
  p.Redeclare("TabStop").Default(true);
  p.Redeclare("Cursor").Default(crIBeam);
  p.Property("Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment).Default(taLeftJustify);
  p.Property("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(true);
  p.Property("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars).Default(ssNone);
  p.Property("ReadOnly", &TCustomMemo::ReadOnly, &TCustomMemo::SetReadOnly).Default(false);
  p.Property("MaxLength", &TCustomMemo::MaxLength, &TCustomMemo::SetMaxLength).Default(0);
  p.Property("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(true);
  p.Property("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs).Default(false);
  p.Event("OnChange", &TCustomMemo::OnChange);
}
