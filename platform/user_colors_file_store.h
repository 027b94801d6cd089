#pragma once
// The custom colours file as the controller's store of custom colours.

#include "controller/picker_controller.h"
#include "platform/user_colors_file.h"

namespace pelmora {

class UserColorsFileStore final : public UserColorsStore {
public:
    // Where the colours are read and written (tests point it at a folder of their own).
    void setFile(const UserColorsFile& file) { file_ = file; }

    CustomColors Load() override { return file_.LoadCells(); }
    std::optional<std::string> StoreCell(int cell, Color color, CustomColors& colors) override
    {
        QString error;
        return Adopt(file_.StoreCell(cell, color, &error), error, colors);
    }
    std::optional<std::string> StoreCells(
        int firstCell, std::span<const Color> cellColors, CustomColors& colors) override
    {
        QString error;
        return Adopt(file_.StoreCells(firstCell, cellColors, &error), error, colors);
    }

private:
    // The colours may have been saved even when something went wrong (their list of black cells).
    static std::optional<std::string> Adopt(
        const std::optional<CustomColors>& saved, const QString& error, CustomColors& colors)
    {
        if (saved)
            colors = *saved;
        if (!saved || !error.isEmpty())
            return error.toStdString();
        return std::nullopt;
    }

    UserColorsFile file_ = UserColorsFile::ForThisProgram();
};

} // namespace pelmora
