#pragma once

#include <memory>

#include "platform/classes/persistent.h"
#include "platform/core/events.h"
#include "platform/core/strings.h"

class TGraphic;
class TBitmap;
class TIcon;

// Holds one graphic of any kind (a bitmap, an icon) and tells OnChange when it changes,
// as a picture property of a control does.
class TPicture : public TPersistent {
  DECLARE_CLASS(TPicture, TPersistent)
 public:
  TPicture();
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  // The graphic held; nullptr when the picture is empty.
  TGraphic* Graphic() const { return graphic_.get(); }
  // Holds a copy of `graphic` (of the same class); nullptr empties the picture.
  void SetGraphic(TGraphic* graphic);
  // The graphic as a bitmap: any other kind is replaced by a new empty bitmap first.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* bitmap);
  // The graphic as an icon: any other kind is replaced by a new empty icon first.
  TIcon* Icon();
  void SetIcon(TIcon* icon);

  int Width() const;
  int Height() const;

  // From another picture or a graphic (copied); nullptr empties.
  void Assign(TPersistent* source) override;

  // The file's extension chooses the kind: .bmp a bitmap, .ico and .cur an icon. Raises
  // EInvalidGraphic "Unknown picture file extension (.xyz)" for others; the held graphic is
  // kept when the file cannot be read.
  void LoadFromFile(const String& fileName);
  // Writes the graphic in its own file format; an empty picture writes nothing.
  void SaveToFile(const String& fileName);

  TNotifyEvent OnChange;

 protected:
  // Copies the picture's graphic into a graphic of the same kind.
  void AssignTo(TPersistent* dest) override;
  virtual void Changed();

 private:
  void Hold(std::unique_ptr<TGraphic> graphic);
  template <typename Kind>
  Kind* As();

  std::unique_ptr<TGraphic> graphic_;
};
