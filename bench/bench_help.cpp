// Reading and laying out the help file, as the help window does, for help files far beyond any
// real one: many pages of ordinary text, one endless word, a flood of empty paragraphs, a
// paragraph of 64 tab stops and thousands of tabs.

#include "windows/help_file.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <map>
#include <memory>

namespace pelmora {
namespace {

enum class Kind { Pages, OneWord, Paragraphs, TabStops, FormatRuns };

constexpr qsizetype kMegabyte = 1024 * 1024;
constexpr double kViewWidth = 685.0; // the help window's text view

QByteArray HelpFileOf(Kind kind, qsizetype size)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue128;}\n";
    switch (kind) {
    case Kind::Pages: {
        const QByteArray page
            = "{\\b\\fs28\\cf1 Picking a colour}\\par\\pard\\li360\\fi-360 \\bullet\\tab Click anywhere in "
              "the field to pick a colour; drag to follow the mouse. The {\\i slider} chooses the "
              "hue, saturation or brightness, whichever option is selected.\\par\\pard ";
        while (rtf.size() < size)
            rtf += page;
        break;
    }
    case Kind::OneWord:
        rtf += QByteArray(size, 'w');
        break;
    case Kind::Paragraphs:
        while (rtf.size() < size)
            rtf += "\\par";
        break;
    case Kind::TabStops: {
        // Qt measures the way to each explicit stop over the rest of the paragraph.
        rtf += "\\pard";
        for (int stop = 1; stop <= 64; ++stop)
            rtf += "\\tx" + QByteArray::number(stop * 100);
        rtf += " a";
        while (rtf.size() < size)
            rtf += "\\tab";
        rtf += "b";
        break;
    }
    case Kind::FormatRuns:
        rtf += "\\pard ";
        while (rtf.size() < size)
            rtf += "{\\b x}{\\i y}";
        break;
    }
    return rtf + '}';
}

// The files are written once, into a folder that lives as long as the program.
QString HelpFilePathOf(Kind kind, qsizetype size)
{
    static QTemporaryDir folder;
    static std::map<std::pair<Kind, qsizetype>, QString> written;
    auto& path = written[{kind, size}];
    if (path.isEmpty()) {
        path = folder.filePath(QStringLiteral("help-%1-%2.rtf").arg(static_cast<int>(kind)).arg(size));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(HelpFileOf(kind, size)) < 0)
            return {};
    }
    return path;
}

void BM_ReadHelpFile(benchmark::State& state, Kind kind)
{
    const QString path = HelpFilePathOf(kind, state.range(0) * kMegabyte);
    for (auto _ : state) {
        QTextDocument document;
        LoadHelpFile(path, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
}

// Everything the window will ever lay out, in one go (the window itself does it a paragraph at a
// time in the background).
void BM_ReadAndLayOutHelpFile(benchmark::State& state, Kind kind)
{
    const QString path = HelpFilePathOf(kind, state.range(0) * kMegabyte);
    for (auto _ : state) {
        QTextDocument document;
        LoadHelpFile(path, document);
        document.setTextWidth(kViewWidth);
        benchmark::DoNotOptimize(document.documentLayout()->documentSize());
        state.counters["characters"] = document.characterCount();
        state.counters["paragraphs"] = document.blockCount();
    }
}

// This thread's processor time, which a busy machine does not inflate as it does the clock's.
std::int64_t ThreadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Qt lays the help out one paragraph at a time while the window waits: the slowest paragraph, laid
// out as the document's layout does it (with the paragraph's tab stops), is how long the window
// does not answer.
std::int64_t SlowestParagraphNs(QTextDocument& document)
{
    std::int64_t slowest = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextLayout& layout = *block.layout();
        QTextOption option = document.defaultTextOption();
        option.setTabs(block.blockFormat().tabPositions());
        const std::int64_t start = ThreadCpuNs();
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(kViewWidth);
        layout.endLayout();
        slowest = std::max(slowest, ThreadCpuNs() - start);
    }
    return slowest;
}

void BM_SlowestParagraph(benchmark::State& state, Kind kind)
{
    // Arguments in kilobytes: the help files of the issue are small.
    const QString path = HelpFilePathOf(kind, state.range(0) * 1024);
    for (auto _ : state) {
        QTextDocument document;
        LoadHelpFile(path, document);
        state.counters["slowest_paragraph_ms"] = static_cast<double>(SlowestParagraphNs(document)) / 1e6;
        state.counters["paragraphs"] = document.blockCount();
    }
}

// 40 KB: 10,000 tabs; 400 KB: 100,000.
BENCHMARK_CAPTURE(BM_SlowestParagraph, tab_stops, Kind::TabStops)->Arg(40)->Arg(400)->Unit(benchmark::kMillisecond);
// 200 KB: 40,000 runs.
BENCHMARK_CAPTURE(BM_SlowestParagraph, format_runs, Kind::FormatRuns)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadHelpFile, pages, Kind::Pages)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadHelpFile, one_word, Kind::OneWord)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadHelpFile, paragraphs, Kind::Paragraphs)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadAndLayOutHelpFile, pages, Kind::Pages)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadAndLayOutHelpFile, one_word, Kind::OneWord)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadAndLayOutHelpFile, paragraphs, Kind::Paragraphs)
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pelmora

int main(int argc, char** argv)
{
    // Fonts and text layout want a GUI application; offscreen needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
