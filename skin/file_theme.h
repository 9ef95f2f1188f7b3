#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/classes/component.h"
#include "platform/graphics/colors.h"
#include "skin/theme_file_reader.h"
#include "skin/themes.h"

class TBitmap;

// Turns key indexes into key names for the current theme file reader, which it owns.
class TskFileThemeMgr : public TObject {
  DECLARE_CLASS(TskFileThemeMgr, TObject)
 public:
  TskFileThemeMgr();
  ~TskFileThemeMgr() override;

  // Replaces the reader with one parsed from `fileName` when the file exists; otherwise the
  // current reader stays and the result is false.
  bool LoadFromFile(const String& fileName);
  TskThemeFileReader* Reader() const { return reader_.get(); }

  // Without a reader (or a stored bitmap) the bitmap getters leave `bitmap` unchanged; the
  // others give no value without a reader or for a key the file lacks. Colours and integers
  // share one list in a theme file.
  void GetBitmap(TskThemeKey key, TBitmap* bitmap) const;
  void GetBitmapPiece(TskThemeKey key, TBitmap* bitmap, int count, int cell) const;
  std::optional<bool> GetBool(TskThemeKey key) const;
  std::optional<TColor> GetColor(TskThemeKey key) const;
  std::optional<int> GetInt(TskThemeKey key) const;

 private:
  std::unique_ptr<TskThemeFileReader> reader_;
};

// A theme loaded from a theme file; skinned controls whose UIStyle is FromThemeFile point to it
// through their FileTheme property.
class TskFileTheme : public TComponent {
  DECLARE_CLASS(TskFileTheme, TComponent)
 public:
  explicit TskFileTheme(TComponent* owner);
  ~TskFileTheme() override;
  static void Publish();

  // The resolved path of the loaded file. Assigning looks for the file as given ("\" and "/"
  // both separate folders) and then for its file name beside the program; a file found in
  // neither place is ignored. A loaded file refreshes every component that uses this theme.
  const String& ThemeFile() const { return themeFile_; }
  void SetThemeFile(const String& value);
  // A file has been loaded.
  bool CanUse() const { return canUse_; }

  // The loaded file's values, as the manager reads them; controls read them through
  // TskThemeValues, which falls back where a value is absent.
  void GetBitmap(TskThemeKey key, TBitmap* bitmap) const { manager_->GetBitmap(key, bitmap); }
  void GetBitmapPiece(TskThemeKey key, TBitmap* bitmap, int count, int cell) const {
    manager_->GetBitmapPiece(key, bitmap, count, cell);
  }
  std::optional<bool> GetBool(TskThemeKey key) const { return manager_->GetBool(key); }
  const TskFileThemeMgr* Manager() const { return manager_.get(); }
  std::optional<TColor> GetColor(TskThemeKey key) const { return manager_->GetColor(key); }
  std::optional<int> GetInt(TskThemeKey key) const { return manager_->GetInt(key); }

  // The components that paint with this theme, wherever they are, so that a newly loaded file
  // reaches all of them. Skinned controls add and remove themselves as their FileTheme changes.
  void AddUser(TComponent* component);
  void RemoveUser(TComponent* component);

 private:
  void RefreshUsers();
  std::vector<TComponent*> RefreshTargets() const;

  String themeFile_;
  std::unique_ptr<TskFileThemeMgr> manager_;
  bool canUse_ = false;
  std::vector<TComponent*> users_;
};

// Where a theme file named `value` is found: the path itself ("\" read as "/") when a file
// exists there, else the file name alone in the program's folder; "" when neither exists.
String ResolveThemeFilePath(const String& value);
// The part of a path after its last "/" or "\".
String FileNamePart(const String& path);
// The folder of the running program, with a trailing "/".
String ProgramFolder();
