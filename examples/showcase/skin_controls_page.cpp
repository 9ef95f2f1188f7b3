#include "examples/showcase/skin_controls_page.h"

#include "platform/controls/win_control.h"
#include "skin/buttons.h"
#include "skin/check_boxes.h"
#include "skin/progress_bar.h"
#include "skin/scroll_bar.h"
#include "skin/track_bars.h"

namespace {

template <class TControlClass>
TControlClass* Place(TWinControl* parent, TskUIStyle style, TskFileTheme* theme, TRect bounds) {
  auto* control = new TControlClass(parent);
  control->SetParent(parent);
  control->SetBoundsRect(bounds);
  if (style == FromThemeFile) control->SetFileTheme(theme);
  control->SetUIStyle(style);
  return control;
}

void AddRow(TWinControl* gallery, TskUIStyle style, TskFileTheme* theme, int row, int top) {
  Place<TskButton>(gallery, style, theme, Bounds(320, top + 4, 80, 27))->SetCaption("发送");
  auto* disabled = Place<TskButton>(gallery, style, theme, Bounds(406, top + 4, 80, 27));
  disabled->SetCaption("取消");
  disabled->SetEnabled(false);
  auto* check = Place<TskCheckBox>(gallery, style, theme, Bounds(320, top + 36, 80, 17));
  check->SetCaption("定时");
  check->SetChecked(true);
  check->SetTransparent(true);
  for (int i = 0; i < 2; ++i) {
    auto* radio = Place<TskRadioButton>(gallery, style, theme, Bounds(400 + 50 * i, top + 36, 50, 17));
    radio->SetCaption(i == 0 ? "手机" : "小灵通");
    // The rows share one parent: each row's pair is a group of its own.
    radio->SetGroupIndex(row);
    radio->SetTransparent(true);
    radio->SetChecked(i == 0);
  }
  auto* progress = Place<TskProgressBar>(gallery, style, theme, Bounds(500, top + 8, 80, 12));
  auto* track = Place<TskTrackBar>(gallery, style, theme, Bounds(590, top + 2, 100, 30));
  track->SetPosition(5);
  progress->SetPosition(50);
  track->OnChange.Bind(progress, "TrackChanged", [progress, track](TObject*) {
    progress->SetPosition(track->Position() * 10);
  });
  Place<TskScrollBar>(gallery, style, theme, Bounds(700, top + 8, 120, 16));
}

}  // namespace

void AddLiveSkinControls(TWinControl* gallery, TskFileTheme* fileTheme, int rowHeight) {
  int row = 0;
  for (TskUIStyle style : {Graphite, Pearl, Marine, Jade, Glacier, FromThemeFile}) {
    AddRow(gallery, style, fileTheme, row, row * rowHeight);
    ++row;
  }
}
