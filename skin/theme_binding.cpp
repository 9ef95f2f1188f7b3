// A control's tie to its theme file, released when the theme goes.
#include "skin/theme_binding.h"

#include "skin/file_theme.h"

TskThemeBinding::~TskThemeBinding() { Release(); }

void TskThemeBinding::SetFileTheme(TskFileTheme* value) {
  if (value == fileTheme_) return;
  Release();
  fileTheme_ = value;
  if (fileTheme_ == nullptr) return;
  fileTheme_->FreeNotification(holder_);
  fileTheme_->AddUser(holder_);
}

void TskThemeBinding::Release() {
  if (fileTheme_ == nullptr) return;
  fileTheme_->RemoveFreeNotification(holder_);
  fileTheme_->RemoveUser(holder_);
  fileTheme_ = nullptr;
}

bool TskThemeBinding::Forget(const TComponent* removed) {
  if (removed == nullptr || removed != fileTheme_) return false;
  // The theme still stands while it tells of its end (or of leaving its owner).
  fileTheme_->RemoveUser(holder_);
  fileTheme_ = nullptr;
  return true;
}
