#pragma once
// What the notation row keeps in the settings store: the user's templates (group "Templates", an
// array of name and pattern) and the notation last chosen (group "Notations", key "chosen"). The
// "Settings" group with "showHelp" is not touched.

#include "notations/color_template.h"

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <vector>

class QSettings;

namespace pelmora {

// More than anyone keeps in a list; the rest of the entries are not read.
inline constexpr std::size_t kMaxUserTemplates = 1000;

// The stored templates in the order of their numbers (1\name, 2\name, ...: the entries there are,
// whatever "size" says), at most kMaxUserTemplates; entries without a name are skipped. A pattern
// written with unquoted commas (1\pattern=vec3({rf}, {gf}, {bf})) is read as written; one that
// cannot be read is empty, and `problems` (one per template, empty when it was read) says why.
std::vector<UserTemplate> LoadUserTemplates(std::vector<QString>* problems = nullptr);
// The same from `store`, read from the bytes `file`.
std::vector<UserTemplate> ReadUserTemplates(QSettings& store, QByteArrayView file, std::vector<QString>* problems);
// Replaces the stored templates; returns whether they reached the file.
bool SaveUserTemplates(const std::vector<UserTemplate>& templates);

// The chosen notation's key as NotationRow writes it ("oklch", "template:My name"), empty when none.
QString LoadChosenNotation();
// Stores the choice; when it could not be stored, false and the reason in `error`.
bool SaveChosenNotation(const QString& key, QString* error = nullptr);

} // namespace pelmora
