// Undo and redo of the picker: the bounded history itself, which actions are steps, and that going
// back brings the whole picture back pixel for pixel, with the codes, the boxes and New.

#include "controller/picker_controller.h"
#include "controller/undo_history.h"
#include "picker_story.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace pelmora;

namespace {

TEST(UndoHistory, KeepsTheNewestStepsAndRedoesWhatWasUndone)
{
    UndoHistory<int> history;
    int state = 0;
    for (; state < 150; ++state)
        history.Record(state); // each step goes from `state` to `state + 1`
    EXPECT_EQ(history.undoSteps(), kUndoSteps);
    std::vector<int> undone;
    while (const std::optional<int> back = history.Undo(state))
        undone.push_back(state = *back);
    ASSERT_EQ(undone.size(), kUndoSteps);
    EXPECT_EQ(undone.front(), 149);
    EXPECT_EQ(undone.back(), 50); // the oldest fifty dropped out
    EXPECT_FALSE(history.canUndo());

    // Redo walks forward again through the states undo left.
    EXPECT_EQ(history.Redo(state), 51);
    EXPECT_EQ(history.Redo(51), 52);
    EXPECT_EQ(history.Undo(52), 51);
    EXPECT_EQ(history.redoSteps(), 99u);

    // A new step leaves nothing to redo.
    history.Record(51);
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.Redo(7).has_value());
    EXPECT_EQ(history.Undo(1000), 51);
}

using Action = std::function<void(PickerController&)>;

void Click(PickerController& c, double x, double y)
{
    c.LeftPressed(x, y);
    c.Released();
}

// What the window shows of the controller: the snapshot, every pixel and the code texts.
struct Shown {
    PickerSnapshot snapshot;
    std::vector<std::uint32_t> pixels;
    ColorCodes codes;
    friend bool operator==(const Shown&, const Shown&) = default;
};

class PickerUndo : public PickerControllerStory {
protected:
    Shown shown() const { return {controller.Snapshot(), picture(), controller.colorModel().codes()}; }
};

// Each kind of step, from the state its set-up leaves: one Undo brings back exactly what was shown
// before it, one Redo exactly what was shown after it.
TEST_F(PickerUndo, EveryKindOfStepIsUndoneAndRedoneExactly)
{
    const Action nothing = [](PickerController&) {};
    const Action grids = [](PickerController& c) { c.PresetsClicked(); };
    const struct {
        const char* what;
        Action setUp;
        Action step;
    } steps[] = {
        {"a click in the Hue-mode field", nothing, [](PickerController& c) { Click(c, 100, 100); }},
        {"a drag over the field", nothing,
            [](PickerController& c) {
                c.LeftPressed(40, 40);
                c.LeftDragged(120, 90);
                c.LeftDragged(200, 300); // past the field's edge
                c.Released();
            }},
        {"a drag on the hue slider", nothing,
            [](PickerController& c) {
                c.LeftPressed(280, 86);
                c.LeftDragged(280, 150);
                c.Released();
            }},
        {"a click in the Saturation-mode field", [](PickerController& c) { c.ModeChosen(PickerMode::Saturation); },
            [](PickerController& c) { Click(c, 138, 137); }},
        {"a click on the Brightness-mode slider", [](PickerController& c) { c.ModeChosen(PickerMode::Brightness); },
            [](PickerController& c) { Click(c, 280, 120); }},
        {"an arrow key", nothing, [](PickerController& c) { c.ArrowPressed(-1, 0); }},
        {"a hue typed key by key", nothing,
            [](PickerController& c) {
                c.HueTyped("2");
                c.HueTyped("20");
                c.HueTyped("200");
                c.TypingEnded();
            }},
        {"a brightness typed in Hue mode", nothing,
            [](PickerController& c) {
                c.BrightnessTyped("4");
                c.BrightnessTyped("40");
                c.TypingEnded();
            }},
        {"a saturation waiting in its box in Saturation mode",
            [](PickerController& c) { c.ModeChosen(PickerMode::Saturation); },
            [](PickerController& c) {
                c.SaturationTyped("30");
                c.TypingEnded();
            }},
        {"a history swatch, with its readout",
            [](PickerController& c) {
                c.SetNewColor(RGB(1, 2, 3));
                c.KeepClicked();
                c.SetNewColor(RGB(200, 100, 50));
            },
            [](PickerController& c) {
                c.SwatchClicked({SwatchRef::Kind::History, 0});
            }},
        {"a colour from outside in Hue mode", nothing,
            [](PickerController& c) { c.ExactColorChosen(RGB(37, 201, 90)); }},
        {"a colour from outside in Brightness mode", [](PickerController& c) { c.ModeChosen(PickerMode::Brightness); },
            [](PickerController& c) { c.ExactColorChosen(RGB(37, 201, 90)); }},
        {"a colour from outside with a grid shown", grids,
            [](PickerController& c) { c.ExactColorChosen(RGB(37, 201, 90)); }},
        {"a custom cell", grids, [](PickerController& c) { Click(c, CellCentre(20).x, CellCentre(20).y); }},
        {"a drag over safe cells",
            [](PickerController& c) {
                c.PresetsClicked();
                c.GridChosen(PresetGrid::SafePalette);
                Click(c, CellCentre(100).x, CellCentre(100).y);
            },
            [](PickerController& c) {
                c.LeftPressed(CellCentre(3).x, CellCentre(3).y);
                c.LeftDragged(CellCentre(4).x, CellCentre(4).y);
                c.LeftDragged(CellCentre(21).x, CellCentre(21).y);
                c.Released();
            }},
        {"the Hue button picking under the marker after an outside colour",
            [](PickerController& c) { c.ExactColorChosen(RGB(37, 201, 90)); },
            [](PickerController& c) { c.ModeChosen(PickerMode::Hue); }},
        {"back to the picker, which picks under the marker",
            [](PickerController& c) {
                c.PresetsClicked();
                c.GridChosen(PresetGrid::SafePalette);
                Click(c, CellCentre(50).x, CellCentre(50).y);
            },
            [](PickerController& c) { c.PresetsClicked(); }},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        PickerController fresh{colors, store};
        fresh.surface().setBackground(kBackground);
        fresh.surface().Clear();
        fresh.surface().setTextPainter(FakeText);
        fresh.Start();
        const auto show = [&fresh] {
            const Surface& s = fresh.surface();
            return Shown{
                fresh.Snapshot(), {s.pixels(), s.pixels() + s.width() * s.height()}, fresh.colorModel().codes()};
        };
        step.setUp(fresh);
        const bool stepsBefore = fresh.canUndo();
        if (stepsBefore) {
            fresh.Undo(); // the set-up's own step, so that the one under test is the only one
            fresh.Redo();
        }
        const Shown before = show();
        step.step(fresh);
        const Shown after = show();
        ASSERT_NE(after.snapshot.choice, before.snapshot.choice);
        ASSERT_TRUE(fresh.canUndo());

        const PickerChange undone = fresh.Undo();
        EXPECT_TRUE(show() == before);
        EXPECT_EQ(fresh.Snapshot(), before.snapshot);
        EXPECT_EQ(fresh.colorModel().codes(), before.codes);
        // The window is told to write every box and swatch again.
        EXPECT_TRUE(undone.surface && undone.codes && undone.swatches && undone.presentation);
        EXPECT_EQ(undone.hueText, before.snapshot.choice.texts[0]);
        EXPECT_EQ(undone.saturationText, before.snapshot.choice.texts[1]);
        EXPECT_EQ(undone.brightnessText, before.snapshot.choice.texts[2]);
        EXPECT_EQ(undone.channels, before.snapshot.choice.channels);
        EXPECT_EQ(fresh.canUndo(), stepsBefore);
        ASSERT_TRUE(fresh.canRedo());

        fresh.Redo();
        EXPECT_TRUE(show() == after);
        EXPECT_FALSE(fresh.canRedo());
    }
}

// Keep, Add and imports write files: they are no steps, and undoing a step around them leaves
// what they wrote. Neither is a change of the picture alone, nor an action that leaves the chosen
// colour as it was.
TEST_F(PickerUndo, WhatIsNoStep)
{
    const struct {
        const char* what;
        Action action;
    } actions[] = {
        {"Keep", [](PickerController& c) { c.KeepClicked(); }},
        {"Saturation mode chosen", [](PickerController& c) { c.ModeChosen(PickerMode::Saturation); }},
        {"the grids shown", [](PickerController& c) { c.PresetsClicked(); }},
        {"the safe palette chosen", [](PickerController& c) { c.GridChosen(PresetGrid::SafePalette); }},
        {"Add", [](PickerController& c) { c.AddClicked(); }},
        {"an import", [](PickerController& c) { c.ImportColors(std::vector<Color>{RGB(9, 9, 9)}, ""); }},
        {"a press in a grid's gap", [](PickerController& c) { Click(c, 26, 15); }},
        {"the desktop's colours", [](PickerController& c) { c.SystemColorsChanged(); }},
        {"a hue typed and taken back",
            [](PickerController& c) {
                c.HueTyped("05");
                c.HueTyped("0");
                c.TypingEnded();
            }},
    };
    for (const auto& action : actions) {
        action.action(controller);
        EXPECT_FALSE(controller.canUndo()) << action.what;
    }
    // The same colour picked again is no second step.
    Click(controller, CellCentre(9).x, CellCentre(9).y);
    EXPECT_TRUE(controller.canUndo());
    Click(controller, CellCentre(9).x, CellCentre(9).y);
    controller.Undo();
    EXPECT_FALSE(controller.canUndo());
}

TEST_F(PickerUndo, UndoLeavesWhatKeepAndAddWrote)
{
    controller.PresetsClicked();
    Click(controller, CellCentre(5).x, CellCentre(5).y);
    const Color addColor = controller.history().addColor;
    controller.SetNewColor(RGB(10, 20, 30));
    controller.KeepClicked();
    controller.AddClicked();
    ASSERT_EQ(store.saves.size(), 1u);

    controller.Undo(); // the New colour
    controller.Undo(); // the cell
    EXPECT_FALSE(controller.canUndo());
    EXPECT_EQ(controller.history().kept[0], RGB(10, 20, 30));
    EXPECT_EQ(controller.history().oldColor, RGB(10, 20, 30));
    EXPECT_EQ(controller.userColors()[5], addColor);
    EXPECT_EQ(pixel(CellCentre(5).x, CellCentre(5).y), addColor);
    EXPECT_EQ(store.saves.size(), 1u);
}

// A pick, the grids shown, a cell: two steps. Undo goes back over both, the grids closing on the
// way; redo brings back the state undo left, the grids with the first pick.
TEST_F(PickerUndo, ThePictureAroundAStepComesBackWithIt)
{
    const Shown atStart = shown();
    Click(controller, 100, 100);
    const Color picked = controller.history().newColor;
    controller.PresetsClicked();
    const Shown gridsWithPick = shown();
    Click(controller, CellCentre(7).x, CellCentre(7).y);

    controller.Undo();
    EXPECT_TRUE(shown() == gridsWithPick);
    controller.Undo();
    EXPECT_TRUE(shown() == atStart);
    EXPECT_FALSE(controller.colorModel().ChosenColor().has_value());
    EXPECT_EQ(controller.colorModel().codes(), InitialColorCodes());
    EXPECT_EQ(controller.presetKind(), PresetKind::Picker);

    controller.Redo();
    EXPECT_TRUE(shown() == gridsWithPick);
    EXPECT_EQ(controller.colorModel().CurrentColor(), picked);
    EXPECT_EQ(controller.presetKind(), PresetKind::CustomColors);
    // A new step after an undo leaves nothing to redo.
    controller.Undo();
    controller.ExactColorChosen(RGB(1, 1, 1));
    EXPECT_FALSE(controller.canRedo());
}

// The keys typed into one box are one step; Return or leaving the box ends it, and so does any
// other action, which is then a step of its own.
TEST_F(PickerUndo, TypingIsOneStepPerBoxVisit)
{
    const std::string startHue = controller.boxText(EntryBox::Hue);
    controller.HueTyped("1");
    controller.HueTyped("18");
    // Not yet recorded, but there is something to undo, and a redo would be lost to it.
    EXPECT_TRUE(controller.canUndo());
    controller.HueTyped("180");
    const Color cyan = controller.history().newColor;
    Click(controller, 200, 200);
    controller.BrightnessTyped("5");
    controller.TypingEnded();
    controller.BrightnessTyped("50");
    controller.HueLeft(); // any action ends the typing

    controller.Undo();
    EXPECT_EQ(controller.boxText(EntryBox::Brightness), "5");
    controller.Undo();
    controller.Undo();
    EXPECT_EQ(controller.boxText(EntryBox::Hue), "180");
    EXPECT_EQ(controller.history().newColor, cyan);
    controller.Undo();
    EXPECT_EQ(controller.boxText(EntryBox::Hue), startHue);
    EXPECT_FALSE(controller.canUndo());

    // Typing after an undo is a new step: nothing is left to redo, already while the keys go in.
    EXPECT_TRUE(controller.canRedo());
    controller.SaturationTyped("7");
    EXPECT_FALSE(controller.canRedo());
    controller.Redo();
    EXPECT_EQ(controller.boxText(EntryBox::Saturation), "7");
    controller.Undo();
    EXPECT_EQ(controller.boxText(EntryBox::Saturation), "100");
}

TEST_F(PickerUndo, AHundredStepsAndNothingWhileTheButtonIsHeld)
{
    std::vector<Shown> states{shown()};
    for (int i = 1; i <= 120; ++i) {
        controller.ExactColorChosen(RGB(i, 255 - i, 2 * i));
        states.push_back(shown());
    }
    int undone = 0;
    while (controller.canUndo()) {
        controller.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, 100);
    EXPECT_TRUE(shown() == states[20]);

    controller.Redo();
    const Shown held = shown();
    controller.LeftPressed(100, 100);
    EXPECT_FALSE(controller.canUndo());
    EXPECT_FALSE(controller.canRedo());
    const PickerChange during = controller.Undo();
    EXPECT_FALSE(during.surface || during.codes);
    controller.Released();
    controller.Undo();
    EXPECT_TRUE(shown() == held);
}

} // namespace
