// The system clipboard through the toolkit: our formats to and from its data.
#include "platform/backend/toolkit_clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

#include "platform/backend/toolkit_drag.h"

namespace {

QString MimeTypeOf(TClipboardFormat format) { return QString::fromStdString(MimeTypeOfFormat(format)); }

bool IsText(TClipboardFormat format) { return format == CF_TEXT || format == CF_UNICODETEXT; }

TClipboardData TextAs(TClipboardFormat format, const QString& text) {
  const String utf8 = text.toStdString();
  return format == CF_TEXT ? AnsiTextBytes(utf8) : UnicodeTextBytes(utf8);
}

class TToolkitClipboard : public TClipboardService {
 public:
  void Clear() override {
    ours_.Clear();
    formats_.clear();
    QGuiApplication::clipboard()->clear();
  }

  // Each format joins what this program put there, and the whole set is handed over again.
  void SetData(TClipboardFormat format, const TClipboardData& data) override {
    ours_.SetData(format, data);
    if (std::find(formats_.begin(), formats_.end(), format) == formats_.end()) formats_.push_back(format);
    auto* mime = new QMimeData;
    TClipboardData bytes;
    if (ours_.GetData(CF_UNICODETEXT, bytes)) {
      mime->setText(QString::fromStdString(TextOfUnicodeBytes(bytes)));
    } else if (ours_.GetData(CF_TEXT, bytes)) {
      mime->setText(QString::fromStdString(TextOfAnsiBytes(bytes)));
    }
    for (TClipboardFormat f : formats_) {
      if (IsText(f) || !ours_.GetData(f, bytes)) continue;
      mime->setData(MimeTypeOf(f), QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    }
    QGuiApplication::clipboard()->setMimeData(mime);
  }

  bool GetData(TClipboardFormat format, TClipboardData& data) const override {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime) return false;
    if (IsText(format)) {
      if (!mime->hasText()) return false;
      data = TextAs(format, mime->text());
      return true;
    }
    QString type = MimeTypeOf(format);
    if (!mime->hasFormat(type)) return false;
    QByteArray bytes = mime->data(type);
    data.assign(bytes.begin(), bytes.end());
    return true;
  }

  bool HasData(TClipboardFormat format) const override {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime) return false;
    return IsText(format) ? mime->hasText() : mime->hasFormat(MimeTypeOf(format));
  }

 private:
  TMemoryClipboard ours_;
  std::vector<TClipboardFormat> formats_;
};

}  // namespace

std::unique_ptr<TClipboardService> MakeToolkitClipboard() { return std::make_unique<TToolkitClipboard>(); }
