// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KinfoldApp.h"
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include "app/MainFrame.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"
#include "view/KinfoldDoc.h"
#include "view/KinfoldView.h"
#include "view/core/PageLayout.h"

namespace {
QString StartFile()
{
    QtSettingsStore store("Kinfold");
    CString recent = store.GetString("Recent File List", "File1", "");
    QString path = recent.empty() ? QString(kDefaultStartFile) : ToQt(recent);
    if (!QFileInfo::exists(path)) {
        QFile f(path);
        // An empty file opens as an empty list.
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) f.close();
    }
    return path;
}
}  // namespace

int RunKinfold(QApplication& app)
{
    InstallToolTipTiming(app);
    // The frame goes before the document; its view writes the display options as it goes.
    auto doc = std::make_unique<CKinfoldDoc>();
    auto frame = std::make_unique<CMainFrame>(doc.get());

    QString named;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i)
        if (!args[i].startsWith("-")) { named = args[i]; break; }
    if (!named.isEmpty()) {
        if (!frame->OpenDocumentFile(named)) return 1;
    } else if (!frame->OpenDocumentFile(StartFile())) {
        // A start file that vanished or went bad must not keep the program from starting.
        frame->OnFileNew();
    }
    frame->show();
    frame->repaint();
    int rc = app.exec();
    frame.reset();
    return rc;
}

bool IsPrintPdfCommand(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (QString::fromLocal8Bit(argv[i]) == "--print-pdf") return true;
    return false;
}

QString ParsePrintPdfArgs(const QStringList& args, PrintPdfOptions& o)
{
    auto number = [](const QString& text, int& out) {
        bool ok = false;
        out = text.toInt(&ok);
        return ok;
    };
    bool haveOutput = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        QString v;
        if (a == "--print-pdf") {
            if (!value(o.output) || o.output.isEmpty()) return "--print-pdf needs an output file name";
            haveOutput = true;
        } else if (a == "--year") {
            if (!value(v) || !number(v, o.year) || o.year == 0) return "--year needs a year other than 0";
        } else if (a == "--month") {
            if (!value(v) || !number(v, o.month) || o.month < 1 || o.month > 13)
                return "--month needs a month from 1 to 12";
        } else if (a == "--months-per-page") {
            if (!value(v) || !number(v, o.monthsPerPage) ||
                (o.monthsPerPage != 1 && o.monthsPerPage != 6 && o.monthsPerPage != 12))
                return "--months-per-page needs 1, 6 or 12";
        } else if (a == "--calendar") {
            if (!value(v) || !number(v, o.calendar) || o.calendar < 0 || o.calendar > 3)
                return "--calendar needs 0 (Current), 1 (Old style), 2 (Moon) or 3 (Year of the Snake)";
        } else if (a == "--paper") {
            if (!value(v)) return "--paper needs a paper name such as Letter or A4";
            o.paperCode = PaperCodeByName(v.toStdString());
            if (o.paperCode == 0) return "Unknown paper \"" + v + "\" (try Letter, Legal, A4, A3, A5)";
        } else if (a == "--portrait") {
            o.portrait = true;
        } else if (a == "--landscape") {
            o.portrait = false;
        } else if (a.startsWith("-")) {
            return "Unknown option " + a;
        } else if (o.document.isEmpty()) {
            o.document = a;
        } else {
            return "Only one document can be printed";
        }
    }
    if (!haveOutput) return "--print-pdf needs an output file name";
    if (o.month == 13 && o.calendar < 2) return "--month needs a month from 1 to 12";
    return QString();
}

QString PrintPdf(const PrintPdfOptions& o)
{
    CKinfoldDoc doc;
    doc.OnNewDocument();
    if (!o.document.isEmpty()) {
        QFile f(o.document);
        if (!f.open(QIODevice::ReadOnly)) return "Cannot open " + o.document + ": " + f.errorString();
        QString err = CDocFrame::LoadDocumentBytes(&doc, f.readAll());
        if (!err.isEmpty()) return "Cannot read " + o.document + ": " + err;
    }
    CKinfoldView view(&doc);
    view.m_bSaveOptionsOnClose = false;
    view.m_nCalendarType = o.calendar;
    view.OnInitialUpdate();
    view.OnNow();
    if (o.year != 0) view.m_nYear = o.year;
    if (o.month != 0) view.m_nMonth = o.month;
    view.SetMonthsPerPage(o.monthsPerPage);
    // No screen drawing came first: the print scale takes the default window size.
    view.LayoutScreenPage(1024, 768);
    PrintRequest r;
    r.outputPdf = o.output;
    r.paperCode = o.paperCode;
    r.portrait = o.portrait;
    return view.PrintToPdf(r);
}

int RunPrintPdfCommand(const QStringList& args)
{
    PrintPdfOptions o;
    QString err = ParsePrintPdfArgs(args, o);
    if (err.isEmpty()) err = PrintPdf(o);
    if (!err.isEmpty()) {
        std::fprintf(stderr, "kinfold: %s\n", err.toLocal8Bit().constData());
        return 2;
    }
    return 0;
}
