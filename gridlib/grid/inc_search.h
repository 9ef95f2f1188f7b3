#pragma once

#include <memory>

#include "platform/core/strings.h"

class TDBGridExHost;

// What the incremental search needs of the grid control beyond its model: the in-place
// editor's visibility and the search's timer on the grid's window.
class TIncSearchView {
 public:
  virtual ~TIncSearchView() = default;
  virtual TDBGridExHost* Model() = 0;
  virtual void HideEditor() = 0;
  // Shows the editor again when the grid always shows it.
  virtual void RestoreEditor() = 0;
  virtual void StartTimer(int ms) = 0;
  virtual void StopTimer() = 0;
};

// Typing to find a record: the typed text is matched, ignoring case, against the start of
// the current column's display text, from the first record on (or on to the next or prior
// match). A text that matches nothing is not taken. The search ends when its timer runs out
// or it is stopped.
class TDBGridExIncSearch {
 public:
  explicit TDBGridExIncSearch(std::unique_ptr<TIncSearchView> view);
  ~TDBGridExIncSearch();

  bool Active() const { return active_; }
  const String& Text() const { return text_; }
  int TimeOut() const { return timeOut_; }
  // While the search moves the data set, its highlight is not painted.
  bool PaintHeld() const { return paintHeld_; }

  enum TDirection { sdFromFirst = 0, sdNext = 1, sdPrior = 2 };
  // Adds `text` to the search text and looks for a record; a negative time-out keeps the
  // search until it is stopped.
  void Start(const String& text, int timeOut, int direction);
  void Stop();
  // Backspace: the search text loses its last whole character.
  void RemoveLastChar();
  // A typed UTF-16 unit; false while it is the first half of a character whose second half
  // comes with the next key press, else true with the whole character in `character`.
  bool TakeTyped(char16_t unit, String& character);

 private:
  bool CurrentMatches(const String& text);
  bool Walk(const String& text, int direction);
  void RestartTimer();

  std::unique_ptr<TIncSearchView> view_;
  bool active_ = false;
  bool paintHeld_ = false;
  String text_;
  int timeOut_ = 0;
  char16_t pendingHigh_ = 0;
};

class TCustomDBGridEx;
// The search of a grid control, on the grid's own window.
std::unique_ptr<TDBGridExIncSearch> MakeGridIncSearch(TCustomDBGridEx* grid);
