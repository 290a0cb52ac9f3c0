// SPDX-License-Identifier: GPL-3.0-or-later
// The real game, started from a copy of its directory.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Game, AMissingCardPictureEndsItWithThePath)
{
    const QDir game(WILDCREST_GAME_DIR);
    ASSERT_TRUE(QFileInfo::exists(WILDCREST_EXE));
    ASSERT_TRUE(game.exists("Card.bmp")) << "the game's pictures have not been made";

    QTemporaryDir copy;
    ASSERT_TRUE(copy.isValid());
    const QString dir = QFileInfo(copy.path()).canonicalFilePath();
    for (const QString &name : game.entryList(QDir::Files)) {
        if (name == "Card.bmp")
            continue;
        ASSERT_TRUE(QFile::copy(game.filePath(name), dir + "/" + name)) << name.toStdString();
    }
    const QString exe = dir + "/" + QFileInfo(WILDCREST_EXE).fileName();
    ASSERT_TRUE(QFileInfo::exists(exe));

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    run.setProcessEnvironment(env);
    run.start(exe, {});
    ASSERT_TRUE(run.waitForStarted(5000));
    const bool ended = run.waitForFinished(20000);
    if (!ended) {
        run.kill();
        run.waitForFinished(5000);
    }
    ASSERT_TRUE(ended) << "still running after 20 s";
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(run.exitCode(), 0);
    const QString err = QString::fromLocal8Bit(run.readAllStandardError());
    EXPECT_TRUE(err.contains("wildcrest: cannot load the picture " + dir + "/Card.bmp")) << err.toStdString();
}
