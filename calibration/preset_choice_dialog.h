#pragma once
// A small settings dialog whose radio buttons each write one value of one "SETTING" key to the
// settings file at once; OK writes a valid value back and applies the settings, Cancel keeps
// whatever was already written. The projection-distance and mouse-mode dialogs are two of them.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calibration/text_lookup.h"
#include "platform/dialog_view.h"
#include "platform/profile_store.h"

namespace halvertone {

struct PresetChoice {
    int id;         // radio button
    int32_t value;  // written as "%d"
};

struct DialogText {
    int id;  // control
    const char* section;
    const char* key;
};

struct PresetChoiceConfig {
    const char* key;                    // in section "SETTING"
    int32_t fallback;                   // when the key is missing
    std::vector<PresetChoice> choices;  // consecutive radio ids, lowest first
    std::vector<DialogText> texts;
};

// Projection distance: ">3M" 150, ">2M" 210, "<2M" 230 as "Threshold".
const PresetChoiceConfig& ProjectionDistanceConfig();
// Mouse mode: "Yes" 1, "No" 0 as "Operation Mode".
const PresetChoiceConfig& MouseModeConfig();

class PresetChoiceDialog {
  public:
    // `apply` is the settings-apply step (save pen settings, reload, restart the camera).
    PresetChoiceDialog(const PresetChoiceConfig& config, DialogView& view, ProfileStore& profile,
                       TextLookup text, std::function<void()> apply);

    void OnInit();
    void OnRadio(int id);
    void OnOk();
    void OnCancel();

  private:
    const PresetChoice* Find(int32_t value) const;

    const PresetChoiceConfig& config_;
    DialogView& view_;
    ProfileStore& profile_;
    TextLookup text_;
    std::function<void()> apply_;
};

}  // namespace halvertone
