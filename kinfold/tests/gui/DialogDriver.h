// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives modal dialogs from a test: acts on a dialog once its own event loop runs, answers
// message boxes, and closes anything left open too long so that a fault fails instead of hanging.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>
#include "platform/MessageBox.h"
#include "platform/Settings.h"

// Runs `act` on the next modal dialog of class T once it is showing.
template <class T>
void WhenModal(std::function<void(T*)> act, int tries = 400)
{
    QTimer::singleShot(tries == 400 ? 0 : 5, [act, tries] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (w && w->isVisible()) {
            act(w);
        } else if (tries > 0) {
            WhenModal<T>(act, tries - 1);
        } else {
            ADD_FAILURE() << "the expected dialog never showed";
        }
    });
}

// Types text into a field key by key, as the user would.
inline void TypeInto(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

// A fresh store and recorded message boxes for each test; dialogs left open are closed after 20 s.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetAppSettings(&store);
        messages.clear();
        SetMessageBoxAnswerer([this](const MessageBoxRequest& r) {
            messages.push_back(r.text);
            return answers.empty() ? IDOK : Next();
        });
        watchdog.setSingleShot(true);
        watchdog.setInterval(20000);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            ADD_FAILURE() << "a dialog stayed open";
            while (QWidget* w = QApplication::activeModalWidget()) {
                if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
                else w->close();
                QApplication::processEvents();
            }
        });
        watchdog.start();
    }
    void TearDown() override
    {
        watchdog.stop();
        SetMessageBoxAnswerer({});
        SetAppSettings(nullptr);
    }
    int Next()
    {
        int a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    bool Stored(const char* section, const char* key) { return store.Contains(section, key); }
    bool AnySection(const std::string& section)
    {
        for (const auto& kv : store.values)
            if (kv.first.first == section) return true;
        return false;
    }

    MemorySettingsStore store;
    std::vector<CString> messages;
    std::vector<int> answers;  // message box answers in order; IDOK when none is left
    QTimer watchdog;
};

// The test program's own start: an offscreen application and settings in a temporary folder.
#define KINFOLD_DIALOG_TEST_MAIN()                               \
    int main(int argc, char** argv)                              \
    {                                                            \
        qputenv("QT_QPA_PLATFORM", "offscreen");                 \
        QApplication app(argc, argv);                            \
        QTemporaryDir settings;                                  \
        PlatformSetApplication("Kinfold");                       \
        PlatformSetSettingsFolder(settings.path());              \
        ::testing::InitGoogleTest(&argc, argv);                  \
        return RUN_ALL_TESTS();                                  \
    }
