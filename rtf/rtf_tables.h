#pragma once
// The document's font table (\fonttbl) and colour table (\colortbl), filled entry by entry as the
// reader meets them and looked up by the character formatting that follows.

#include "rtf/rtf_keywords.h"

#include <QColor>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace pelmora {

class RtfFontTable {
public:
    // \fonttbl: a new table starts, without a name read so far.
    void beginTable() { entryName_.clear(); }
    // \fN inside the table: the entry read so far is complete, entry N starts.
    void beginEntry(int number);
    // Text of the entry being read: its family name.
    void appendToName(const QString& text);
    // The ';' after an entry, or the end of the table's group.
    void commitEntry();

    // The family name of font `number`, or nullptr when the table has none.
    const QString* family(int number) const;

private:
    std::map<int, QString> fonts_;
    int entryNumber_ = 0;
    QString entryName_;
};

class RtfColorTable {
public:
    // \colortbl: the first entry starts.
    void beginTable() { resetEntry(); }
    // \red, \green or \blue with its parameter.
    void setComponent(RtfKeyword component, std::optional<int> parameter);
    // The ';' after an entry: an entry without components is the automatic colour.
    void commitEntry();

    // Colour `index`, or an invalid colour for the automatic colour (0) and indices not in the table.
    QColor color(int index) const;

private:
    void resetEntry();

    std::vector<QColor> colors_;
    bool componentSeen_ = false;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
};

} // namespace pelmora
