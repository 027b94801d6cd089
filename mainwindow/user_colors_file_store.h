#pragma once
// The custom colours file as the controller's store of custom colours.

#include "mainwindow/picker_controller.h"
#include "mainwindow/user_colors_file.h"

namespace pelmora {

class UserColorsFileStore final : public UserColorsStore {
public:
    // Where the colours are read and written (tests point it at a folder of their own).
    void setFile(const UserColorsFile& file) { file_ = file; }

    UserColorArray Load() override { return file_.Load(); }
    std::optional<std::string> StoreCell(int cell, Color color, UserColorArray& colors) override
    {
        QString error;
        return Adopt(file_.StoreCell(cell, color, &error), error, colors);
    }
    std::optional<std::string> StoreCells(
        int firstCell, std::span<const Color> cellColors, UserColorArray& colors) override
    {
        QString error;
        return Adopt(file_.StoreCells(firstCell, cellColors, &error), error, colors);
    }

private:
    static std::optional<std::string> Adopt(
        const std::optional<UserColorArray>& saved, const QString& error, UserColorArray& colors)
    {
        if (!saved)
            return error.toStdString();
        colors = *saved;
        return std::nullopt;
    }

    UserColorsFile file_ = UserColorsFile::ForThisProgram();
};

} // namespace pelmora
