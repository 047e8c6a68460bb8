#include "panel/pages.h"

#include "core/guarded.h"
#include "panel/draw_icon.h"

namespace velmarin {

namespace {

constexpr ControlId CaptionId() { return {ControlKind::TitleBar, kCaptionCell}; }

int32_t TitleForeColor(const App& app) {
  const Colors& c = app.model.settings.colors;
  return app.form.title.active ? c.ColTitleBarActFore : c.ColTitleBarInActFore;
}

int32_t TitleBackColor(const App& app) {
  const Colors& c = app.model.settings.colors;
  return app.form.title.active ? c.ColTitleBarActBack : c.ColTitleBarInActBack;
}

void DrawArrow(App& app, int cell, int16_t icon) {
  MyDrawIcon(app, IconLibraryPath(app), 0, 2, 1, ControlId{ControlKind::TitleBar, cell}, icon, "",
             false);
}

void SetMainWindowEnabled(App& app, bool enabled) {
  if (app.platform.system) app.platform.system->EnableMainWindow(enabled);
}

void Record(PageHistory& history, int32_t page) {
  const auto keep = static_cast<size_t>(history.HistoryPos < 0 ? 0 : history.HistoryPos);
  if (history.pages.size() > keep) history.pages.resize(keep);
  history.pages.push_back(page);
  history.HistoryPos = static_cast<int32_t>(history.pages.size());
}

}  // namespace

void CreatePageHistory(App& app) { app.form.history = PageHistory{}; }

void RedrawCaptionCell(App& app) {
  Guarded([&] {
    if (app.platform.controls) app.platform.controls->ClearCell(CaptionId(), TitleBackColor(app));
  });
  Guarded([&] { app.Commands().SkinPaint(CaptionId(), 0); });
  Guarded([&] { DrawPageCaption(app); });
}

void PageChange(App& app, int32_t page, bool forceFlg, bool byHFlg) {
  Model& m = app.model;
  if (page == m.CurrentPage && !forceFlg) return;
  // Every caller passes a page of the table; anything else would show a row of nothing.
  if (!PageAt(m, page)) return;
  Guarded([&] { SetMainWindowEnabled(app, false); });
  m.CurrentPage = page;
  RedrawCaptionCell(app);
  Guarded([&] { app.Commands().RepaintPage(); });
  Guarded([&] { app.Commands().ApplyToolTips(); });
  // Whatever went wrong above, the window takes input again.
  Guarded([&] { SetMainWindowEnabled(app, true); });
  Guarded([&] {
    if (!byHFlg) Record(app.form.history, page);
  });
  Guarded([&] { EnableGo(app); });
}

void PageGo(App& app, int di) {
  PageHistory& history = app.form.history;
  const auto count = static_cast<int32_t>(history.pages.size());
  if (di == -1) {
    if (history.HistoryPos <= 1) return;
    --history.HistoryPos;
  } else if (di == 1) {
    if (history.HistoryPos >= count) return;
    ++history.HistoryPos;
  } else {
    return;
  }
  if (history.HistoryPos < 1 || history.HistoryPos > count) return;
  PageChange(app, history.pages[static_cast<size_t>(history.HistoryPos - 1)], false, true);
}

void EnableGo(App& app) {
  const PageHistory& history = app.form.history;
  const auto count = static_cast<int32_t>(history.pages.size());
  Guarded([&] { DrawArrow(app, kBackCell, history.HistoryPos < 2 ? kBackNoneIcon : kBackIcon); });
  Guarded([&] {
    DrawArrow(app, kForwardCell, history.HistoryPos >= count ? kForwardNoneIcon : kForwardIcon);
  });
}

void DrawPageCaption(App& app) {
  IControls* controls = app.platform.controls;
  const Page* page = PageAt(app.model, app.model.CurrentPage);
  if (!controls || !page) return;
  const ControlId id = CaptionId();
  // One line centred in the strip, by the height of a line in the window's own font.
  const int lineHeight = controls->TextHeight(id, "TitleBar(1)", TextFont{});
  const int y = (controls->Bounds(id).value_or(PixelRect{}).height - lineHeight) / 2;
  controls->PrintTextAt(id, app.form.BorderWidth, y, page->Caption, kCaptionFont,
                        TitleForeColor(app));
  controls->Refresh(id);
}

}  // namespace velmarin
