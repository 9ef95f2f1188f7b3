#include "skin/theme_binding.h"

#include "skin/file_theme.h"

void TskThemeBinding::SetFileTheme(TskFileTheme* value) {
  if (value == fileTheme_) return;
  if (fileTheme_ != nullptr) fileTheme_->RemoveFreeNotification(holder_);
  fileTheme_ = value;
  if (fileTheme_ != nullptr) fileTheme_->FreeNotification(holder_);
}

bool TskThemeBinding::Forget(const TComponent* removed) {
  if (removed == nullptr || removed != fileTheme_) return false;
  fileTheme_ = nullptr;
  return true;
}
