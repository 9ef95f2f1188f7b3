// The side bar control: headers, update brackets, layout and invalidation.
#include "sidebar/side_bar.h"

#include "platform/classes/class_registry.h"
#include "platform/classes/filer.h"
#include "platform/classes/properties.h"
#include "platform/classes/stream_components.h"
#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/core/scope_guard.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_styles.h"
#include "sidebar/handler_watch.h"
#include "sidebar/presets.h"
#include "sidebar/text_cache.h"

TnbSideBar::TnbSideBar(TComponent* owner) : TCustomControl(owner) {
  // The first bar makes the side bar's classes known to component streaming.
  static const bool registered = [] {
    for (TClass cls : {TnbSideBar::StaticClass(), TnbHeader::StaticClass(), TnbButton::StaticClass(),
                       TnbInplaceEdit::StaticClass(), TnbBackground::StaticClass(), TnbBarSettings::StaticClass()})
      RegisterClass(cls);
    return true;
  }();
  (void)registered;
  SetControlStyle({csCaptureMouse, csClickEvents, csOpaque});
  paramChanged_.Bind(this, "", &TnbSideBar::ParameterChanged);
  headers_ = std::make_unique<TnbHeaders>(this);
  background_ = std::make_unique<TnbBackground>();
  TNotifyEvent backgroundChanged;
  backgroundChanged.Bind(this, "", &TnbSideBar::BackgroundChanged);
  background_->SetOnChangeParameter(backgroundChanged);
  settings_ = std::make_unique<TnbBarSettings>();
  settings_->SetOnChangeParameter(paramChanged_);
  headerImages_ = std::make_unique<TnbHeaderImages>(this);
  headerImages_->SetOnChangeParameter(paramChanged_);
  border_ = std::make_unique<TnbBorder>();
  border_->SetOnChangeParameter(paramChanged_);
  closeButton_ = std::make_unique<TnbCloseButton>(this);
  inplaceEditor_ = std::make_unique<TnbInplaceEditor>(this);
  inplaceEditor_->Edit()->OnContextPopup.Bind(this, "", &TnbSideBar::EditorContextPopup);
  SetAlign(alLeft);
  SetColor(clBtnFace);
  SetTabStop(true);
  SetWidth(120);
  textCache_ = std::make_unique<TnbTextCache>();
  layout_ = std::make_unique<TnbBarLayout>(*this);
  input_ = std::make_unique<TnbSideBarInput>(*this);
  layout_->SetPlacedHandler([this] { input_->BoxesPlaced(); });
  painter_ = std::make_unique<TnbSideBarPainter>(*this, *layout_, *input_, PaintHooks());
  input_->Drag().RegisterLive();
}

TnbSideBar::~TnbSideBar() {
  *alive_ = false;
  input_->Drag().UnregisterLive();
  painting_ = true;
  activeHeader_ = nullptr;
  input_->ForgetItems();
  inplaceEditor_->Edit()->OnContextPopup = nullptr;
  inplaceEditor_.reset();
  closeButton_.reset();
  Clear();
  headers_.reset();
  alertButton_ = nullptr;
  loaded_ = false;
}

void TnbSideBar::Publish() {
  using B = TnbSideBar;
  TPublisher<B> p;
  // Control settings the base classes keep without publishing them.
  // A mode taken from the parent is not the bar's own: only its own is stored.
  p.Property("BiDiMode", &B::BiDiMode, &B::SetBiDiMode).Stored([](B* b) { return !b->ParentBiDiMode(); });
  p.Property("ParentBiDiMode", &B::ParentBiDiMode, &B::SetParentBiDiMode).Default(true);
  p.Property("DockSite", &B::DockSite, &B::SetDockSite).Default(false);
  p.Event("OnCanResize", &B::OnCanResize);
  p.Event("OnMouseWheelDown", &B::OnMouseWheelDown);
  p.Event("OnMouseWheelUp", &B::OnMouseWheelUp);
  p.Event("OnDockDrop", &B::OnDockDrop);
  p.Event("OnDockOver", &B::OnDockOver);
  p.Event("OnEndDock", &B::OnEndDock);
  p.Event("OnGetSiteInfo", &B::OnGetSiteInfo);
  p.Event("OnStartDock", &B::OnStartDock);
  p.Event("OnUnDock", &B::OnUnDock);
  p.Property("BorderWidth", &B::BorderWidth, &B::SetBorderWidth).Default(0);
  p.Property("Constraints", &B::Constraints, &B::SetConstraints);
  p.Property("PopupMenu", &B::PopupMenu, &B::SetPopupMenu);
  p.Event("OnContextPopup", &B::OnContextPopup);
  p.Event("OnMouseWheel", &B::OnMouseWheel);
  p.Property("AlertColor", &B::AlertColor, &B::SetAlertColor).Default(TColor{255});
  p.Property("AutoButtonScrollDelay", &B::AutoButtonScrollDelay, &B::SetAutoButtonScrollDelay).Default(600u);
  p.Property("AutoScrollDelay", &B::AutoScrollDelay, &B::SetAutoScrollDelay).Default(500u);
  p.Property("AutoChangeDelay", &B::AutoChangeDelay, &B::SetAutoChangeDelay).Default(100u);
  p.Property("AlertInterval", &B::AlertInterval, &B::SetAlertInterval).Default(500u);
  p.Property("Background", &B::Background, &B::SetBackground);
  p.Property("BevelInner", &B::BevelInner, &B::SetBevelInner).Default(bvNone);
  // A new bar is bvLowered and bsNone, which are not the stored defaults of these two (bvRaised,
  // bsSingle): they are always written, so that what is saved loads back into a new bar as it
  // was. A layout without them leaves the bar's own values.
  p.Property("BevelOuter", &B::BevelOuter, &B::SetBevelOuter);
  p.Property("BevelWidth", &B::BevelWidth, &B::SetBevelWidth).Default(1);
  p.Property("Border", &B::Border, &B::SetBorder);
  p.Property("BorderStyle", &B::BorderStyle, &B::SetBorderStyle);
  // The bar starts aligned left, so with anchors other than their stored default: they are
  // always written (after the alignment, which sets its own), so they come back as saved.
  p.Redeclare("Anchors").NoDefault();
  // A new bar takes the focus by Tab: only a bar that does not is written.
  p.Redeclare("TabStop").Default(true);
  p.Property("CommonStyle", &B::CommonStyle, &B::SetCommonStyle);
  p.Property("CloseButton", &B::CloseButton, &B::SetCloseButton);
  p.Property("DropMarkColor", &B::DropMarkColor, &B::SetDropMarkColor).Default(TColor{0});
  p.Property("EachHeaderSelection", &B::EachHeaderSelection, &B::SetEachHeaderSelection).Default(false);
  p.Property("ExplorerMethod", &B::ExplorerMethod, &B::SetExplorerMethod).Default(emCloseUp);
  p.Property("Flat", &B::Flat, &B::SetFlat).Default(true);
  p.Property("Headers", &B::Headers, &B::SetHeaders);
  p.Property("HeaderImages", &B::HeaderImages, &B::SetHeaderImages);
  p.Property("InplaceEditor", &B::InplaceEditor, &B::SetInplaceEditor);
  p.Property("HeaderScrollAcceleration", &B::HeaderScrollAcceleration, &B::SetHeaderScrollAcceleration).Default(uint8_t{5});
  p.Property("ScrollChange", &B::ScrollChange, &B::SetScrollChange).Default(uint16_t{50});
  p.Property("HeaderScrollType", &B::HeaderScrollType, &B::SetHeaderScrollType).Default(stAccelerated);
  p.Property("HeaderScrollValue", &B::HeaderScrollValue, &B::SetHeaderScrollValue).Default(uint8_t{20});
  p.Property("PreSet", &B::PreSet, &B::SetPreSet).Stored(false);
  p.Property("ScrollBoxSize", &B::ScrollBoxSize, &B::SetScrollBoxSize).Default(uint16_t{15});
  p.Property("Settings", &B::Settings, &B::SetSettings);
  p.Property("ScrollView", &B::ScrollView, &B::SetScrollView).Default(ssNormal);
  p.Property("Options", &B::Options, &B::SetOptions);
  p.Property("Version", &B::Version, &B::SetVersion);
  p.Property("ViewStyle", &B::ViewStyle, &B::SetViewStyle).Default(vsOutlook);
  p.Event("OnChange", &B::OnChange);
  p.Event("OnCanChange", &B::OnCanChange);
  p.Event("OnDrawCloseButton", &B::OnDrawCloseButton);
  p.Event("OnDrawHeaderButtons", &B::OnDrawHeaderButtons);
  p.Event("OnAfterDrawHeaderButtons", &B::OnAfterDrawHeaderButtons);
  p.Event("OnChangeViewStyle", &B::OnChangeViewStyle);
  p.Event("OnHide", &B::OnHide);
  p.Event("OnShow", &B::OnShow);
  p.Event("OnAfterChangeStyle", &B::OnAfterChangeStyle);
  p.Event("OnEditorContextPopup", &B::OnEditorContextPopup);
  p.Event("OnDragAllowed", &B::OnDragAllowed);
  // The bar's drag events replace the class library's ones of the same names.
  p.Event("OnDragOver", &B::OnDragOver);
  p.Event("OnDragEnter", &B::OnDragEnter);
  p.Event("OnDragDrop", &B::OnDragDrop);
  // The close bar's caption is drawn by its private header; its hooks are the bar's.
  p.Event("OnDrawCloseHeader", [](B* b) -> TnbEventDrawHeader& { return b->CloseButton()->Header()->OnDrawHeaderButton; });
  p.Event("OnAfterDrawCloseHeader",
          [](B* b) -> TnbEventDrawHeader& { return b->CloseButton()->Header()->OnAfterDrawHeaderButton; });
}

// ---- headers ---------------------------------------------------------------------------------

TnbHeader* TnbSideBar::GetHeader(int index) const {
  if (index > HeaderCount() - 1) return nullptr;
  return headers_->Items(index);
}

TnbHeader* TnbSideBar::Header(int index) const {
  return index >= 0 && index < HeaderCount() ? headers_->Items(index) : nullptr;
}

int TnbSideBar::VisibleHeaderCount() const {
  int n = 0;
  for (int i = 0; i < HeaderCount(); ++i) n += Header(i)->Visible() ? 1 : 0;
  return n;
}

int TnbSideBar::NextVisibleIndex(int index) const {
  for (int i = index + 1; i < HeaderCount(); ++i)
    if (Header(i)->Visible()) return i;
  return -1;
}

TnbHeader* TnbSideBar::PreviousVisibleHeader(TnbHeader* header) const {
  if (header == nullptr) return nullptr;
  for (int i = header->Index() - 1; i >= 0; --i)
    if (Header(i)->Visible()) return Header(i);
  return header;
}

TnbHeader* TnbSideBar::NextVisibleHeader(TnbHeader* header) const {
  if (header == nullptr) return nullptr;
  const int next = NextVisibleIndex(header->Index());
  return next >= 0 ? Header(next) : header;
}

void TnbSideBar::DeleteHeader(TnbHeader* header) {
  if (header != nullptr && header->Collection() == headers_.get()) headers_->Delete(header->Index());
}

void TnbSideBar::DeleteHeader(int index) { headers_->Delete(index); }

void TnbSideBar::Clear() {
  TnbUpdateLock lock(this);
  while (HeaderCount() > 0) headers_->Delete(HeaderCount() - 1);
}

void TnbSideBar::RefuseForeign(const String& name, const String& caption, const char* role, const char* kind) {
  throw Exception("Cannot make \"" + (name.empty() ? caption : name) + "\" " + role + ": it is not a " + kind +
                  " of this side bar");
}

void TnbSideBar::HeaderGone(TnbHeader* header) {
  ItemGone(header);
  for (int i = 0; i < header->ButtonCount(); ++i) ButtonGone(header->GetButton(i));
}

void TnbSideBar::ButtonGone(TnbButton* button) { ItemGone(button); }

void TnbSideBar::ContentShrank() {
  if (layout_) layout_->ClampColumn();
}

void TnbSideBar::ItemGone(TCollectionItem* item) {
  ContentShrank();
  for (TnbHeader** ref : {&activeHeader_, &switchTarget_}) nbForget(*ref, item);
  TnbHandlerWatch::ItemGone(item);
  if (input_) input_->ItemGone(item);
  if (alertButton_ != nullptr && static_cast<TCollectionItem*>(alertButton_) == item) {
    alertButton_ = nullptr;
    StopTimer(5);
  }
  if (inplaceEditor_) inplaceEditor_->Forget(item);
}

// ---- properties ------------------------------------------------------------------------------

void TnbSideBar::SetBorderWidth(int v) {
  if (v == BorderWidth()) return;
  TCustomControl::SetBorderWidth(v);
  // The border lies outside the client area: a new window takes the new frame.
  if (HandleAllocated()) RecreateWnd();
  Invalidate();
}

void TnbSideBar::SetBorderStyle(TBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  if (HandleAllocated()) RecreateWnd();
  Invalidate();
}

void TnbSideBar::SetEachHeaderSelection(bool v) {
  eachHeaderSelection_ = v;
  for (int i = 0; i < HeaderCount(); ++i) Header(i)->SetSelectedIndex(-1);
  Invalidate();
}

void TnbSideBar::SetExplorerMethod(TnbExplorerMethod v) {
  if (explorerMethod_ == v) return;
  explorerMethod_ = v;
  for (int i = 0; i < HeaderCount(); ++i) Header(i)->SetFirstVisibleIndex(0);
  if (!ComponentState().Contains(csLoading) && HeaderCount() > 0) {
    TnbHandlerWatch watch(*this);
    SetActiveHeader(Header(0));
    if (!watch.BarKept()) return;
  }
  Invalidate();
}

void TnbSideBar::SetViewStyle(TnbViewStyle v) {
  if (viewStyle_ == v) return;
  TnbHandlerWatch watch(*this);
  if (!DoChangeViewStyle(viewStyle_, v) || !watch.BarKept()) return;
  scrollOffset_ = 0;
  viewStyle_ = v;
  if (HandleAllocated()) RecreateWnd();
  Invalidate();
}

void TnbSideBar::SetOptions(TnbBarOptions v) {
  options_ = v;
  input_->Drag().UpdateRegistration();
  Invalidate();
}

String TnbSideBar::Version() const {
  constexpr int kVersion = 256;
  return Format("%d.%d", {kVersion >> 8, kVersion & 0xFF});
}

void TnbSideBar::SetPreSet(TnbPreSet v) {
  TnbUpdateLock lock(this);
  preSet_ = v;
  nbApplyPreset(this, v);
  OnAfterChangeStyle.Call(this, v);
}

bool TnbSideBar::SingleActiveLayout() const {
  return viewStyle_ == vsOutlook || explorerMethod_ == emStandard;
}

bool TnbSideBar::CloseUpLayout() const { return !SingleActiveLayout(); }

void TnbSideBar::EditorContextPopup(TObject*, TPoint mousePos, bool& handled) {
  // The bar's handler sees the position in its own coordinates, the editor as the sender.
  TnbInplaceEdit* edit = inplaceEditor_->Edit();
  handled = false;
  TnbHandlerWatch watch(*this);
  OnEditorContextPopup.Call(inplaceEditor_.get(), TPoint{mousePos.x + edit->Left(), mousePos.y + edit->Top()}, handled);
  // A handler that freed the bar freed the edit too: the click is used up, no menu of the edit's shows.
  if (!watch.BarKept()) handled = true;
}

bool TnbSideBar::Editing() const { return inplaceEditor_ && inplaceEditor_->Editing(); }

// ---- layout ----------------------------------------------------------------------------------

const TnbBarLayout& TnbSideBar::BarLayout() const {
  layout_->Update();
  return *layout_;
}

TnbScrollBox TnbSideBar::BoxNow(int i) const {
  layout_->Update();
  return input_->Box(i);
}

TRect TnbSideBar::InnerRect() {
  TRect r = ClientRect();
  AdjustClientRect(r);
  return r;
}

void TnbSideBar::BackgroundChanged(TObject*) {
  // The bar's colour follows its background's, here rather than in Paint: a new colour
  // re-creates the window, which must never happen inside its own paint.
  if (!ComponentState().Contains(csDestroying) && Color() != background_->Color()) SetColor(background_->Color());
  Invalidate();
}

TnbPaintHooks TnbSideBar::PaintHooks() {
  TnbPaintHooks hooks;
  hooks.DrawHeaderButtons = [this](TCanvas* c, const TRect& r, int index) { DoDrawHeaderButtons(c, r, index); };
  hooks.AfterDrawHeaderButtons = [this](TCanvas* c, const TRect& r, int index) { DoAfterDrawHeaderButtons(c, r, index); };
  hooks.DrawCloseButton = [this](TCanvas* c, const TRect& r, TnbButtonState s) { DoDrawCloseButton(c, r, s); };
  hooks.DrawDropMark = [this](TCanvas* c, const TRect& r, int position) { DrawDropMark(c, r, position); };
  return hooks;
}

// ---- update bracket and repaint --------------------------------------------------------------

void TnbSideBar::BeginUpdate() {
  ++updateCount_;
  updating_ = true;
}

void TnbSideBar::EndUpdate() {
  if (!updating_) return;
  if (--updateCount_ > 0) return;
  updating_ = false;
  Invalidate();
}

void TnbSideBar::Invalidate() {
  // Anything of the look may have changed: kept caption pictures are drawn afresh.
  if (painter_) painter_->ForgetPictures();
  InvalidateRect(ClientRect());
}

// The mouse's states: kept caption pictures know the caption state they show.
void TnbSideBar::InvalidateRect(const TRect&) {
  if (layout_) layout_->Invalidate();
  const TComponentState state = ComponentState();
  if (state.Contains(csLoading) || state.Contains(csDestroying) || painting_) return;
  TCustomControl::Invalidate();
}

// ---- component life --------------------------------------------------------------------------

void TnbSideBar::Loaded() {
  TCustomControl::Loaded();
  activeHeader_ = Header(storedActiveIndex_);
  loaded_ = true;
}

void TnbSideBar::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != opRemove) return;
  // The menus of headers and buttons are watched by the items themselves.
  for (int i = 0; i < HeaderCount(); ++i) Header(i)->Images()->Forget(component);
  if (headerImages_) headerImages_->Forget(component);
  if (PopupMenu() == component) SetPopupMenu(nullptr);
}

void TnbSideBar::AdjustClientRect(TRect& rect) {
  TCustomControl::AdjustClientRect(rect);
  const int d = (bevelOuter_ != bvNone ? bevelWidth_ : 0) + (bevelInner_ != bvNone ? bevelWidth_ : 0);
  InflateRect(rect, -d, -d);
}


// ---- stored beside the published properties --------------------------------------------------

namespace {
constexpr const char* kAlignNames[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
}

void TnbSideBar::DefineProperties(TFiler& filer) {
  TCustomControl::DefineProperties(filer);
  filer.DefineProperty(
      "AlignInfo", [this](TReader& r) { ReadAlignInfo(r); }, [this](TWriter& w) { WriteAlignInfo(w); },
      Align() != alCustom);
  filer.DefineProperty(
      "ActiveIndex", [this](TReader& r) { ReadActiveIndex(r); }, [this](TWriter& w) { WriteActiveIndex(w); }, true);
}

void TnbSideBar::ReadAlignInfo(TReader& reader) {
  const String name = reader.ReadString();
  for (int i = 0; i < 6; ++i)
    if (name == kAlignNames[i]) SetAlign(static_cast<TAlign>(i));
}

void TnbSideBar::WriteAlignInfo(TWriter& writer) { writer.WriteString(kAlignNames[Align()]); }

void TnbSideBar::ReadActiveIndex(TReader& reader) { storedActiveIndex_ = reader.ReadInteger(); }

void TnbSideBar::WriteActiveIndex(TWriter& writer) { writer.WriteInteger(ActiveIndex()); }

// ---- layout persistence ----------------------------------------------------------------------

namespace {

constexpr const char* kSaveName = "NBCOMPONENTSAVEDATA";

// Gives the bar its own name back when the scope ends, on every way out, so a failed write or
// read never leaves the stored name on the bar.
auto KeepName(TComponent* bar) {
  // The bar had this name a moment ago, so setting it back cannot clash.
  return ScopeGuard([bar, name = bar->Name()] {
    if (bar->Name() != name) bar->SetName(name);
  });
}

// Reads the layout at the stream's position into a bar of the bar's class that nobody sees,
// so a damaged layout raises before the bar itself has taken any of it. The stream is left
// where it was. Names of the form's components resolve as they will for the bar.
void CheckLayout(TStream& stream, TComponent* bar) {
  const int64_t start = stream.Position();
  std::unique_ptr<TComponent> trial(CreateComponent(bar->ClassType(), nullptr));
  try {
    ReadComponent(stream, trial.get(), bar->Owner());
  } catch (...) {
    stream.SetPosition(start);
    throw;
  }
  stream.SetPosition(start);
}

// A layout holds the bar's position, alignment and anchors only where they differ from their
// stored defaults: the bar starts from those defaults, so that it stands where the layout
// says whatever alignment it had before.
void ToStoredPlacement(TControl* bar) {
  bar->SetAlign(alNone);
  bar->SetAnchors({akLeft, akTop});
  bar->SetBounds(0, 0, bar->Width(), bar->Height());
}

}  // namespace

void TnbSideBar::SaveToStream(TStream& stream) {
  auto keepName = KeepName(this);
  SetName(kSaveName);
  WriteComponent(stream, this);
}

void TnbSideBar::LoadFromStream(TStream& stream) {
  CheckLayout(stream, this);
  TnbUpdateLock lock(this);
  auto keepName = KeepName(this);
  ToStoredPlacement(this);
  ReadComponent(stream, this);
}

void TnbSideBar::SaveToFile(const String& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
  file.Flush();  // a refused write must raise here, not vanish when the file closes
}

void TnbSideBar::LoadFromFile(const String& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}
