// The picker controller driven through whole user stories without a window: each action's change
// record says exactly what the window has to bring up to date.

#include "controller/picker_controller.h"

#include "picker/hsb_positions.h"
#include "picker_story.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <span>
#include <string>
#include <vector>

using namespace pelmora;

namespace {

// The parts of a change record that are set, in a fixed order, with the texts written.
std::string Touched(const PickerChange& change)
{
    std::string parts;
    const auto add = [&parts](const std::string& part) { parts += (parts.empty() ? "" : " ") + part; };
    if (change.surface)
        add("surface");
    if (change.codes)
        add("codes");
    if (change.swatches)
        add("swatches");
    if (change.presentation)
        add("presentation");
    if (change.contrast)
        add("contrast");
    if (change.hueText)
        add("H=" + *change.hueText);
    if (change.saturationText)
        add("S=" + *change.saturationText);
    if (change.brightnessText)
        add("B=" + *change.brightnessText);
    if (change.channels)
        add("RGB=" + std::to_string(change.channels->r) + "," + std::to_string(change.channels->g) + ","
            + std::to_string(change.channels->b));
    if (change.message)
        add(std::string("message") + (change.message->returnFocusToHue ? " with focus" : ""));
    return parts;
}

// The channel boxes' part of Touched for a colour.
std::string RgbOf(Color color)
{
    const Channels rgb = SplitChannels(color);
    return "RGB=" + std::to_string(rgb.r) + "," + std::to_string(rgb.g) + "," + std::to_string(rgb.b);
}

TEST_F(PickerControllerStory, StartsInHueModeOnPureRedWithNothingPicked)
{
    EXPECT_EQ(Touched(started), "surface");
    EXPECT_EQ(controller.mode(), PickerMode::Hue);
    EXPECT_EQ(controller.presetKind(), PresetKind::Picker);
    EXPECT_EQ(pixel(265, 10), RGB(255, 0, 0));
    EXPECT_EQ(controller.boxText(EntryBox::Hue), "0");
    EXPECT_EQ(controller.boxText(EntryBox::Saturation), "100");
    EXPECT_EQ(controller.history().newColor, Color::black());
    EXPECT_EQ(controller.history().addColor, colors.GetSysColor(SysColor::WindowBackground));
    EXPECT_EQ(controller.colorModel().codes(), InitialColorCodes());
}

TEST_F(PickerControllerStory, APickInSaturationModeReadsTheRepaintedSlider)
{
    // Choosing the mode repaints field and slider but picks nothing yet: the codes keep their
    // initial texts. The slider marker goes to the saturation in the box, 100.
    EXPECT_EQ(Touched(controller.ModeChosen(PickerMode::Saturation)), "surface");
    EXPECT_EQ(pixel(10, 265), Color::black());
    EXPECT_EQ(controller.history().newColor, Color::black());
    EXPECT_EQ(controller.colorModel().codes(), InitialColorCodes());
    EXPECT_EQ(controller.picker().sliderMarkerY(), static_cast<float>(SliderTop));

    // A field press writes brightness and hue; the colour is the slider's at the marker's row,
    // the top row, full saturation.
    const PickerChange pressed = controller.LeftPressed(138, 137);
    const Color teal = pixel(SliderLeft + 5, SliderTop);
    EXPECT_EQ(Touched(pressed), "surface codes swatches H=180 B=50 " + RgbOf(teal));
    EXPECT_EQ(HsbOfColor(SplitChannels(teal)).s, 100);
    EXPECT_TRUE(controller.fieldDragging());
    EXPECT_EQ(controller.history().newColor, teal);
    EXPECT_EQ(controller.colorModel().CurrentColor(), teal);
    EXPECT_EQ(controller.boxText(EntryBox::Hue), "180");

    // Dragging out of the window keeps the marker on the field's corner.
    EXPECT_EQ(Touched(controller.LeftDragged(400, -50)), "surface codes swatches H=360 B=100 RGB=255,0,0");
    EXPECT_EQ(controller.picker().markerX(), 265);
    EXPECT_EQ(controller.picker().markerY(), 10);
    EXPECT_EQ(Touched(controller.Released()), "surface");
    EXPECT_FALSE(controller.fieldDragging());

    // The slider writes the saturation and picks the slider's own pixel.
    EXPECT_EQ(Touched(click(280, 10)), "surface codes swatches S=100 RGB=255,0,0");
    EXPECT_EQ(controller.history().newColor, pixel(SliderLeft + 5, 10));
    EXPECT_FALSE(controller.sliderDragging());
}

TEST_F(PickerControllerStory, HueModeSliderShowsTheHueColourAndRepaintsTheFieldOnRelease)
{
    const Color before = pixel(265, 10);
    EXPECT_EQ(Touched(controller.LeftPressed(280, 86)), "surface codes swatches H=252");
    EXPECT_EQ(pixel(265, 10), before);
    EXPECT_EQ(controller.history().newColor, pixel(SliderLeft + 5, 86));
    // The field follows only on release; the channel boxes then show the colour under the marker.
    const PickerChange released = controller.Released();
    EXPECT_EQ(Touched(released), "surface codes swatches " + RgbOf(pixel(265, 10)));
    EXPECT_EQ(released.channels, SplitChannels(pixel(SliderLeft + 3, 86)));
    EXPECT_EQ(pixel(265, 10), pixel(SliderLeft + 3, 86));
    EXPECT_EQ(controller.history().newColor, pixel(265, 10));
}

TEST_F(PickerControllerStory, TypedValuesActInHueModeAndWaitInTheOthers)
{
    EXPECT_EQ(Touched(controller.HueTyped("180")), "surface codes swatches RGB=0,255,252");
    EXPECT_EQ(controller.picker().sliderMarkerY(), 137.5f);
    EXPECT_EQ(controller.history().newColor, RGB(0, 255, 252));

    // A negative hue: the message, the box corrected to 0, and hue 0 applied.
    EXPECT_EQ(Touched(controller.HueTyped("-5")), "surface codes swatches H=0 RGB=255,0,0 message");
    EXPECT_EQ(controller.boxText(EntryBox::Hue), "0");
    EXPECT_EQ(controller.picker().sliderMarkerY(), 265.0f);

    const PickerChange saturation = controller.SaturationTyped("50");
    EXPECT_EQ(Touched(saturation), "surface codes swatches " + RgbOf(pixel(138, 10)));
    EXPECT_EQ(controller.picker().markerX(), 138);
    EXPECT_EQ(controller.history().newColor, pixel(138, 10));
    EXPECT_EQ(Touched(controller.BrightnessTyped("-20")), "surface codes swatches RGB=0,0,0");
    EXPECT_EQ(controller.picker().markerY(), 265);

    // Leaving the hue box with a wrong hue asks for the focus back; a right one says nothing.
    controller.BoxEdited(EntryBox::Hue, "12.5");
    const PickerChange left = controller.HueLeft();
    ASSERT_TRUE(left.message);
    EXPECT_EQ(left.message->text, "Enter an Integer Value Between 0 and 360");
    EXPECT_TRUE(left.message->returnFocusToHue);
    controller.BoxEdited(EntryBox::Hue, "90");
    EXPECT_EQ(Touched(controller.HueLeft()), "");

    // In Saturation mode typing keeps the texts and changes no pixel; the mode button applies them.
    controller.ModeChosen(PickerMode::Saturation);
    const auto before = picture();
    EXPECT_EQ(Touched(controller.HueTyped("120")), "");
    EXPECT_EQ(Touched(controller.BrightnessTyped("50")), "");
    EXPECT_EQ(picture(), before);
    controller.ModeChosen(PickerMode::Saturation);
    EXPECT_EQ(controller.picker().markerX(), 95);
    EXPECT_EQ(controller.picker().markerY(), 138);
}

// A hue beyond 0..360 keeps its slider marker on the slider, at the row its colour is read from.
TEST_F(PickerControllerStory, AHueBeyondTheStripKeepsItsMarkerAtTheStripsEnd)
{
    const auto markerRows = [this] {
        std::vector<int> rows;
        for (int y = 0; y < controller.surface().height(); ++y) {
            if (pixel(SliderLeft - 4, y) != kBackground)
                rows.push_back(y);
        }
        return rows;
    };
    const struct {
        const char* name;
        const char* hue;
        bool typed; // typed, else applied by the Hue mode button
        float row;
    } cases[] = {
        {"typed 400", "400", true, SliderTop},
        {"typed 1e9", "1e9", true, SliderTop},
        {"typed 360", "360", true, SliderTop},
        {"mode button 720", "720", false, SliderTop},
        {"mode button -30", "-30", false, SliderBottom},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.typed) {
            controller.HueTyped(c.hue);
        } else {
            controller.BoxEdited(EntryBox::Hue, c.hue);
            controller.ModeChosen(PickerMode::Hue);
        }
        EXPECT_EQ(controller.picker().sliderMarkerY(), c.row);
        // The bars are three rows thick around the marker's row.
        const int row = static_cast<int>(c.row);
        EXPECT_EQ(markerRows(), (std::vector<int>{row - 1, row, row + 1}));
        EXPECT_EQ(pixel(265, 10), RGB(255, 0, 0));
        controller.HueTyped("180"); // back to the middle before the next case
    }
}

TEST_F(PickerControllerStory, KeepFillsTheHistoryAndASwatchClickOnlyDescribesItsColour)
{
    for (int i = 1; i <= 19; ++i) {
        EXPECT_EQ(Touched(controller.SetNewColor(Color(i))), "codes swatches");
        EXPECT_EQ(Touched(controller.KeepClicked()), "swatches");
    }
    EXPECT_EQ(controller.history().oldColor, Color(19));
    for (int i = 0; i < kHistoryLength; ++i)
        EXPECT_EQ(controller.history().kept[static_cast<std::size_t>(i)], Color(19 - i)) << "history " << i;

    controller.SetNewColor(RGB(255, 255, 0));
    controller.KeepClicked();
    controller.SetNewColor(RGB(0, 0, 255));
    const auto beforeReadout = picture();
    EXPECT_EQ(Touched(controller.SwatchClicked({SwatchRef::Kind::Old, 0})), "surface codes");
    EXPECT_NE(picture(), beforeReadout); // the readout's box was erased
    EXPECT_EQ(controller.colorModel().CurrentColor(), RGB(255, 255, 0));
    EXPECT_EQ(controller.colorModel().codes().text[kFieldDecimal], "65535");
    EXPECT_EQ(controller.history().newColor, RGB(0, 0, 255));
    controller.SwatchClicked({SwatchRef::Kind::History, 1});
    EXPECT_EQ(controller.colorModel().CurrentColor(), Color(19));
}

TEST_F(PickerControllerStory, AGridCellAndAddStoreTheColourInTheFile)
{
    store.stored[1] = RGB(255, 0, 0);
    click(10, 10); // white becomes the New colour, and so the add colour
    EXPECT_EQ(Touched(controller.PresetsClicked()), "surface swatches presentation");
    EXPECT_EQ(controller.presetKind(), PresetKind::CustomColors);
    EXPECT_EQ(store.loads, 2); // read on opening, and again as the list's first grid is chosen
    EXPECT_EQ(controller.history().addColor, Color::white());
    EXPECT_EQ(pixel(CellCentre(1).x, CellCentre(1).y), RGB(255, 0, 0));

    // A gap hits nothing and changes nothing.
    EXPECT_EQ(Touched(controller.LeftPressed(26, 15)), "");
    EXPECT_EQ(controller.picker().selectedCell(), 1);

    EXPECT_EQ(Touched(click(CellCentre(1).x, CellCentre(1).y)), "surface codes swatches");
    EXPECT_EQ(controller.history().newColor, RGB(255, 0, 0));
    EXPECT_EQ(controller.colorModel().codes().text[kFieldHtml], "#FF0000");

    EXPECT_EQ(Touched(click(CellCentre(5).x, CellCentre(5).y)), "surface codes swatches");
    EXPECT_EQ(controller.picker().selectedCell(), 5);
    EXPECT_EQ(Touched(controller.AddClicked()), "surface");
    ASSERT_EQ(store.saves.size(), 1u);
    EXPECT_EQ(store.saves[0][5], Color::white());
    EXPECT_EQ(controller.userColors()[5], Color::white());
    EXPECT_EQ(pixel(CellCentre(5).x, CellCentre(5).y), Color::white());

    // A failed save says so and the colour stays in the grid.
    store.failure = "The custom colours could not be saved.";
    click(CellCentre(6).x, CellCentre(6).y);
    const PickerChange failed = controller.AddClicked();
    ASSERT_TRUE(failed.message);
    EXPECT_EQ(failed.message->text, *store.failure);
    EXPECT_FALSE(failed.message->returnFocusToHue);
    EXPECT_EQ(pixel(CellCentre(6).x, CellCentre(6).y), Color::white());
}

TEST_F(PickerControllerStory, ImportedColoursFillTheCustomCellsFromTheSelectedOneAndShowAsSaved)
{
    const std::vector<Color> imported = {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)};
    controller.PresetsClicked();
    controller.GridChosen(PresetGrid::SafePalette);
    click(CellCentre(223).x, CellCentre(223).y);
    // Another running copy stored cell 10 since this one loaded the grid: it shows as saved too.
    store.stored[10] = RGB(10, 10, 10);

    const PickerChange change = controller.ImportColors(imported, "1 colour was left out.");
    EXPECT_EQ(Touched(change), "surface presentation message");
    ASSERT_TRUE(change.message);
    EXPECT_EQ(change.message->text, "1 colour was left out.");
    EXPECT_EQ(controller.presetKind(), PresetKind::CustomColors);
    ASSERT_EQ(store.saves.size(), 1u);
    EXPECT_EQ(store.saves[0][223], RGB(1, 2, 3));
    EXPECT_EQ(store.saves[0][224], RGB(4, 5, 6));
    EXPECT_EQ(store.saves[0][0], Color::black()); // element 0 is never a cell
    EXPECT_EQ(pixel(CellCentre(223).x, CellCentre(223).y), RGB(1, 2, 3));
    EXPECT_EQ(pixel(CellCentre(224).x, CellCentre(224).y), RGB(4, 5, 6));
    EXPECT_EQ(pixel(CellCentre(10).x, CellCentre(10).y), RGB(10, 10, 10));
    EXPECT_EQ(controller.picker().selectedCell(), 223);

    // A failed save says why, and the grid keeps what it showed.
    store.failure = "The custom colours could not be saved.";
    click(CellCentre(1).x, CellCentre(1).y);
    const PickerChange failed = controller.ImportColors(imported, "");
    ASSERT_TRUE(failed.message);
    EXPECT_EQ(failed.message->text, *store.failure);
    EXPECT_EQ(pixel(CellCentre(1).x, CellCentre(1).y), Color::black());
    EXPECT_EQ(controller.userColors()[1], Color::black());
    // Everything fitted and was saved: nothing to say.
    store.failure.reset();
    EXPECT_FALSE(controller.ImportColors(imported, "").message);
    EXPECT_EQ(controller.userColors()[3], RGB(7, 8, 9));
}

TEST_F(PickerControllerStory, TheSafePaletteAndTheWayBackToThePicker)
{
    controller.ModeChosen(PickerMode::Brightness);
    controller.PresetsClicked();
    EXPECT_EQ(Touched(controller.GridChosen(PresetGrid::SafePalette)), "surface presentation");
    EXPECT_EQ(controller.presetKind(), PresetKind::SafePalette);
    EXPECT_EQ(Touched(click(CellCentre(211).x, CellCentre(211).y)), "surface codes swatches");
    EXPECT_EQ(controller.history().newColor, RGB(255, 255, 0));
    click(CellCentre(220).x, CellCentre(220).y); // the black cells after the palette
    EXPECT_EQ(controller.history().newColor, Color::black());
    EXPECT_EQ(controller.colorModel().codes().text[kFieldHtml], "#000000");

    // The mode is redone for the typed values; neither the codes, the New colour nor the boxes
    // change.
    EXPECT_EQ(Touched(controller.PresetsClicked()), "surface presentation");
    EXPECT_EQ(controller.presetKind(), PresetKind::Picker);
    EXPECT_EQ(controller.mode(), PickerMode::Brightness);
    EXPECT_EQ(pixel(10, 265), Color::white()); // the brightness field again
    EXPECT_EQ(controller.picker().selectedCell(), 220);
}

// Each channel of `a` within `steps` of `b`'s.
bool Near(Color a, Color b, int steps)
{
    const Channels x = SplitChannels(a);
    const Channels y = SplitChannels(b);
    return std::abs(x.r - y.r) <= steps && std::abs(x.g - y.g) <= steps && std::abs(x.b - y.b) <= steps;
}

// #25C95A: H 139.39, S 81.59, B 78.82. In the Hue-mode field the nearest pixel to it is #24C95B.
constexpr Color kOutside = RGB(37, 201, 90);
constexpr char kOutsideBoxes[] = "surface codes swatches H=139 S=82 B=79 RGB=37,201,90";

TEST_F(PickerControllerStory, AnExactColourInHueModeMovesBothMarkersAndKeepsItsCodes)
{
    EXPECT_EQ(Touched(controller.ExactColorChosen(kOutside)), kOutsideBoxes);
    EXPECT_EQ(controller.history().newColor, kOutside);
    EXPECT_EQ(controller.colorModel().CurrentColor(), kOutside);
    EXPECT_EQ(controller.colorModel().codes().text[kFieldHtml], "#25C95A");
    EXPECT_EQ(controller.boxText(EntryBox::Hue), "139");

    // The markers stand where the numbers put them, and the field is painted for the hue.
    EXPECT_EQ(controller.picker().sliderMarkerY(), static_cast<float>(SliderYFromHueWhole(139)));
    EXPECT_EQ(controller.picker().markerX(), FieldXFromSat(82));
    EXPECT_EQ(controller.picker().markerY(), FieldYFromBri(79));
    EXPECT_EQ(pixel(265, 10), pixel(SliderLeft + 3, SliderYFromHueWhole(139)));
    // The field offers only a near colour there; the codes still describe the exact one.
    const Color underMarker = pixel(controller.picker().markerX(), controller.picker().markerY());
    EXPECT_NE(underMarker, kOutside);
    EXPECT_TRUE(Near(underMarker, kOutside, 2)) << underMarker.value();

    // It is the place the mode button gives the same numbers: clicking it moves nothing.
    const auto picture = this->picture();
    controller.ModeChosen(PickerMode::Hue);
    EXPECT_EQ(this->picture(), picture);

    // A grey has no hue: the slider goes to the bottom and the marker to the field's left edge.
    EXPECT_EQ(Touched(controller.ExactColorChosen(RGB(128, 128, 128))),
        "surface codes swatches H=0 S=0 B=50 RGB=128,128,128");
    EXPECT_EQ(controller.picker().sliderMarkerY(), 265.0f);
    EXPECT_EQ(controller.picker().markerX(), 10);
    EXPECT_EQ(controller.picker().markerY(), 138);
    EXPECT_EQ(controller.history().newColor, RGB(128, 128, 128));
}

TEST_F(PickerControllerStory, InSaturationAndBrightnessModesTheMarkersFollowByTheSameNumbers)
{
    struct Row {
        const char* what;
        PickerMode mode;
        int markerY;
        int sliderRow;
    };
    const Row rows[] = {
        {"Saturation: field hue by brightness, slider at S", PickerMode::Saturation, FieldYFromBri(79),
            SliderYFromPercent(82)},
        {"Brightness: field hue by saturation, slider at B", PickerMode::Brightness, FieldYFromSat(82),
            SliderYFromPercent(79)},
    };
    for (const Row& row : rows) {
        controller.ModeChosen(row.mode);
        EXPECT_EQ(Touched(controller.ExactColorChosen(kOutside)), kOutsideBoxes) << row.what;
        EXPECT_EQ(controller.picker().markerX(), FieldXFromHue(139)) << row.what;
        EXPECT_EQ(controller.picker().markerY(), row.markerY) << row.what;
        EXPECT_EQ(controller.picker().sliderMarkerY(), static_cast<float>(row.sliderRow)) << row.what;
        EXPECT_EQ(controller.history().newColor, kOutside) << row.what;
        EXPECT_EQ(controller.colorModel().CurrentColor(), kOutside) << row.what;
        // The field under the marker is the colour's hue.
        const Color hueThere = pixel(controller.picker().markerX(), controller.picker().markerY());
        EXPECT_EQ(HsbOfColor(SplitChannels(hueThere)).h, 139) << row.what << " " << hueThere.value();
    }
    // The brightness slider at its marker shows nearly the colour itself.
    EXPECT_TRUE(Near(pixel(SliderLeft + 5, SliderYFromPercent(79)), kOutside, 2));
}

TEST_F(PickerControllerStory, WithAGridShownOnlyTheCodesBoxesAndSwatchChangeUntilThePickerReturns)
{
    controller.PresetsClicked();
    const Color cell1 = pixel(CellCentre(1).x, CellCentre(1).y);
    const int selected = controller.picker().selectedCell();
    EXPECT_EQ(Touched(controller.ExactColorChosen(kOutside)), kOutsideBoxes);
    EXPECT_EQ(controller.presetKind(), PresetKind::CustomColors);
    EXPECT_EQ(controller.picker().selectedCell(), selected);
    EXPECT_EQ(pixel(CellCentre(1).x, CellCentre(1).y), cell1);
    EXPECT_EQ(controller.history().newColor, kOutside);
    EXPECT_EQ(controller.colorModel().codes().text[kFieldHtml], "#25C95A");

    // Back in the picker the markers stand on the colour's numbers.
    controller.PresetsClicked();
    EXPECT_EQ(controller.picker().sliderMarkerY(), static_cast<float>(SliderYFromHueWhole(139)));
    EXPECT_EQ(controller.picker().markerX(), FieldXFromSat(82));
    EXPECT_EQ(controller.picker().markerY(), FieldYFromBri(79));
}

// Saturation and Brightness modes put the slider marker at the box's number, so that a click in
// the field picks a colour with the saturation or brightness the box shows, whatever mode was
// chosen before.
TEST_F(PickerControllerStory, TheSliderMarkerOfSaturationAndBrightnessModesStandsAtTheBoxsNumber)
{
    const struct {
        const char* what;
        PickerMode mode;
        EntryBox box;
        const char* typed; // nullptr: the box as it starts, 100
    } cases[] = {
        {"S: right after start", PickerMode::Saturation, EntryBox::Saturation, nullptr},
        {"B: right after start", PickerMode::Brightness, EntryBox::Brightness, nullptr},
        {"S: after typing 40", PickerMode::Saturation, EntryBox::Saturation, "40"},
        {"B: after typing 60", PickerMode::Brightness, EntryBox::Brightness, "60"},
        {"B: after typing 250, on the slider's top row", PickerMode::Brightness, EntryBox::Brightness, "250"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PickerController started{colors, store}; // a fresh start for each case
        started.surface().setBackground(kBackground);
        started.surface().Clear();
        started.Start();
        if (c.typed)
            started.BoxEdited(c.box, c.typed);
        started.ModeChosen(c.mode);
        const double number = std::min(100.0, std::atof(started.boxText(c.box).c_str()));
        EXPECT_EQ(started.picker().sliderMarkerY(), static_cast<float>(SliderYFromPercent(number)));
        started.LeftPressed(100, 60); // a green in either field
        started.Released();
        // The colour is the slider's at the marker, and the slider says the box's number there.
        const float row = started.picker().sliderMarkerY();
        EXPECT_EQ(started.history().newColor, started.surface().ReadPixel(SliderLeft + 5, static_cast<int>(row)));
        EXPECT_EQ(c.box == EntryBox::Saturation ? SatFromSliderY(row) : BriFromSliderY(row), number);
        // The saturation slider blends towards white, so only its ends are exact saturations; the
        // brightness slider darkens, exactly to a step.
        const HsbNumbers picked = HsbOfColor(SplitChannels(started.history().newColor));
        if (c.box == EntryBox::Brightness || number == 100) {
            EXPECT_NEAR(c.box == EntryBox::Saturation ? picked.s : picked.b, number, 1);
        }
        EXPECT_EQ(started.colorModel().CurrentColor(), started.history().newColor);
        if (c.typed) {
            EXPECT_EQ(started.boxText(c.box), c.typed);
        }
    }
}

// Whatever the user does in the picker, the colour New takes is the colour the codes describe; only
// a click on a kept swatch describes another colour, and a mode button in Saturation or Brightness
// mode changes neither.
TEST_F(PickerControllerStory, TheCodesDescribeTheColourNewShows)
{
    controller.SaturationTyped("50");
    const struct {
        const char* what;
        std::function<PickerChange(PickerController&)> action;
        bool codes;
    } steps[] = {
        {"Hue slider pressed", [](PickerController& c) { return c.LeftPressed(280, 86); }, true},
        {"Hue slider dragged", [](PickerController& c) { return c.LeftDragged(280, 150); }, true},
        {"Hue slider released", [](PickerController& c) { return c.Released(); }, true},
        {"hue typed", [](PickerController& c) { return c.HueTyped("200"); }, true},
        {"arrow key", [](PickerController& c) { return c.ArrowPressed(1, 0); }, true},
        {"S: chosen", [](PickerController& c) { return c.ModeChosen(PickerMode::Saturation); }, false},
        {"field pressed in S mode", [](PickerController& c) { return c.LeftPressed(60, 60); }, true},
        {"field released", [](PickerController& c) { return c.Released(); }, false},
        {"B: chosen", [](PickerController& c) { return c.ModeChosen(PickerMode::Brightness); }, false},
        {"slider pressed in B mode", [](PickerController& c) { return c.LeftPressed(280, 120); }, true},
        {"slider released", [](PickerController& c) { return c.Released(); }, false},
        {"H: chosen", [](PickerController& c) { return c.ModeChosen(PickerMode::Hue); }, true},
        {"grids opened", [](PickerController& c) { return c.PresetsClicked(); }, false},
        {"cell picked", [](PickerController& c) { return c.LeftPressed(CellCentre(3).x, CellCentre(3).y); }, true},
        {"back to the picker in Hue mode", [](PickerController& c) { return c.PresetsClicked(); }, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        const PickerChange change = step.action(controller);
        EXPECT_EQ(change.codes, step.codes);
        if (step.codes) {
            EXPECT_EQ(controller.colorModel().ChosenColor(), controller.history().newColor);
        }
    }
}

} // namespace

// The contrast line's background and level change nothing else, and a refused one changes nothing.
TEST_F(PickerControllerStory, TheContrastLinesBackgroundAndLevelTouchOnlyTheLine)
{
    click(FieldLeft + 100, FieldTop + 60);
    const Color current = controller.colorModel().CurrentColor();
    EXPECT_EQ(controller.contrastCheck().background(), Color::white());
    EXPECT_EQ(Touched(controller.BackgroundChosen(RGB(0x10, 0x20, 0x30))), "contrast");
    EXPECT_EQ(Touched(controller.BackgroundChosen(Color::systemCode(5))), "");
    EXPECT_EQ(controller.contrastCheck().background(), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(Touched(controller.ContrastAimChosen(kAimAAA)), "contrast");
    EXPECT_EQ(Touched(controller.ContrastAimChosen(*SuggestionLevelNamed("AA-large"))), "");
    EXPECT_EQ(controller.contrastCheck().aim().name, "AAA");
    EXPECT_EQ(controller.colorModel().CurrentColor(), current);
}
