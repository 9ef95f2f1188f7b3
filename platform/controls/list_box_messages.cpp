// The LB_* messages: the list box's items and selection through its window.
#include <algorithm>

#include "platform/controls/list_box.h"

namespace {

const char* TextParam(LPARAM l) { return l ? reinterpret_cast<const char*>(l) : ""; }

}  // namespace

void TCustomListBox::LBMessage(TMessage& m) {
  if (HandleListMessage(m) || HandleSelectionMessage(m)) return;
  DefaultHandler(m);
}

LRESULT TCustomListBox::FindString(int after, const char* text, bool exact) const {
  int count = Count();
  for (int n = 0; n < count; ++n) {
    int i = (after + 1 + n) % count;
    if (i < 0) i += count;
    const String& item = items_->Item(i).text;
    bool match = exact ? AnsiCompareText(item, text) == 0
                       : AnsiCompareText(LeftStr(item, CharLength(text)), text) == 0;
    if (match) return i;
  }
  return LB_ERR;
}

bool TCustomListBox::HandleListMessage(TMessage& m) {
  int index = static_cast<int>(static_cast<intptr_t>(m.WParam));
  bool valid = index >= 0 && index < Count();
  switch (m.Msg) {
    case LB_ADDSTRING: m.Result = items_->Add(TextParam(m.LParam)); return true;
    case LB_INSERTSTRING:
      if (index == -1) index = Count();
      if (index < 0 || index > Count()) m.Result = LB_ERR;
      else items_->Insert(index, TextParam(m.LParam)), m.Result = index;
      return true;
    case LB_DELETESTRING:
      if (!valid) m.Result = LB_ERR;
      else items_->Delete(index), m.Result = Count();
      return true;
    case LB_RESETCONTENT: items_->Clear(); return true;
    case LB_SETCOUNT: m.Result = LB_ERR; return true;
    case LB_GETCOUNT: m.Result = Count(); return true;
    case LB_GETTEXT:
      if (!valid || !m.LParam) m.Result = LB_ERR;
      else *reinterpret_cast<String*>(m.LParam) = items_->Strings(index), m.Result = CharLength(items_->Strings(index));
      return true;
    case LB_GETTEXTLEN: m.Result = valid ? CharLength(items_->Strings(index)) : LB_ERR; return true;
    case LB_GETITEMDATA: m.Result = valid ? reinterpret_cast<LRESULT>(items_->Objects(index)) : LB_ERR; return true;
    case LB_SETITEMDATA:
      if (valid) items_->SetObjects(index, reinterpret_cast<TObject*>(m.LParam));
      m.Result = valid ? 0 : LB_ERR;
      return true;
    case LB_FINDSTRING: m.Result = FindString(index, TextParam(m.LParam), false); return true;
    case LB_FINDSTRINGEXACT: m.Result = FindString(index, TextParam(m.LParam), true); return true;
    case LB_GETTOPINDEX: m.Result = topIndex_; return true;
    case LB_SETTOPINDEX:
      if (!valid && index != 0) m.Result = LB_ERR;
      else SetTopIndex(index), m.Result = 0;
      return true;
    case LB_GETITEMRECT:
      if (!valid || !m.LParam) m.Result = LB_ERR;
      else *reinterpret_cast<TRect*>(m.LParam) = ItemRect(index), m.Result = 1;
      return true;
    case LB_GETITEMHEIGHT: m.Result = style_ == lbOwnerDrawVariable && valid ? HeightOf(index) : ItemHeight(); return true;
    case LB_SETITEMHEIGHT: {
      int height = static_cast<int>(m.LParam & 0xFFFF);
      if (height <= 0 || height > 255) m.Result = LB_ERR;
      else if (style_ == lbOwnerDrawVariable && valid) items_->Item(index).height = height, ItemsChanged();
      else SetItemHeight(height);
      return true;
    }
    case LB_ITEMFROMPOINT: {
      TPoint p = LParamToPoint(m.LParam);
      int at = ItemAtPos(p, false);
      bool outside = at < 0 || at >= Count();
      if (Count() == 0) at = 0;
      else at = std::clamp(at < 0 ? topIndex_ : at, 0, Count() - 1);
      m.Result = MakeLParam(at, outside ? 1 : 0);
      return true;
    }
    default: return false;
  }
}

bool TCustomListBox::HandleSelectionMessage(TMessage& m) {
  int index = static_cast<int>(static_cast<intptr_t>(m.WParam));
  int lIndex = static_cast<int>(m.LParam);
  switch (m.Msg) {
    case LB_SETCURSEL:
      if (multiSelect_) return m.Result = LB_ERR, true;
      SetItemIndex(index);
      m.Result = index >= 0 && index < Count() ? index : LB_ERR;
      return true;
    case LB_GETCURSEL: m.Result = caret_; return true;
    case LB_SETSEL:
      if (!multiSelect_) return m.Result = LB_ERR, true;
      if (lIndex == -1) {
        if (m.WParam) SelectAll();
        else ClearSelection();
      } else if (lIndex < 0 || lIndex >= Count()) {
        return m.Result = LB_ERR, true;
      } else {
        SetSelected(lIndex, m.WParam != 0);
      }
      m.Result = 0;
      return true;
    case LB_GETSEL: m.Result = index >= 0 && index < Count() ? (items_->Item(index).selected ? 1 : 0) : LB_ERR; return true;
    case LB_GETSELCOUNT: m.Result = SelCount(); return true;
    case LB_GETSELITEMS: {
      if (!multiSelect_) return m.Result = LB_ERR, true;
      auto* out = reinterpret_cast<int*>(m.LParam);
      int n = 0;
      for (int i = 0; i < Count() && n < index && out; ++i)
        if (items_->Item(i).selected) out[n++] = i;
      m.Result = n;
      return true;
    }
    case LB_SELITEMRANGE:
      if (!multiSelect_) return m.Result = LB_ERR, true;
      for (int i = std::max(0, lIndex & 0xFFFF); i <= std::min(Count() - 1, (lIndex >> 16) & 0xFFFF); ++i)
        items_->Item(i).selected = m.WParam != 0;
      Invalidate();
      m.Result = 0;
      return true;
    case LB_SELECTSTRING: {
      LRESULT found = FindString(index, TextParam(m.LParam), false);
      if (found != LB_ERR && !multiSelect_) SetItemIndex(static_cast<int>(found));
      m.Result = found;
      return true;
    }
    case LB_GETANCHORINDEX: m.Result = anchor_; return true;
    case LB_SETANCHORINDEX: anchor_ = index >= 0 && index < Count() ? index : anchor_; return true;
    case LB_GETCARETINDEX: m.Result = caret_; return true;
    case LB_SETCARETINDEX:
      if (index < 0 || index >= Count()) return m.Result = LB_ERR, true;
      if (multiSelect_) caret_ = index, MakeVisible(index), Invalidate();
      else SetItemIndex(index);
      return true;
    default: return false;
  }
}
