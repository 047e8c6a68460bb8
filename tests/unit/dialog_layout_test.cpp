#include <gtest/gtest.h>

#include <string>

#include "dialogs/about_box.h"
#include "dialogs/button_property.h"
#include "dialogs/page_property.h"
#include "dialogs/settings_dialog.h"
#include "fake/fake_platform.h"

namespace velmarin {
namespace {

// The width a caption takes in the Japanese message font: 12 pixels a wide character, 6 a
// narrow one; the access-key mark takes none.
int CaptionWidth(const std::string& caption) {
  int width = 0;
  for (size_t i = 0; i < caption.size();) {
    const auto c = static_cast<unsigned char>(caption[i]);
    if (c < 0x80) {
      if (c != '&') width += 6;
      ++i;
    } else {
      width += 12;
      i += c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    }
  }
  return width;
}

// Every caption fits its control (a check or option box takes 20 pixels before its text) and
// every control lies inside the dialog.
void ExpectCaptionsFit(IDialog& dialog) {
  const DialogForm& form = dialog.Form();
  for (const DialogControl& c : form.controls) {
    SCOPED_TRACE(form.caption + ": " + c.caption);
    EXPECT_GE(c.rect.left, 0);
    EXPECT_LE(c.rect.left + c.rect.width, form.rect.width);
    // A drop-down list's height includes its list, which may hang below the dialog.
    if (c.kind != DialogControlKind::DropList) {
      EXPECT_LE(c.rect.top + c.rect.height, form.rect.height);
    }
    int room = c.rect.width;
    if (c.kind == DialogControlKind::CheckBox || c.kind == DialogControlKind::Option) room -= 20;
    if (c.kind == DialogControlKind::Label || c.kind == DialogControlKind::CheckBox ||
        c.kind == DialogControlKind::Option) {
      if (c.rect.height <= 20) {
        EXPECT_LE(CaptionWidth(c.caption), room);
      }
    }
  }
}

// Each dialog as it opens for a one-page model.
struct EveryDialog {
  App app;
  FakePlatform fake;
  EveryDialog() {
    fake.Wire(app);
    app.model.PageCount = 1;
    ClampLimits(app.model);
  }
};

TEST(DialogLayout, CaptionsFitTheirControlsInEveryDialog) {
  EveryDialog f;
  IPropertyWindow button(f.app, 0);
  ExpectCaptionsFit(button);
  IPagePropertyWindow pages(f.app);
  ExpectCaptionsFit(pages);
  Config settings(f.app);
  ExpectCaptionsFit(settings);
  frmAbout about(f.app);
  ExpectCaptionsFit(about);
}

// A screen reader names a box or a drop-down list by the label just before it in the tab order:
// the form's order, frames apart (the window makes them first, under what they hold).
TEST(DialogLayout, EveryBoxAndDropListHasItsLabelJustBeforeIt) {
  EveryDialog f;
  IPropertyWindow button(f.app, 0);
  IPagePropertyWindow pages(f.app);
  Config settings(f.app);
  for (IDialog* dialog : std::initializer_list<IDialog*>{&button, &pages, &settings}) {
    const auto& controls = dialog->Form().controls;
    int boxes = 0;
    for (size_t k = 0; k < controls.size(); ++k) {
      if (controls[k].kind != DialogControlKind::TextBox &&
          controls[k].kind != DialogControlKind::DropList) {
        continue;
      }
      ++boxes;
      SCOPED_TRACE(dialog->Form().caption + ": " + controls[k].name);
      size_t before = k;
      while (before > 0 && controls[before - 1].kind == DialogControlKind::Frame) --before;
      ASSERT_GT(before, 0u);
      EXPECT_EQ(controls[before - 1].kind, DialogControlKind::Label);
      EXPECT_FALSE(controls[before - 1].caption.empty());
    }
    EXPECT_GT(boxes, 0);
  }
}

}  // namespace
}  // namespace velmarin
