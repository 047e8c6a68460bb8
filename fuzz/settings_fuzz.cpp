// Any bytes as the settings file: loading never crashes, and what it loaded survives a save and
// a second load unchanged (the second save gives the same bytes as the first).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/model.h"
#include "core/settings.h"
#include "launch/settings_items.h"
#include "fake/fake_platform.h"

namespace {

using namespace velmarin;

constexpr const char* kPath = "C:\\velmarin\\velmarin.ini";

// Questions are answered OK and Cancel in turn; plain messages OK.
class AlternatingMessageBox : public IMessageBox {
 public:
  MbResult Show(const std::string&, const std::string&, MbButtons buttons, MbIcon) override {
    ++shown;
    if (buttons != MbButtons::OkCancel) return MbResult::Ok;
    cancelNext_ = !cancelNext_;
    return cancelNext_ ? MbResult::Ok : MbResult::Cancel;
  }
  int shown = 0;

 private:
  bool cancelNext_ = true;
};

struct Run {
  App app;
  FakePlatform fake;
  AlternatingMessageBox box;

  explicit Run(const std::string& file) {
    fake.Wire(app);
    app.platform.messageBox = &box;
    fake.files.AddFile(kPath, file);
  }
  // Load, then what start-up does with the result, then save.
  LoadResult LoadStartAndSave() {
    const LoadResult result = LoadSettings(app);
    ClampLimits(app.model);
    UnpackFlags(app.model.settings);
    app.model.DropMode = app.model.settings.options.SavedDropMode;
    if (!SaveSettings(app)) std::abort();
    return result;
  }
  std::string Saved() const { return fake.files.Contents(kPath); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Run first(std::string(reinterpret_cast<const char*>(data), size));
  first.LoadStartAndSave();
  const std::string saved = first.Saved();

  Run second(saved);
  if (second.LoadStartAndSave() != LoadResult::Loaded) std::abort();
  if (second.box.shown != 0 || second.app.settingsTextUnread) std::abort();
  if (second.Saved() != saved) std::abort();
  return 0;
}
