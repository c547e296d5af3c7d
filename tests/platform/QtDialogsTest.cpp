// The real file choosers, played through under the offscreen platform.
#include "platform/QtDialogs.h"
#include "ScopedEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(QtDialogsFiles, StartInTheDocumentsFolderThenWhereTheLastFileWasChosen)
{
    QTemporaryDir home;
    const QString root = QDir(home.path()).canonicalPath();
    testing_support::ScopedEnvironment homeVariable{"HOME", root.toLocal8Bit()};
    testing_support::ScopedEnvironment noUserDirs{"XDG_CONFIG_HOME", (root + QStringLiteral("/.config")).toLocal8Bit()};
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("Documents")) && QDir(root).mkpath(QStringLiteral("elsewhere")));
    const QString opened = root + QStringLiteral("/elsewhere/old.htf");
    ASSERT_TRUE(QFile(opened).open(QIODevice::WriteOnly));

    platform::QtDialogs dialogs;
    QStringList startedIn;
    // Plays the user once the chooser is up: notes where it opened and picks the file.
    auto choose = [&](const QString& file) {
        QTimer::singleShot(0, [&startedIn, file] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* chooser = qobject_cast<QFileDialog*>(window); chooser && chooser->isVisible()) {
                    startedIn.append(chooser->directory().canonicalPath());
                    chooser->selectFile(file);
                    static_cast<QDialog*>(chooser)->accept();
                    return;
                }
            ADD_FAILURE() << "no file chooser was shown";
        });
    };
    choose(opened);
    EXPECT_EQ(dialogs.openFileName(QStringLiteral("Open"), {}, QStringLiteral("HART file (*.htf)")), opened);
    const QString saved = root + QStringLiteral("/elsewhere/new.htf");
    choose(saved);
    EXPECT_EQ(dialogs.saveFileName(QStringLiteral("Save"), {}, QStringLiteral("HART3.0 file (*.htf)")), saved);
    EXPECT_EQ(startedIn, (QStringList{root + QStringLiteral("/Documents"), root + QStringLiteral("/elsewhere")}));
}

} // namespace
