// The readme box side by side: loading a readme as rich text against the same
// text as plain ANSI text, and paginating a long readme with the box keeping
// its formatting between pages against releasing it after every page.
#include "BenchRun.h"
#include "platform/win/richtext/FormatRange.h"
#include "platform/win/richtext/RichTextBox.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace velox::win;

namespace {

constexpr int paragraphs = 400;

QByteArray plainReadme() {
    QByteArray text;
    for (int i = 0; i < paragraphs; ++i) {
        text += "Gr\xfc\xdf"
                "e aus M\xfcnchen: this program keeps the addresses of your friends, "
                "line " +
                QByteArray::number(i) + ".\r\n";
    }
    return text;
}

QByteArray richReadme() {
    QByteArray text = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                      "{\\colortbl ;\\red255\\green0\\blue0;}\\f0\\fs20 ";
    for (int i = 0; i < paragraphs; ++i) {
        text += "{\\b Gr\\'fc\\'dfe} aus \\cf1 M\\'fcnchen\\cf0 : this program keeps the "
                "\\i addresses\\i0  of your friends, line " +
                QByteArray::number(i) + ".\\par ";
    }
    return text + "}";
}

void BM_LoadPlainReadme(benchmark::State& state) {
    const QByteArray bytes = plainReadme();
    RichTextBox box;
    for (auto _ : state) {
        box.setContents(bytes);
        benchmark::DoNotOptimize(box.textLength());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_LoadRichReadme(benchmark::State& state) {
    const QByteArray bytes = richReadme();
    RichTextBox box;
    for (auto _ : state) {
        box.setContents(bytes);
        benchmark::DoNotOptimize(box.textLength());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Formats every page of the readme on a 600 dpi page image.
void paginate(benchmark::State& state, bool releaseEachPage) {
    RichTextBox box;
    box.setContents(richReadme());
    QImage page(100, 100, QImage::Format_RGB32);
    page.setDotsPerMeterX(23622); // 600 per inch
    page.setDotsPerMeterY(23622);
    QPainter painter(&page);
    FormatRange range;
    range.hdc = &painter;
    range.hdcTarget = &painter;
    range.rc = {1440, 1440, 10464, 15397}; // A4 inside one-inch margins
    int pages = 0;
    for (auto _ : state) {
        range.chrg = {0, -1};
        pages = 0;
        for (;;) {
            const int next = box.formatRange(false, &range);
            ++pages;
            if (releaseEachPage) {
                box.formatRange(false, nullptr);
            }
            if (next >= box.textLength()) {
                break;
            }
            range.chrg.cpMin = next;
        }
        box.formatRange(false, nullptr);
    }
    state.counters["pages"] = pages;
}

void BM_PaginateKeepingFormatting(benchmark::State& state) {
    paginate(state, false);
}

void BM_PaginateReleasingEachPage(benchmark::State& state) {
    paginate(state, true);
}

BENCHMARK(BM_LoadPlainReadme)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadRichReadme)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaginateKeepingFormatting)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaginateReleasingEachPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    velox::bench::offscreenUnlessChosen();
    QApplication app(argc, argv);
    return velox::bench::runBenchmarks(argc, argv) ? 0 : 1;
}
