#pragma once

#include <memory>

#include "platform/classes/component.h"
#include "platform/graphics/colors.h"
#include "skin/theme_file_reader.h"

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

  // Without a reader (or a stored bitmap) the bitmap getters leave `bitmap` unchanged and the
  // others give False or 0; with one, a key the file lacks gives False or -1.
  void GetBitmap(int index, TBitmap* bitmap) const;
  void GetBitmapPiece(int index, TBitmap* bitmap, int count, int cell) const;
  bool GetBool(int index) const;
  TColor GetColor(int index) const;
  int GetInt(int index) const;

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
  // neither place is ignored. A loaded file refreshes the skinned controls of an owning form.
  const String& ThemeFile() const { return themeFile_; }
  void SetThemeFile(const String& value);
  // A file has been loaded.
  bool CanUse() const { return canUse_; }

  void GetBitmap(int index, TBitmap* bitmap) const { manager_->GetBitmap(index, bitmap); }
  void GetBitmapPiece(int index, TBitmap* bitmap, int count, int cell) const {
    manager_->GetBitmapPiece(index, bitmap, count, cell);
  }
  bool GetBool(int index) const { return manager_->GetBool(index); }
  const TskFileThemeMgr* Manager() const { return manager_.get(); }
  TColor GetColor(int index) const { return manager_->GetColor(index); }
  int GetInt(int index) const { return manager_->GetInt(index); }

 private:
  void RefreshOwnerControls();

  String themeFile_;
  std::unique_ptr<TskFileThemeMgr> manager_;
  bool canUse_ = false;
};

// Where a theme file named `value` is found: the path itself ("\" read as "/") when a file
// exists there, else the file name alone in the program's folder; "" when neither exists.
String ResolveThemeFilePath(const String& value);
// The part of a path after its last "/" or "\".
String FileNamePart(const String& path);
// The folder of the running program, with a trailing "/".
String ProgramFolder();
