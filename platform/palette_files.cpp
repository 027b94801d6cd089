#include "platform/palette_files.h"

#include "palette/palette_import.h"
#include "platform/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <system_error>

namespace pelmora {
namespace {

QString FilterOf(const PaletteFormatInfo& info)
{
    return QStringLiteral("%1 (*.%2)")
        .arg(QString::fromUtf8(info.title.data(), static_cast<qsizetype>(info.title.size())),
            QString::fromUtf8(info.extension.data(), static_cast<qsizetype>(info.extension.size())));
}

QString Tr(const char* text) { return QCoreApplication::translate("PaletteFiles", text); }

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

QString PaletteExportFilters()
{
    QStringList filters;
    for (const PaletteFormatInfo& info : kPaletteFormats) {
        if (info.writable)
            filters << FilterOf(info);
    }
    return filters.join(QStringLiteral(";;"));
}

QString PaletteImportFilters()
{
    QStringList patterns;
    QStringList filters;
    for (const PaletteFormatInfo& info : kPaletteFormats) {
        if (info.format == PaletteFormat::Hex)
            continue; // the colour list reads the same .txt files
        patterns << QStringLiteral("*.")
                + QString::fromUtf8(info.extension.data(), static_cast<qsizetype>(info.extension.size()));
        filters << FilterOf(info);
    }
    return Tr("Palettes") + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QStringLiteral(");;")
        + filters.join(QStringLiteral(";;")) + QStringLiteral(";;") + Tr("All files") + QStringLiteral(" (*)");
}

std::optional<PaletteFormat> PaletteFormatForFile(const QString& path, const QString& selectedFilter)
{
    const QByteArray name = QFileInfo(path).fileName().toUtf8();
    const auto byName
        = PaletteFormatFromFileName(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
    // A .txt file is written as #RRGGBB lines, the only text list there is to write.
    if (byName)
        return *byName == PaletteFormat::ColorLines ? PaletteFormat::Hex : *byName;
    for (const PaletteFormatInfo& info : kPaletteFormats) {
        if (info.writable && selectedFilter == FilterOf(info))
            return info.format;
    }
    return std::nullopt;
}

QString PaletteExtensionForFilter(const QString& selectedFilter)
{
    const std::optional<PaletteFormat> format = PaletteFormatForFile(QString(), selectedFilter);
    const std::string_view extension = InfoOf(format.value_or(PaletteFormat::Gpl)).extension;
    return QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size()));
}

bool WritePaletteFile(const QString& path, PaletteFormat format, const Palette& palette, QString* error)
{
    const std::string bytes = WritePalette(format, palette);
    QString reason;
    const bool saved = ReplaceRegularFile(
        path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &reason, SavedFile::NamedByUser);
    if (!saved && error)
        *error = Tr("The palette could not be saved to \"%1\": %2").arg(Native(path), reason);
    return saved;
}

PaletteFileImport ImportPaletteFile(
    const QString& path, std::span<Color> cells, int startCell, const ColorReader& reader)
{
    PaletteFileImport result;
    // One byte past the limit is enough for the reader to refuse the file without reading it all.
    // Only a regular file is read: a FIFO would block the window until something wrote to it.
    FileContents file = ReadRegularFile(path, static_cast<qint64>(kMaxPaletteFileBytes) + 1);
    if (file.missing)
        file.error = QString::fromStdString(std::make_error_code(std::errc::no_such_file_or_directory).message());
    if (!file.error.isEmpty()) {
        result.message = Tr("Cannot read \"%1\": %2").arg(Native(path), file.error);
        return result;
    }
    const QByteArray& bytes = file.bytes;
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const QByteArray name = QFileInfo(path).fileName().toUtf8();
    const PaletteFormat format
        = PaletteFormatFromFileName(std::string_view(name.constData(), static_cast<std::size_t>(name.size())))
              .value_or(SniffPaletteFormat(view));
    const CellImport import = ImportIntoCells(cells, format, view, startCell, reader);
    if (import.error) {
        result.message
            = Tr("Cannot read \"%1\": %2").arg(Native(path), QString::fromStdString(import.error->describe()));
        return result;
    }
    result.imported = true;
    result.placement = import.placement;
    result.message = QString::fromStdString(PlacementMessage(import.placement, startCell));
    return result;
}

} // namespace pelmora
