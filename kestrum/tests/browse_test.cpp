// SPDX-License-Identifier: GPL-3.0-or-later
#include <kestrum/files.h>

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include "platform/Settings.h"

namespace {
// Answers the next modal file dialog once it is shown.
void WhenDialogShows(std::function<void(QFileDialog*)> act)
{
    QTimer::singleShot(50, [act] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog) act(dialog);
        else WhenDialogShows(act);
    });
}
}  // namespace

TEST(Browse, AcceptingHerePicksTheOpenedFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CString folder = dir.path().toStdString();
    WhenDialogShows([](QFileDialog* d) { static_cast<QDialog*>(d)->accept(); });
    EXPECT_EQ(BrousePathName("Pick a folder", folder), folder + "/");
    WhenDialogShows([](QFileDialog* d) { static_cast<QDialog*>(d)->accept(); });
    EXPECT_EQ(BrouseFileName("Pick a file", folder), folder + "/Here");
}

TEST(Browse, CancelGivesHere)
{
    QTemporaryDir dir;
    WhenDialogShows([](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(BrousePathName("Pick a folder", dir.path().toStdString()), "Here");
    WhenDialogShows([](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(BrouseFileName("Pick a file", dir.path().toStdString()), "Here");
}

TEST(TextHeight, LightArialOfTheGivenTenthsOfAPoint)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    SetTextHeight(painter, 120);
    EXPECT_EQ(painter.font().family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(painter.font().pointSizeF(), 12.0);
    EXPECT_EQ(painter.font().weight(), QFont::Light);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The file dialog keeps its history in the user's settings: keep it in a folder of our own.
    QTemporaryDir settings;
    PlatformSetSettingsFolder(settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
