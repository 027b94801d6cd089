#pragma once
// The texts of the hue, saturation and brightness boxes as the user typed them or a pick wrote them.
// They are read as numbers only when used, as the user may type anything.

#include "controller/picker_change.h"

#include <array>
#include <optional>
#include <string>

namespace pelmora {

enum class EntryBox { Hue, Saturation, Brightness };

class EntryTexts {
public:
    const std::string& text(EntryBox box) const { return texts_[Index(box)]; }
    // The leading number of the text, 0 when there is none.
    double value(EntryBox box) const;
    void set(EntryBox box, std::string text) { texts_[Index(box)] = std::move(text); }
    // Writes `value` as the box's text and notes it in `change` for the window.
    void Write(EntryBox box, int value, PickerChange& change);
    // Writes `text` as the box's text and notes it in `change` for the window.
    void Show(EntryBox box, std::string text, PickerChange& change);
    // The three texts in the order hue, saturation, brightness.
    const std::array<std::string, 3>& all() const { return texts_; }
    // The message for a hue below 0, above 360 or with a fraction; none for a right one.
    std::optional<UserMessage> CheckHue(bool returnFocusToHue) const;

private:
    static std::size_t Index(EntryBox box) { return static_cast<std::size_t>(box); }

    std::array<std::string, 3> texts_{"0", "100", "100"};
};

} // namespace pelmora
