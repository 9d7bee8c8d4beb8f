#include "calibration/preset_choice_dialog.h"

namespace halvertone {
namespace {

constexpr const char* kSection = "SETTING";

}  // namespace

const PresetChoiceConfig& ProjectionDistanceConfig() {
    static const PresetChoiceConfig config{"Threshold",
                                           0,
                                           {{1093, 150}, {1094, 210}, {1095, 230}},
                                           {{1092, "String Table", "Msg_Distance"},
                                            {kIdOk, "String Table", "OK Button"},
                                            {1093, "Projection Distance", "High"},
                                            {1094, "Projection Distance", "Middle"},
                                            {1095, "Projection Distance", "Low"}}};
    return config;
}

const PresetChoiceConfig& MouseModeConfig() {
    static const PresetChoiceConfig config{
        "Operation Mode",
        0,
        {{1097, 1}, {1098, 0}},
        {{kIdOk, "String Table", "OK Button"}, {1099, "String Table", "Msg_Notice"}}};
    return config;
}

PresetChoiceDialog::PresetChoiceDialog(const PresetChoiceConfig& config, DialogView& view,
                                       ProfileStore& profile, TextLookup text,
                                       std::function<void()> apply)
    : config_(config),
      view_(view),
      profile_(profile),
      text_(std::move(text)),
      apply_(std::move(apply)) {}

const PresetChoice* PresetChoiceDialog::Find(int32_t value) const {
    for (const PresetChoice& c : config_.choices)
        if (c.value == value) return &c;
    return nullptr;
}

void PresetChoiceDialog::OnInit() {
    const PresetChoice* current = Find(profile_.GetInt(kSection, config_.key, config_.fallback));
    view_.CheckRadio(config_.choices.front().id, config_.choices.back().id,
                     current ? current->id : 0);
    if (!text_) return;
    for (const DialogText& t : config_.texts) view_.SetItemText(t.id, text_(t.section, t.key));
}

void PresetChoiceDialog::OnRadio(int id) {
    for (const PresetChoice& c : config_.choices)
        if (c.id == id) profile_.WriteString(kSection, config_.key, std::to_string(c.value));
}

void PresetChoiceDialog::OnOk() {
    const int32_t value = profile_.GetInt(kSection, config_.key, config_.fallback);
    if (Find(value)) profile_.WriteString(kSection, config_.key, std::to_string(value));
    view_.End(kIdOk);
    if (apply_) apply_();
}

void PresetChoiceDialog::OnCancel() {
    view_.End(kIdCancel);
}

}  // namespace halvertone
