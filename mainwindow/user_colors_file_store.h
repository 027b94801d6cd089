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
        std::optional<UserColorArray> saved = file_.StoreCell(cell, color, &error);
        if (!saved)
            return error.toStdString();
        colors = *saved;
        return std::nullopt;
    }

private:
    UserColorsFile file_ = UserColorsFile::ForThisProgram();
};

} // namespace pelmora
