// Drag and drop beyond our own windows, carried by the toolkit's drag.
#include "platform/backend/toolkit_drag.h"

#include <QDrag>
#include <QGuiApplication>
#include <QMimeData>
#include <QWindow>

#include "platform/backend/qt_backend.h"
#include "platform/windows/focus.h"

namespace {

Qt::DropActions ActionsOf(uint32_t effects) {
  Qt::DropActions actions;
  if (effects & DROPEFFECT_COPY) actions |= Qt::CopyAction;
  if (effects & DROPEFFECT_MOVE) actions |= Qt::MoveAction;
  if (effects & DROPEFFECT_LINK) actions |= Qt::LinkAction;
  return actions;
}

uint32_t EffectOf(Qt::DropAction action) {
  switch (action) {
    case Qt::CopyAction: return DROPEFFECT_COPY;
    case Qt::MoveAction: return DROPEFFECT_MOVE;
    case Qt::LinkAction: return DROPEFFECT_LINK;
    default: return DROPEFFECT_NONE;
  }
}

class TToolkitDragDrop : public TInProcessDragDrop {
 protected:
  bool HandOver(IDataObject* data, uint32_t okEffects, uint32_t& effect, HRESULT& result) override {
    auto* source = static_cast<QWindow*>(ToolkitWindowOf(GetActiveWindow()));
    if (!source) return false;
    auto* mime = new QMimeData;
    for (const auto& [type, bytes] : MimeItemsOf(*data))
      mime->setData(QString::fromStdString(type), QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    QDrag drag(source);
    drag.setMimeData(mime);
    effect = EffectOf(drag.exec(ActionsOf(okEffects)));
    result = effect == DROPEFFECT_NONE ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
    return true;
  }
};

}  // namespace

std::unique_ptr<TDragDropService> MakeToolkitDragDrop() { return std::make_unique<TToolkitDragDrop>(); }
