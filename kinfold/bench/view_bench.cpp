// SPDX-License-Identifier: GPL-3.0-or-later
// Rendering calendar pages of a list of 5,000 birthdays spread over the year, as a paint does,
// printing a year into a PDF, and the repaint that follows a mouse move over a long list.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>
#include <random>
#include "platform/Settings.h"
#include "view/KinfoldDoc.h"
#include "view/KinfoldView.h"

namespace {
QApplication& App()
{
    static int argc = 1;
    static char name[] = "kinfold_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        // Another benchmark of the program may have made it first.
        if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance())) return running;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        static QTemporaryDir settings;
        PlatformSetApplication("Kinfold");
        PlatformSetSettingsFolder(settings.path());
        return a;
    }();
    return *app;
}

std::unique_ptr<CKinfoldDoc> BigList(int count = 5000)
{
    auto doc = std::make_unique<CKinfoldDoc>();
    std::mt19937 rng(7);
    for (int i = 0; i < count; ++i) {
        int month = 1 + (int)(rng() % 12), day = 1 + (int)(rng() % 28), year = 1920 + (int)(rng() % 100);
        BirthdayEntry e(CalendarDate(month, day, year));
        e.text = "Person" + std::to_string(i) + " Surname";
        e.kind = i % 10 == 0 ? BirthdayEntry::Couple : BirthdayEntry::Individual;
        doc->List().AddOrMerge(e);
    }
    doc->List().SortByDate();
    return doc;
}

void RenderPage(benchmark::State& state, int monthsPerPage)
{
    App();
    auto doc = BigList();
    CKinfoldView view(doc.get());
    view.OnInitialUpdate();
    view.m_nYear = 2026;
    view.m_nMonth = 1;
    view.SetMonthsPerPage(monthsPerPage);
    QImage image(1600, 1200, QImage::Format_RGB32);
    for (auto _ : state) {
        view.RenderPage(image);
        benchmark::DoNotOptimize(image.bits());
    }
}

// A shown 12-month page of 140,000 entries, drawn once.
struct LongListWindow {
    std::unique_ptr<CKinfoldView> view;
    QImage screen{1600, 1200, QImage::Format_RGB32};
    LongListWindow()
    {
        App();
        // Made once: the benchmark runs its functions several times to settle the iteration count.
        static const std::unique_ptr<CKinfoldDoc> doc = BigList(140000);
        view = std::make_unique<CKinfoldView>(doc.get());
        view->OnInitialUpdate();
        view->m_nYear = 2026;
        view->m_nMonth = 1;
        view->SetMonthsPerPage(12);
        view->resize(1600, 1200);
        view->show();
        Repaint();
    }
    // A paint of the window, as the window system asks for it.
    void Repaint()
    {
        view->render(&screen);
        benchmark::DoNotOptimize(screen.bits());
    }
};

// One repaint of the page after the mouse moved over it (goal: under 16 ms, one frame).
void BM_HoverTwelveMonthsLongList(benchmark::State& state)
{
    LongListWindow w;
    int step = 0;
    for (auto _ : state) {
        QPointF at(100 + (step * 37) % 1400, 100 + (step * 53) % 1000);
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, w.view->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w.view.get(), &move);
        w.Repaint();
    }
}

// One repaint of the page after a change that shows (a command, an edit of the list).
void BM_RedrawTwelveMonthsLongList(benchmark::State& state)
{
    LongListWindow w;
    for (auto _ : state) {
        w.view->m_bRedraw = true;
        w.Repaint();
    }
}

void BM_RenderOneMonth(benchmark::State& state) { RenderPage(state, 1); }
void BM_RenderTwelveMonths(benchmark::State& state) { RenderPage(state, 12); }

void BM_PrintYearToPdf(benchmark::State& state)
{
    App();
    auto doc = BigList();
    QTemporaryDir dir;
    for (auto _ : state) {
        CKinfoldView view(doc.get());
        view.OnInitialUpdate();
        view.m_nYear = 2026;
        view.m_nMonth = 1;
        view.LayoutScreenPage(1024, 768);
        PrintRequest r;
        r.outputPdf = dir.filePath("year.pdf");
        benchmark::DoNotOptimize(view.PrintToPdf(r));
    }
}
}  // namespace

BENCHMARK(BM_RenderOneMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderTwelveMonths)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HoverTwelveMonthsLongList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawTwelveMonthsLongList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintYearToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
