#include "annotation/pen_menu_choices.h"

#include "annotation/pen_menu_items.h"

namespace halvertone {

using namespace pen_menu;

namespace {
// A width of 8 or more has no bar; "Custom" carries the check mark then.
constexpr int32_t kFirstCustomOnlyWidth = 8;
}  // namespace

PenMenuChoices::PenMenuChoices(PenAttributes& pen, SharedValue<int32_t>& transparency,
                               ColourDialog& colours, LineWidthPicker& widths)
    : pen_(pen), transparency_(transparency), colours_(colours), widths_(widths) {
    Reset();
}

void PenMenuChoices::Reset() {
    marks_.currentColourItem = ColourItemFor(pen_.colour);
    marks_.customColourChecked = false;
    const int32_t width = pen_.width;
    marks_.currentLineItem = LineItemFor(width, kNoBarAtStart);
    marks_.customLineChecked = width >= kFirstCustomOnlyWidth;
}

bool PenMenuChoices::ApplyColourChoice(int id) {
    if (id == kHighlighterId) {
        const bool on = !pen_.highlighter;
        pen_.highlighter = on;
        transparency_ = on ? 1 : 0;
        return true;
    }
    if (id == kCustomColourId) {
        if (std::optional<uint32_t> chosen = colours_.Choose(pen_.colour)) pen_.colour = *chosen;
        marks_.currentColourItem = ColourItemFor(pen_.colour);
        marks_.customColourChecked = marks_.currentColourItem == kCustomColourId;
        return true;
    }
    if (std::optional<uint32_t> preset = PresetColour(id)) {
        pen_.colour = *preset;
        marks_.currentColourItem = id;
        marks_.customColourChecked = false;
        return true;
    }
    return false;
}

bool PenMenuChoices::ApplyLineChoice(int id) {
    if (id == kCustomLineId) {
        if (std::optional<int32_t> chosen = widths_.Choose(pen_.width)) pen_.width = *chosen;
        const int32_t width = pen_.width;
        marks_.currentLineItem = LineItemFor(width, kNoBarAfterCustom);
        marks_.customLineChecked = width >= kFirstCustomOnlyWidth;
        return true;
    }
    if (std::optional<int32_t> preset = PresetWidth(id)) {
        pen_.width = *preset;
        marks_.currentLineItem = id;
        marks_.customLineChecked = false;
        return true;
    }
    return false;
}

}  // namespace halvertone
