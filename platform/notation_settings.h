#pragma once
// What the notation row keeps in the settings store: the user's templates (group "Templates", an
// array of name and pattern) and the notation last chosen (group "Notations", key "chosen"). The
// "Settings" group with "showHelp" is not touched.

#include "notations/color_template.h"

#include <QString>

#include <vector>

namespace pelmora {

// The stored templates in their order; entries without a name are skipped.
std::vector<UserTemplate> LoadUserTemplates();
// Replaces the stored templates; returns whether they reached the file.
bool SaveUserTemplates(const std::vector<UserTemplate>& templates);

// The chosen notation's key as NotationRow writes it ("oklch", "template:My name"), empty when none.
QString LoadChosenNotation();
bool SaveChosenNotation(const QString& key);

} // namespace pelmora
