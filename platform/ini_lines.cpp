#include "platform/ini_lines.h"

#include <vector>

namespace pelmora {

namespace {

struct Line {
    qsizetype begin = 0;
    qsizetype end = 0; // before the line's "\n" or "\r\n"
};

std::vector<Line> LinesOf(QByteArrayView file)
{
    std::vector<Line> lines;
    qsizetype begin = 0;
    while (begin < file.size()) {
        qsizetype next = file.indexOf('\n', begin);
        if (next < 0)
            next = file.size();
        qsizetype end = next;
        if (end > begin && file[end - 1] == '\r')
            --end;
        lines.push_back({begin, end});
        begin = next + 1;
    }
    return lines;
}

QByteArrayView TextOf(QByteArrayView file, Line line)
{
    return file.sliced(line.begin, line.end - line.begin).trimmed();
}

bool IsSectionLine(QByteArrayView text) { return text.startsWith('['); }

bool IsComment(QByteArrayView text) { return text.startsWith(';'); }

// The key of a "key=value" line, with "/" written as "\".
QByteArray KeyOf(QByteArrayView text)
{
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return {};
    return text.first(equals).trimmed().toByteArray().replace('/', '\\');
}

// Where the key's line and the section's last setting are, as line numbers (-1: none).
struct Places {
    int keyLine = -1;
    int lastSetting = -1;
};

Places Find(QByteArrayView file, const std::vector<Line>& lines, QByteArrayView sectionLine, QByteArrayView key)
{
    const QByteArray wanted = key.toByteArray().replace('/', '\\');
    Places places;
    bool inSection = false;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const QByteArrayView text = TextOf(file, lines[i]);
        if (IsSectionLine(text)) {
            inSection = text == sectionLine;
            if (inSection)
                places.lastSetting = i;
            continue;
        }
        if (!inSection || text.isEmpty() || IsComment(text))
            continue;
        places.lastSetting = i;
        if (KeyOf(text) == wanted)
            places.keyLine = i;
    }
    return places;
}

} // namespace

std::optional<QByteArray> IniValueText(QByteArrayView file, QByteArrayView sectionLine, QByteArrayView key)
{
    const std::vector<Line> lines = LinesOf(file);
    const Places places = Find(file, lines, sectionLine, key);
    if (places.keyLine < 0)
        return std::nullopt;
    const QByteArrayView text = TextOf(file, lines[static_cast<std::size_t>(places.keyLine)]);
    return text.sliced(text.indexOf('=') + 1).trimmed().toByteArray();
}

QByteArray WithIniLine(QByteArrayView file, QByteArrayView sectionLine, QByteArrayView keyLine)
{
    const std::vector<Line> lines = LinesOf(file);
    const Places places = Find(file, lines, sectionLine, KeyOf(keyLine));
    const QByteArray lineEnd = !lines.empty() && lines[0].end < file.size() && file[lines[0].end] == '\r'
        ? QByteArray("\r\n")
        : QByteArray("\n");
    QByteArray edited;
    edited.reserve(file.size() + sectionLine.size() + keyLine.size() + 8);
    if (places.keyLine >= 0) {
        const Line old = lines[static_cast<std::size_t>(places.keyLine)];
        edited.append(file.first(old.begin)).append(keyLine).append(file.sliced(old.end));
        return edited;
    }
    if (places.lastSetting >= 0) {
        const Line after = lines[static_cast<std::size_t>(places.lastSetting)];
        const bool ended = after.end < file.size();
        edited.append(file.first(after.end));
        edited.append(lineEnd).append(keyLine);
        edited.append(ended ? file.sliced(after.end) : QByteArrayView(lineEnd));
        return edited;
    }
    edited.append(file);
    if (!file.isEmpty()) {
        if (!file.endsWith('\n'))
            edited.append(lineEnd);
        edited.append(lineEnd); // a blank line between sections, as QSettings writes them
    }
    return edited.append(sectionLine).append(lineEnd).append(keyLine).append(lineEnd);
}

} // namespace pelmora
