#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/controls/custom_control.h"
#include "sidebar/alpha_blend.h"
#include "sidebar/bar_layout.h"
#include "sidebar/close_button.h"
#include "sidebar/drag_drop_manager.h"
#include "sidebar/headers.h"
#include "sidebar/inplace_editor.h"
#include "sidebar/side_bar_drag.h"
#include "sidebar/side_bar_input.h"
#include "sidebar/side_bar_painter.h"
#include "sidebar/sidebar_types.h"

class TnbDragDropManager;
class TnbSideBarPainter;
class TnbTextCache;
class TStream;

// The navigation side bar: a column of headers, each holding buttons. In the outlook view
// one header is active and shows its buttons; in the explorer view every header shows its
// caption and, when open, its buttons.
class TnbSideBar : public TCustomControl {
  DECLARE_CLASS(TnbSideBar, TCustomControl)
  // The slide drives the bar's animation state (side_bar_switch.cpp, header_slide.cpp).
  friend class TnbHeaderSlide;
  // The input controller and its drag collaborator work the bar's state and timers.
  friend class TnbSideBarInput;
  friend class TnbBarLayout;
  friend class TnbSideBarDrag;

 public:
  explicit TnbSideBar(TComponent* owner);
  ~TnbSideBar() override;
  // The notification code of a list's info-tip request (answered with the hint at the mouse).
  static constexpr UINT kInfoTipNotification = static_cast<UINT>(-157);
  static void Publish();

  // ---- headers ----
  TnbHeaders* Headers() const { return headers_.get(); }
  void SetHeaders(TnbHeaders* v) { headers_->Assign(v); }
  int HeaderCount() const { return headers_->Count(); }
  // Nil past the end; a negative index raises the collection's index error.
  TnbHeader* GetHeader(int index) const;
  // The header at index, nil outside 0..count-1.
  TnbHeader* Header(int index) const;
  int VisibleHeaderCount() const;
  int NextVisibleIndex(int index) const;
  TnbHeader* PreviousVisibleHeader(TnbHeader* header) const;
  TnbHeader* NextVisibleHeader(TnbHeader* header) const;
  int ActiveIndex() const { return activeHeader_ ? activeHeader_->Index() : -1; }
  TnbHeader* ActiveHeader() const { return activeHeader_; }
  void SetActiveHeader(TnbHeader* header);
  void DeleteHeader(TnbHeader* header);
  void DeleteHeader(int index);
  void Clear();

  // ---- owned look objects ----
  TnbBackground* Background() const { return background_.get(); }
  void SetBackground(TnbBackground* v) { background_->Assign(v); }
  TnbBarSettings* Settings() const { return settings_.get(); }
  void SetSettings(TnbBarSettings* v) { settings_->Assign(v); }
  TnbHeaderImages* HeaderImages() const { return headerImages_.get(); }
  void SetHeaderImages(TnbHeaderImages* v) { headerImages_->Assign(v); }
  TnbBorder* Border() const { return border_.get(); }
  void SetBorder(TnbBorder* v) { border_->Assign(v); }
  TnbCloseButton* CloseButton() const { return closeButton_.get(); }
  void SetCloseButton(TnbCloseButton* v) { closeButton_->Assign(v); }
  TnbInplaceEditor* InplaceEditor() const { return inplaceEditor_.get(); }
  void SetInplaceEditor(TnbInplaceEditor* v) { inplaceEditor_->Assign(v); }

  // ---- published values ----
  TColor AlertColor() const { return alertColor_; }
  void SetAlertColor(TColor v) { alertColor_ = v; }
  uint32_t AutoButtonScrollDelay() const { return autoButtonScrollDelay_; }
  void SetAutoButtonScrollDelay(uint32_t v) { autoButtonScrollDelay_ = v; }
  uint32_t AutoScrollDelay() const { return autoScrollDelay_; }
  void SetAutoScrollDelay(uint32_t v) { autoScrollDelay_ = v; }
  uint32_t AutoChangeDelay() const { return autoChangeDelay_; }
  void SetAutoChangeDelay(uint32_t v) { autoChangeDelay_ = v; }
  uint32_t AlertInterval() const { return alertInterval_; }
  void SetAlertInterval(uint32_t v);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut v) { Repainting(bevelInner_, v); }
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut v) { Repainting(bevelOuter_, v); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v) { Repainting(bevelWidth_, v); }
  void SetBorderWidth(int v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  bool CommonStyle() const { return commonStyle_; }
  void SetCommonStyle(bool v) { Repainting(commonStyle_, v); }
  TColor DropMarkColor() const { return dropMarkColor_; }
  void SetDropMarkColor(TColor v) { dropMarkColor_ = v; }
  bool EachHeaderSelection() const { return eachHeaderSelection_; }
  void SetEachHeaderSelection(bool v);
  TnbExplorerMethod ExplorerMethod() const { return explorerMethod_; }
  void SetExplorerMethod(TnbExplorerMethod v);
  bool Flat() const { return flat_; }
  void SetFlat(bool v) { Repainting(flat_, v); }
  uint8_t HeaderScrollAcceleration() const { return headerScrollAcceleration_; }
  void SetHeaderScrollAcceleration(uint8_t v) { headerScrollAcceleration_ = v == 0 ? 1 : v; }
  uint16_t ScrollChange() const { return scrollChange_; }
  void SetScrollChange(uint16_t v) { scrollChange_ = v; }
  TnbHeaderScrollType HeaderScrollType() const { return headerScrollType_; }
  void SetHeaderScrollType(TnbHeaderScrollType v) { headerScrollType_ = v; }
  uint8_t HeaderScrollValue() const { return headerScrollValue_; }
  void SetHeaderScrollValue(uint8_t v) { headerScrollValue_ = v == 0 ? 1 : v; }
  TnbPreSet PreSet() const { return preSet_; }
  void SetPreSet(TnbPreSet v);
  uint16_t ScrollBoxSize() const { return scrollBoxSize_; }
  void SetScrollBoxSize(uint16_t v) { Repainting(scrollBoxSize_, v); }
  TnbScrollView ScrollView() const { return scrollView_; }
  void SetScrollView(TnbScrollView v) { Repainting(scrollView_, v); }
  TnbBarOptions Options() const { return options_; }
  void SetOptions(TnbBarOptions v);
  String Version() const;
  void SetVersion(const String&) {}
  TnbViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TnbViewStyle v);

  // ---- events ----
  TnbEventHeaderChange OnChange;
  TnbEventCanChangeHeader OnCanChange;
  TnbEventDrawButton OnDrawCloseButton;
  TnbEventDrawHeaderButtons OnDrawHeaderButtons, OnAfterDrawHeaderButtons;
  TnbEventChangeViewStyle OnChangeViewStyle;
  TNotifyEvent OnHide, OnShow;
  TnbEventAfterChangeStyle OnAfterChangeStyle;
  TContextPopupEvent OnEditorContextPopup;
  TnbEventDragAllowed OnDragAllowed;
  TnbEventDragOver OnDragOver;
  TnbEventDragEnter OnDragEnter;
  TnbEventDragDrop OnDragDrop;

  // ---- update bracket ----
  virtual void BeginUpdate();
  virtual void EndUpdate();
  bool Updating() const { return updating_; }
  // Stays true while the bar exists; code that lets messages run checks it afterwards.
  std::shared_ptr<bool> AliveToken() const { return alive_; }

  // Invalidates the whole client area without erasing (nothing while loading or dying).
  void Invalidate() override;
  // The handler the bar installs on its look objects, headers and buttons.
  const TNotifyEvent& ParameterChangedHandler() const { return paramChanged_; }
  bool IsLoaded() const { return loaded_; }
  bool IsDesigning() const { return ComponentState().Contains(csDesigning); }
  // A layout or form is being read into the bar.
  bool Reading() const { return ComponentState().Contains(csLoading); }

  // ---- alert and scrolling ----
  TnbButton* AlertButton() const { return alertButton_; }
  void SetAlertButton(TnbButton* button);
  int ScrollOffset() const { return scrollOffset_; }
  void ScrollColumnUp();
  void ScrollColumnDown();
  enum BoxIndex { ColumnUp = TnbBarLayout::ColumnUp, ColumnDown, ListUp, ListDown };
  TnbScrollBox ScrollBox(BoxIndex i) const { return BoxNow(i); }
  TnbScrollBox CloseBox() const { return BoxNow(TnbSideBarInput::Close); }

  // ---- layout ----
  // Where everything lies, brought up to date first when anything changed since the last pass.
  const TnbBarLayout& BarLayout() const;
  // The client rectangle inside the bevels.
  TRect InnerRect();
  bool SingleActiveLayout() const;
  bool CloseUpLayout() const;
  // False while a slide moves the captions itself.
  bool LayoutReady() const { return layoutReady_; }
  int AnimatingIndex() const { return animatingIndex_; }
  // The texts of the bar's captions and labels, kept between paints.
  TnbTextCache* TextCache() const { return textCache_.get(); }

  bool Animating() const { return animatingIndex_ >= 0; }
  // The mouse, keys and wheel: what is hot and held, and drags (side_bar_input.cpp).
  const TnbSideBarInput& Input() const { return *input_; }

  // Told by the collections when an item leaves, so no reference to it survives.
  void HeaderGone(TnbHeader* header);
  void ButtonGone(TnbButton* button);
  // The same for an item that may be half destroyed: only its address is compared.
  void ItemGone(TCollectionItem* item);
  // The content moved under the mouse: what is hot is found again.
  void ContentMoved() { input_->ContentMoved(); }
  // Clears the active header without the switch (the header was hidden).
  void ForgetActiveHeader() { activeHeader_ = nullptr; }
  // A header or button was deleted or hidden: a scrolled column is brought back over what is
  // left by the next layout pass.
  void ContentShrank();

  // ---- drag and drop (side_bar_drop.cpp; the work is the drag collaborator's) ----
  // The bar's number among the living bars of this process (drag data names it by it).
  uint32_t LiveId() const { return input_->Drag().LiveId(); }
  uint32_t GetDropEffect(TnbSideBar* source, TShiftState shift, uint32_t allowed) const;
  virtual HRESULT DoDragEnter(IDataObject* data, TnbSideBar* source, uint32_t keyState, TPoint screen,
                              uint32_t& effect);
  virtual HRESULT DoDragOver(TnbSideBar* source, uint32_t keyState, TPoint screen, uint32_t& effect);
  virtual HRESULT DoDragLeave();
  // S_OK when the bar or OnDragDrop took the drop; E_FAIL when nobody did or nothing was offered.
  virtual HRESULT DoDrop(IDataObject* data, TnbSideBar* source, uint32_t keyState, TPoint screen, uint32_t& effect);
  // During a drag over the bar: presses the scroll boxes under the client point and starts
  // their repeat timers, so holding a button over a box scrolls.
  virtual void AutoScrollBoxes(int x, int y);
  // Repaints where the drop mark at `button` is drawn (not inside an update bracket).
  virtual void InvalidateDropTarget(TnbButton* button);
  // Writes the dragged-button record of the drag data; a descendant may add to it.
  virtual void WriteDraggedButton(TStream& stream, TnbButton* button);
  TnbButton* DraggedButton() const { return input_->Drag().DraggedButton(); }
  TnbButton* DropTarget() const { return input_->Drag().DropTarget(); }
  // Where the mark at the drop target is: 1 before it, 2 after it, 3 after it as the last.
  int DropPosition() const { return input_->Drag().DropPosition(); }
  TnbHeader* AutoChangeCandidate() const { return input_->Drag().AutoChangeCandidate(); }
  TnbDragDropManager* DragDropManager() const { return input_->Drag().Manager(); }

  // ---- layout persistence ----
  virtual void LoadFromFile(const String& fileName);
  virtual void LoadFromStream(TStream& stream);
  virtual void SaveToFile(const String& fileName);
  virtual void SaveToStream(TStream& stream);

  bool CanFocus() override { return true; }

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void WndProc(TMessage& m) override;
  void DefineProperties(TFiler& filer) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void AdjustClientRect(TRect& rect) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

  virtual void DoChange(int oldIndex, int newIndex);
  virtual void DoCanChange(TnbHeader* newHeader, bool& canChange);
  virtual bool DoChangeViewStyle(TnbViewStyle oldStyle, TnbViewStyle newStyle);
  virtual void DoDrawHeaderButtons(TCanvas* canvas, const TRect& rect, int activeIndex);
  virtual void DoAfterDrawHeaderButtons(TCanvas* canvas, const TRect& rect, int activeIndex);
  virtual void DoDrawCloseButton(TCanvas* canvas, const TRect& rect, TnbButtonState state);
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose();
  virtual bool DoDragAllowed(TnbButton* button);
  virtual void DrawDropMark(TCanvas* canvas, const TRect& r, int position);
  // Fires OnContextPopup for a button, a header or the bar itself.
  virtual void ItemContextPopup(TObject* sender, TPoint mousePos, bool& handled);

 private:
  template <typename T>
  void Repainting(T& field, const T& value) {
    if (nbChanged(field, value)) Invalidate();
  }
  void ParameterChanged(TObject*) { Invalidate(); }
  void BackgroundChanged(TObject*);
  void InvalidateRect(const TRect& r);
  // Box `i` as it is now, the layout brought up to date first.
  TnbScrollBox BoxNow(int i) const;
  TnbPaintHooks PaintHooks();
  bool Editing() const;
  void EditorContextPopup(TObject* sender, TPoint mousePos, bool& handled);

  // Refuses an item of another bar (or of none) for a `role` of this bar's.
  [[noreturn]] static void RefuseForeign(const String& name, const String& caption, const char* role,
                                         const char* kind);
  // The active-header switch (side_bar_switch.cpp).
  bool SwitchAllowed(TnbHeader* header);
  void Slide(TnbHeader* from, TnbHeader* to);
  void PaintNow();
  // Paints parts of the bar (client rectangles) on its window now, as the layout stands.
  void PaintParts(const std::vector<TRect>& parts);
  // Paints `area` off-screen and copies it to `dc` in one step.
  void PaintThrough(HDC dc, const TRect& area);

  // Messages. Inherited runs the handling the bar's base classes give a message.
  void Inherited(TMessage& m);
  void WMTimer(TMessage& m);
  void WMEraseBkgnd(TMessage& m);
  void WMSize(TMessage& m);
  void WMSetFocus(TMessage& m);
  void WMKillFocus(TMessage& m);
  void WMContextMenu(TMessage& m);
  // The context popup of a button or header, then its own menu unless the popup handled it.
  template <typename Item>
  void ItemMenu(Item* item, TPoint p, TPoint screen, bool& handled);
  // Mouse enter and leave, accelerators, left presses and releases, designer hit tests and
  // drags of the class library: the input controller's.
  void InputMessage(TMessage& m);
  void CMHintShow(TMessage& m);
  void CMRepaint(TMessage& m);
  void CMVisibleChanged(TMessage& m);
  void CMColorChanged(TMessage& m);
  void CMCtl3DChanged(TMessage& m);
  void CMSysColorChange(TMessage& m);
  void CNNotify(TMessage& m);
  void WMNCDestroy(TMessage& m);
  void WMSetCursor(TMessage& m);
  // A press on the bar itself, with the class library's automatic drag kept out of it.
  void PressWithoutAutoDrag(TMessage& m);

  // Timers (side_bar_timers.cpp).
  void StartTimer(uintptr_t id, uint32_t ms);
  void StopTimer(uintptr_t id);

  // Alignment and the active header stored beside the published properties.
  void ReadAlignInfo(class TReader& reader);
  void WriteAlignInfo(class TWriter& writer);
  void ReadActiveIndex(class TReader& reader);
  void WriteActiveIndex(class TWriter& writer);

  TnbSideBarUnit unit_;
  TNotifyEvent paramChanged_;
  std::unique_ptr<TnbHeaders> headers_;
  std::unique_ptr<TnbBackground> background_;
  std::unique_ptr<TnbBarSettings> settings_;
  std::unique_ptr<TnbHeaderImages> headerImages_;
  std::unique_ptr<TnbBorder> border_;
  std::unique_ptr<TnbCloseButton> closeButton_;
  std::unique_ptr<TnbInplaceEditor> inplaceEditor_;

  TColor alertColor_ = 255;
  uint32_t autoButtonScrollDelay_ = 600;
  uint32_t autoScrollDelay_ = 500;
  uint32_t autoChangeDelay_ = 100;
  uint32_t alertInterval_ = 500;
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvLowered;
  int bevelWidth_ = 1;
  TBorderStyle borderStyle_ = bsNone;
  bool commonStyle_ = true;
  TColor dropMarkColor_ = 0;
  bool eachHeaderSelection_ = false;
  TnbExplorerMethod explorerMethod_ = emCloseUp;
  bool flat_ = true;
  uint8_t headerScrollAcceleration_ = 5;
  uint16_t scrollChange_ = 50;
  TnbHeaderScrollType headerScrollType_ = stAccelerated;
  uint8_t headerScrollValue_ = 20;
  TnbPreSet preSet_ = psOutlook;
  uint16_t scrollBoxSize_ = 15;
  TnbScrollView scrollView_ = ssNormal;
  TnbBarOptions options_ = TnbBarOptions::FromMask(921);
  TnbViewStyle viewStyle_ = vsOutlook;

  TnbHeader* activeHeader_ = nullptr;
  int storedActiveIndex_ = -1;
  bool loaded_ = false;
  int scrollOffset_ = 0;
  bool layoutReady_ = true;
  bool painting_ = false;
  bool switching_ = false;
  int animatingIndex_ = -1;
  int updateCount_ = 0;
  bool updating_ = false;
  TnbButton* alertButton_ = nullptr;
  std::unique_ptr<TBitmap> offscreen_;
  std::unique_ptr<TnbTextCache> textCache_;
  std::unique_ptr<TnbBarLayout> layout_;
  std::unique_ptr<TnbSideBarInput> input_;
  std::unique_ptr<TnbSideBarPainter> painter_;
  // The header the latest switch goes to: a switch that a handler started meanwhile (or the
  // header going) ends the one running.
  TnbHeader* switchTarget_ = nullptr;
  // False once the bar is destroyed, for code that ran messages in between.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Holds a bar's update bracket for the life of a scope.
// A bar destroyed inside the bracket (by a handler) is not touched again.
class TnbUpdateLock {
 public:
  explicit TnbUpdateLock(TnbSideBar* bar) : bar_(bar), alive_(bar->AliveToken()) { bar_->BeginUpdate(); }
  ~TnbUpdateLock() {
    if (*alive_) bar_->EndUpdate();
  }
  TnbUpdateLock(const TnbUpdateLock&) = delete;
  TnbUpdateLock& operator=(const TnbUpdateLock&) = delete;

 private:
  TnbSideBar* bar_;
  std::shared_ptr<bool> alive_;
};
