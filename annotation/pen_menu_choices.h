#pragma once
// What a choice from the pen colour or line menu does to the toolbar's pen, and which items
// the menus mark afterwards. The two custom entries open dialogs through small ports.
#include <cstdint>
#include <optional>

#include "annotation/pen_attributes.h"
#include "base/shared_value.h"

namespace halvertone {

// The system colour dialog, opened on `initial`; none when the user cancels.
class ColourDialog {
  public:
    virtual ~ColourDialog() = default;
    virtual std::optional<uint32_t> Choose(uint32_t initial) = 0;
};

// The line-width dialog, opened on `current`; none when the user cancels.
class LineWidthPicker {
  public:
    virtual ~LineWidthPicker() = default;
    virtual std::optional<int32_t> Choose(int32_t current) = 0;
};

// Which items the menus mark: the framed swatch and bar, and the two custom check marks.
struct PenMenuMarks {
    int currentColourItem = 0;
    int currentLineItem = 0;
    bool customColourChecked = false;
    bool customLineChecked = false;
};

class PenMenuChoices {
  public:
    // `transparency` is the "Transparency" setting, kept equal to the pen's highlighter flag.
    PenMenuChoices(PenAttributes& pen, SharedValue<int32_t>& transparency, ColourDialog& colours,
                   LineWidthPicker& widths);

    // The marks for the pen as it is now, as when the menus are built: "Custom Color" starts
    // unchecked even for a colour that matches no preset.
    void Reset();

    // A command from the colour menu (highlighter switch, custom colour, preset 106..121).
    // False for any other id, which changes nothing.
    bool ApplyColourChoice(int id);
    // A command from the line menu (custom width, preset 122..126); false for any other id.
    bool ApplyLineChoice(int id);

    const PenMenuMarks& Marks() const { return marks_; }
    bool Highlighter() const { return pen_.highlighter; }

  private:
    PenAttributes& pen_;
    SharedValue<int32_t>& transparency_;
    ColourDialog& colours_;
    LineWidthPicker& widths_;
    PenMenuMarks marks_;
};

}  // namespace halvertone
