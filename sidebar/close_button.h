#pragma once

#include <memory>

#include "platform/classes/persistent.h"
#include "platform/core/events.h"
#include "sidebar/sidebar_types.h"

class TFont;

// The close bar the explorer view can show at the top: a private caption-only header with a
// box that fires OnClose.
class TnbCloseButton : public TPersistent {
  DECLARE_CLASS(TnbCloseButton, TPersistent)
 public:
  explicit TnbCloseButton(TnbSideBar* bar);
  ~TnbCloseButton() override;
  static void Publish();
  // Copies the forwarded properties inside the bar's update bracket.
  void Assign(TPersistent* source) override;

  TnbHeader* Header() const { return header_.get(); }
  String Caption() const;
  void SetCaption(const String& v);
  TFont* Font() const;
  void SetFont(TFont* v);
  int Height() const;
  void SetHeight(int v);
  int ImageIndex() const;
  void SetImageIndex(int v);
  uint16_t Margin() const;
  void SetMargin(uint16_t v);
  bool Transparent() const;
  void SetTransparent(bool v);
  bool Visible() const;
  void SetVisible(bool v);

  TNotifyEvent OnClose;

 private:
  void Changed();
  TnbSideBar* bar_;
  std::unique_ptr<TnbHeader> header_;
};
