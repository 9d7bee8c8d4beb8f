// The pen menus' tables, current-item rules and what each choice does to the pen.
#include "annotation/pen_menu_choices.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "annotation/line_width_range.h"
#include "annotation/pen_menu_items.h"

namespace halvertone {
namespace {

using namespace pen_menu;

// A dialog that answers as the test says and remembers what it was opened on.
template <typename Port, typename Value>
class ScriptedDialog final : public Port {
  public:
    std::optional<Value> answer;
    std::vector<Value> openedWith;
    std::optional<Value> Choose(Value initial) override {
        openedWith.push_back(initial);
        return answer;
    }
};

struct Menus {
    explicit Menus(uint32_t colour = 0xFF0000, int32_t width = 3, bool highlighter = false) {
        pen.colour = colour;
        pen.width = width;
        pen.highlighter = highlighter;
        transparency = highlighter ? 1 : 0;
        choices.Reset();
    }
    PenAttributes pen;
    SharedValue<int32_t> transparency{0};
    ScriptedDialog<ColourDialog, uint32_t> colours;
    ScriptedDialog<LineWidthPicker, int32_t> widths;
    PenMenuChoices choices{pen, transparency, colours, widths};
};

TEST(PenMenuItems, IdsIndexTheTablesAndNothingElse) {
    EXPECT_EQ(PresetColour(106), 0x000000u);
    EXPECT_EQ(PresetColour(108), 0x000080u);  // red 128 as 0x00BBGGRR
    EXPECT_EQ(PresetColour(116), 0x0000FFu);
    EXPECT_EQ(PresetColour(121), 0xFF00FFu);
    EXPECT_FALSE(PresetColour(105));
    EXPECT_FALSE(PresetColour(122));
    EXPECT_EQ(PresetWidth(122), 3);
    EXPECT_EQ(PresetWidth(126), 7);
    EXPECT_FALSE(PresetWidth(121));
    EXPECT_FALSE(PresetWidth(127));
    EXPECT_FALSE(PresetWidth(kCustomLineId));
}

TEST(PenMenuItems, MatchingTakesTheFirstPresetAndElseCustom) {
    for (int id = kFirstColourId; id <= kLastColourId; ++id)
        EXPECT_EQ(ColourItemFor(*PresetColour(id)), id);
    EXPECT_EQ(ColourItemFor(0x123456), kCustomColourId);
    EXPECT_EQ(ColourItemFor(0x01000000), kCustomColourId) << "the high byte is part of the value";

    EXPECT_EQ(LineItemFor(3, kNoBarAtStart), 122);
    EXPECT_EQ(LineItemFor(7, kNoBarAtStart), 126);
    for (int32_t w : {-5, 0, 1, 2, 8, 100, 1 << 30}) {
        EXPECT_EQ(LineItemFor(w, kNoBarAtStart), kNoBarAtStart) << w;
        EXPECT_EQ(LineItemFor(w, kNoBarAfterCustom), kNoBarAfterCustom) << w;
    }
}

TEST(PenMenuChoices, StartMarksFollowThePenFromTheSettings) {
    Menus blue(0xFF0000, 5);
    EXPECT_EQ(blue.choices.Marks().currentColourItem, 120);
    EXPECT_EQ(blue.choices.Marks().currentLineItem, 124);
    EXPECT_FALSE(blue.choices.Marks().customColourChecked);
    EXPECT_FALSE(blue.choices.Marks().customLineChecked);

    // A colour that matches no preset marks no swatch, yet "Custom Color" starts unchecked.
    Menus odd(0x123456, 12);
    EXPECT_EQ(odd.choices.Marks().currentColourItem, kCustomColourId);
    EXPECT_FALSE(odd.choices.Marks().customColourChecked);
    EXPECT_EQ(odd.choices.Marks().currentLineItem, kNoBarAtStart);
    EXPECT_TRUE(odd.choices.Marks().customLineChecked);

    Menus thin(0, 1);
    EXPECT_EQ(thin.choices.Marks().currentLineItem, kNoBarAtStart);
    EXPECT_FALSE(thin.choices.Marks().customLineChecked);
}

TEST(PenMenuChoices, PresetsSetThePenAndClearTheCustomMarks) {
    Menus m(0x123456, 20);
    m.colours.answer = 0x654321;
    ASSERT_TRUE(m.choices.ApplyColourChoice(kCustomColourId));
    EXPECT_TRUE(m.choices.Marks().customColourChecked);

    EXPECT_TRUE(m.choices.ApplyColourChoice(110));
    EXPECT_EQ(m.pen.colour.load(), 0x008000u);
    EXPECT_EQ(m.choices.Marks().currentColourItem, 110);
    EXPECT_FALSE(m.choices.Marks().customColourChecked);

    EXPECT_TRUE(m.choices.Marks().customLineChecked);
    EXPECT_TRUE(m.choices.ApplyLineChoice(125));
    EXPECT_EQ(m.pen.width.load(), 6);
    EXPECT_EQ(m.choices.Marks().currentLineItem, 125);
    EXPECT_FALSE(m.choices.Marks().customLineChecked);
    EXPECT_TRUE(m.colours.openedWith.size() == 1 && m.widths.openedWith.empty());
}

TEST(PenMenuChoices, CustomColourEqualToAPresetMarksThePreset) {
    Menus m(0x123456);
    m.colours.answer = 0x0000FF;
    ASSERT_TRUE(m.choices.ApplyColourChoice(kCustomColourId));
    ASSERT_EQ(m.colours.openedWith, std::vector<uint32_t>{0x123456});
    EXPECT_EQ(m.pen.colour.load(), 0x0000FFu);
    EXPECT_EQ(m.choices.Marks().currentColourItem, 116);
    EXPECT_FALSE(m.choices.Marks().customColourChecked);

    m.colours.answer = 0x010203;
    m.choices.ApplyColourChoice(kCustomColourId);
    EXPECT_EQ(m.pen.colour.load(), 0x010203u);
    EXPECT_EQ(m.choices.Marks().currentColourItem, kCustomColourId);
    EXPECT_TRUE(m.choices.Marks().customColourChecked);

    // Cancel keeps the colour; the marks are worked out again from it.
    m.colours.answer.reset();
    m.choices.ApplyColourChoice(kCustomColourId);
    EXPECT_EQ(m.pen.colour.load(), 0x010203u);
    EXPECT_TRUE(m.choices.Marks().customColourChecked);
    EXPECT_EQ(m.colours.openedWith.back(), 0x010203u);
}

TEST(PenMenuChoices, CustomWidthMarksABarBelowEightAndCustomFromEight) {
    Menus m(0, 3);
    m.widths.answer = 5;
    ASSERT_TRUE(m.choices.ApplyLineChoice(kCustomLineId));
    EXPECT_EQ(m.widths.openedWith, std::vector<int32_t>{3});
    EXPECT_EQ(m.pen.width.load(), 5);
    EXPECT_EQ(m.choices.Marks().currentLineItem, 124);
    EXPECT_FALSE(m.choices.Marks().customLineChecked);

    m.widths.answer = 8;
    m.choices.ApplyLineChoice(kCustomLineId);
    EXPECT_EQ(m.pen.width.load(), 8);
    EXPECT_EQ(m.choices.Marks().currentLineItem, kNoBarAfterCustom);
    EXPECT_TRUE(m.choices.Marks().customLineChecked);

    m.widths.answer.reset();  // Cancel: width stays, marks stay consistent with it
    m.choices.ApplyLineChoice(kCustomLineId);
    EXPECT_EQ(m.pen.width.load(), 8);
    EXPECT_TRUE(m.choices.Marks().customLineChecked);
    EXPECT_EQ(m.widths.openedWith.back(), 8);
}

TEST(PenMenuChoices, HighlighterFlipsThePenAndTheSettingTogether) {
    Menus m(0xFF0000, 3, false);
    ASSERT_TRUE(m.choices.ApplyColourChoice(kHighlighterId));
    EXPECT_TRUE(m.pen.highlighter.load());
    EXPECT_EQ(m.transparency.load(), 1);
    EXPECT_EQ(m.choices.Marks().currentColourItem, 120) << "the colour marks are untouched";
    m.choices.ApplyColourChoice(kHighlighterId);
    EXPECT_FALSE(m.pen.highlighter.load());
    EXPECT_EQ(m.transparency.load(), 0);
    EXPECT_TRUE(m.colours.openedWith.empty());
}

TEST(PenMenuChoices, CommandsOfTheOtherMenuOrUnknownChangeNothing) {
    Menus m(0xFF0000, 4);
    for (int id : {0, 105, 122, 126, kCustomLineId, 32794})
        EXPECT_FALSE(m.choices.ApplyColourChoice(id)) << id;
    for (int id : {0, 106, 121, 127, kCustomColourId, kHighlighterId})
        EXPECT_FALSE(m.choices.ApplyLineChoice(id)) << id;
    EXPECT_EQ(m.pen.colour.load(), 0xFF0000u);
    EXPECT_EQ(m.pen.width.load(), 4);
    EXPECT_FALSE(m.pen.highlighter.load());
}

TEST(LineWidthRange, TheSliderHoldsThreeToOneHundred) {
    EXPECT_EQ(line_width::SliderPosition(5), 5);
    EXPECT_EQ(line_width::SliderPosition(1), 3);
    EXPECT_EQ(line_width::SliderPosition(-7), 3);
    EXPECT_EQ(line_width::SliderPosition(100), 100);
    EXPECT_EQ(line_width::SliderPosition(101), 100);
    EXPECT_EQ(line_width::Label(42), "42");
}

}  // namespace
}  // namespace halvertone
