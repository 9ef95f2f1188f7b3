// Theme files as components: loading, values and refreshing the controls that use them.
#include "skin/file_theme.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "skin/skin_painting.h"
#include "skin/themes.h"

namespace {

bool FileExists(const String& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// Theme paths come from layouts written for the other platform ("skin\OnePlumet.skn").
String WithForwardSlashes(String path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

}  // namespace

String FileNamePart(const String& path) {
  size_t slash = path.find_last_of("/\\");
  return slash == String::npos ? path : path.substr(slash + 1);
}

String ProgramFolder() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "./";
  String folder = exe.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

String ResolveThemeFilePath(const String& value) {
  String path = WithForwardSlashes(value);
  if (FileExists(path)) return path;
  String besideProgram = ProgramFolder() + FileNamePart(value);
  return FileExists(besideProgram) ? besideProgram : String();
}

// ---------------------------------------------------------------------------------------------

TskFileThemeMgr::TskFileThemeMgr() = default;
TskFileThemeMgr::~TskFileThemeMgr() = default;

bool TskFileThemeMgr::LoadFromFile(const String& fileName) {
  if (!FileExists(fileName)) return false;
  reader_ = std::make_unique<TskThemeFileReader>(fileName);
  return true;
}

void TskFileThemeMgr::GetBitmap(TskThemeKey key, TBitmap* bitmap) const {
  if (reader_ == nullptr || bitmap == nullptr) return;
  TMemoryStream* stream = reader_->Bitmap(ThemeKeyName(key));
  if (stream == nullptr) return;
  try {
    bitmap->LoadFromStream(*stream);
  } catch (const Exception&) {
    // A stored picture that is not a readable bitmap counts as a missing one: the control
    // keeps the picture it had rather than failing to paint.
  }
}

void TskFileThemeMgr::GetBitmapPiece(TskThemeKey key, TBitmap* bitmap, int count,
                                     int cell) const {
  if (reader_ == nullptr || bitmap == nullptr) return;
  TBitmap whole;
  GetBitmap(key, &whole);
  if (whole.Empty()) return;
  SpitBitmap(&whole, bitmap, count, cell);
}

std::optional<bool> TskFileThemeMgr::GetBool(TskThemeKey key) const {
  if (reader_ == nullptr) return std::nullopt;
  return reader_->Boolean(ThemeKeyName(key));
}

std::optional<TColor> TskFileThemeMgr::GetColor(TskThemeKey key) const {
  std::optional<int> value = GetInt(key);
  if (!value) return std::nullopt;
  return static_cast<TColor>(*value);
}

std::optional<int> TskFileThemeMgr::GetInt(TskThemeKey key) const {
  if (reader_ == nullptr) return std::nullopt;
  return reader_->Integer(ThemeKeyName(key));
}

// ---------------------------------------------------------------------------------------------

TskFileTheme::TskFileTheme(TComponent* owner)
    : TComponent(owner), manager_(std::make_unique<TskFileThemeMgr>()) {}

TskFileTheme::~TskFileTheme() {
  // Those told of the theme's end take themselves off its list of users while it still has one.
  AnnounceDestruction();
}

void TskFileTheme::Publish() {
  TPublisher<TskFileTheme> p;
  p.Property("ThemeFile", &TskFileTheme::ThemeFile, &TskFileTheme::SetThemeFile);
}

void TskFileTheme::SetThemeFile(const String& value) {
  if (value == themeFile_) return;
  String path = ResolveThemeFilePath(value);
  if (path.empty()) return;  // a missing file leaves the loaded theme in use
  themeFile_ = path;
  canUse_ = manager_->LoadFromFile(path);
  if (canUse_) RefreshUsers();
}

void TskFileTheme::AddUser(TComponent* component) {
  if (component != nullptr && std::find(users_.begin(), users_.end(), component) == users_.end())
    users_.push_back(component);
}

void TskFileTheme::RemoveUser(TComponent* component) { std::erase(users_, component); }

// Every component that refers to this theme through its FileTheme: those that said so, and
// those of an owning form (controls that keep the reference without telling the theme).
std::vector<TComponent*> TskFileTheme::RefreshTargets() const {
  std::vector<TComponent*> targets = users_;
  TComponent* form = Owner();
  if (form == nullptr || !form->InheritsFrom("TForm")) return targets;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* component = form->Components(i);
    if (std::find(targets.begin(), targets.end(), component) != targets.end()) continue;
    const TPropInfo* info = GetPropInfo(component, "FileTheme");
    if (info != nullptr && info->Kind == pkComponent && GetObjectProp(component, info) == this)
      targets.push_back(component);
  }
  return targets;
}

// Each user reads its values again: setting FileTheme to this theme once more reloads them.
void TskFileTheme::RefreshUsers() {
  for (TComponent* component : RefreshTargets()) {
    const TPropInfo* info = GetPropInfo(component, "FileTheme");
    if (info != nullptr && info->Kind == pkComponent && GetObjectProp(component, info) == this)
      SetObjectProp(component, info, this);
  }
}
