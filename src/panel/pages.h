#pragma once
// Pages: switching the row to another page, the history of the pages the user went to with its
// back and forward cells, and the page's caption in the title strip.
#include <cstdint>

#include "core/app.h"

namespace velmarin {

// The history's arrow cells and the caption's cell.
inline constexpr int kBackCell = 3;
inline constexpr int kForwardCell = 4;
inline constexpr int kCaptionCell = 1;
// Library icons of the arrow cells: back with nothing behind, back, back held down; forward with
// nothing ahead, forward, forward held down.
inline constexpr int16_t kBackNoneIcon = 0;
inline constexpr int16_t kBackIcon = 1;
inline constexpr int16_t kBackDownIcon = 2;
inline constexpr int16_t kForwardNoneIcon = 3;
inline constexpr int16_t kForwardIcon = 4;
inline constexpr int16_t kForwardDownIcon = 5;
// The caption's font.
inline constexpr TextFont kCaptionFont{10, true};

// The history emptied: nowhere to go back or forward.
void CreatePageHistory(App& app);

// Shows page `page`: the caption and every cell of the row are drawn again while the main window
// takes no input. Nothing happens when the page is already shown and forceFlg is false, or when
// there is no such page. Unless byHFlg (a step through the history itself), the page is recorded
// in the history after the current position, dropping what lay ahead.
void PageChange(App& app, int32_t page, bool forceFlg, bool byHFlg);

// Steps through the history: -1 back, 1 forward; anything else, or nothing to step to, does
// nothing. Entries of pages that no longer exist are stepped over.
void PageGo(App& app, int di);
// The history position one step back (-1) or forward (1) would reach, past entries of pages
// that no longer exist; 0 when there is none.
int32_t HistoryStep(const App& app, int di);

// The two arrow cells drawn for where the history stands.
void EnableGo(App& app);
// Arrow cell `cell` (3 to 6) of the title strip drawn afresh: face `face` (1 up, 2 held down),
// the skin under it and library icon `icon` over both.
void DrawArrowCell(App& app, int cell, int face, int16_t icon);

// The current page's caption printed into the title strip, in the title's colour.
void DrawPageCaption(App& app);

// The title strip's caption cell cleared to the title's colour with the skin under it, and the
// caption printed again.
void RedrawCaptionCell(App& app);

}  // namespace velmarin
