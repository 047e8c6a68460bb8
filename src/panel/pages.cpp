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

int32_t HistoryStep(const App& app, int di) {
  if (di != -1 && di != 1) return 0;
  const PageHistory& history = app.form.history;
  const auto count = static_cast<int32_t>(history.pages.size());
  // Pages deleted since they were visited are stepped over.
  for (int32_t pos = history.HistoryPos + di; pos >= 1 && pos <= count; pos += di) {
    if (PageAt(app.model, history.pages[static_cast<size_t>(pos - 1)])) return pos;
  }
  return 0;
}

void PageGo(App& app, int di) {
  const int32_t pos = HistoryStep(app, di);
  if (pos == 0) return;
  PageHistory& history = app.form.history;
  history.HistoryPos = pos;
  PageChange(app, history.pages[static_cast<size_t>(pos - 1)], false, true);
  // The arrows follow the position even when the page shown did not change.
  EnableGo(app);
}

void EnableGo(App& app) {
  const bool back = HistoryStep(app, -1) != 0;
  const bool forward = HistoryStep(app, 1) != 0;
  // On a fresh face: the grey arrows' light edges lie outside the lit ones.
  Guarded([&] { DrawArrowCell(app, kBackCell, 1, back ? kBackIcon : kBackNoneIcon); });
  Guarded([&] { DrawArrowCell(app, kForwardCell, 1, forward ? kForwardIcon : kForwardNoneIcon); });
}

void DrawArrowCell(App& app, int cell, int face, int16_t icon) {
  const ControlId id{ControlKind::TitleBar, cell};
  if (IControls* controls = app.platform.controls) {
    Guarded([&] { controls->SetFace(id, FaceList::ImageList2, face); });
  }
  Guarded([&] { app.Commands().SkinPaint(id, 1); });
  Guarded([&] { MyDrawIcon(app, IconLibraryPath(app), 0, 2, 1, id, icon, "", false); });
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
