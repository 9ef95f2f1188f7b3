#pragma once

#include <memory>
#include <vector>

#include "platform/classes/component.h"
#include "platform/core/events.h"
#include "platform/graphics/colors.h"

class TBitmap;
class TCanvas;
class TCustomImageList;

// Tells a user of an image list (a tool bar, a menu, a grid) that the images changed. The
// link unregisters itself when destroyed; Sender() becomes nullptr when the list goes first.
class TChangeLink {
 public:
  TChangeLink() = default;
  virtual ~TChangeLink();
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;

  TCustomImageList* Sender() const { return sender_; }
  void SetSender(TCustomImageList* list) { sender_ = list; }
  // Calls OnChange with the image list as sender.
  virtual void Change();

  TNotifyEvent OnChange;

 private:
  TCustomImageList* sender_ = nullptr;
};

// A list of same-sized images, each with a mask of see-through pixels, drawn in one call.
class TCustomImageList : public TComponent {
  DECLARE_CLASS(TCustomImageList, TComponent)
 public:
  explicit TCustomImageList(TComponent* owner);
  TCustomImageList(int width, int height, TComponent* owner = nullptr);
  ~TCustomImageList() override;

  // Copies the size and images of another image list.
  void Assign(TPersistent* source) override;

  // Image size (16 x 16 by default). Changing it removes every image.
  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Count() const { return static_cast<int>(images_.size()); }

  // Adds the images of `image`, cut into Width-wide images (at least one), with the mask's
  // non-black pixels see-through (mask nullptr: all opaque). Returns the first new index.
  int Add(TBitmap* image, TBitmap* mask);
  // Like Add, with pixels of `maskColor` see-through (clDefault: the colour of the strip's
  // bottom-left pixel; clNone: nothing see-through).
  int AddMasked(TBitmap* image, TColor maskColor);
  // Raises EInvalidOperation "Invalid ImageList Index" for an index out of range.
  void Delete(int index);
  void Clear();

  // Draws image `index` with its top-left at (x, y); see-through pixels leave the canvas as
  // it was. A disabled image is drawn embossed: its silhouette in clBtnHighlight one pixel
  // down and right, under it in clBtnShadow. Nothing is drawn for an index out of range.
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  // Sizes `image` to Width x Height and draws image `index` onto it; false for a bad index.
  bool GetBitmap(int index, TBitmap* image);

  void RegisterChanges(TChangeLink* link);
  void UnRegisterChanges(TChangeLink* link);

  TNotifyEvent OnChange;

 protected:
  // Tells OnChange and every registered link.
  virtual void Change();

 private:
  struct Image;
  void AddImage(TBitmap& source, int left, TBitmap* mask, TColor maskColor);
  // Cuts a strip into images, tells of the change and answers the first new index.
  int AddStrip(TBitmap& strip, TBitmap* mask, TColor maskColor);
  void CheckIndex(int index) const;

  int width_ = 16;
  int height_ = 16;
  std::vector<std::unique_ptr<Image>> images_;
  std::vector<TChangeLink*> links_;
};

class TImageList : public TCustomImageList {
  DECLARE_CLASS(TImageList, TCustomImageList)
 public:
  using TCustomImageList::TCustomImageList;
};
