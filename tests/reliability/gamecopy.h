// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace wildcrest::testing
{

// A copy of the built game's directory (executable and pictures) that a test may damage.
class GameCopy
{
public:
    GameCopy()
    {
        const QDir game(WILDCREST_GAME_DIR);
        EXPECT_TRUE(dir_.isValid());
        path_ = QFileInfo(dir_.path()).canonicalFilePath();
        for (const QString &name : game.entryList(QDir::Files))
            EXPECT_TRUE(QFile::copy(game.filePath(name), path_ + "/" + name)) << name.toStdString();
    }
    QString path() const
    {
        return path_;
    }
    QString file(const QString &name) const
    {
        return path_ + "/" + name;
    }
    QString exe() const
    {
        return file(QFileInfo(WILDCREST_EXE).fileName());
    }
    QStringList files() const
    {
        return QDir(path_).entryList(QDir::Files, QDir::Name);
    }

    enum class Damage { Missing, Empty, Truncated, NotABitmap };
    void damage(const QString &name, Damage how) const
    {
        const QString f = file(name);
        QFile in(f);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        in.close();
        QFile::remove(f);
        if (how == Damage::Missing)
            return;
        QFile out(f);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        if (how == Damage::Truncated)
            out.write(bytes.left(bytes.size() / 3));
        else if (how == Damage::NotABitmap)
            out.write("This is not a picture, just some text where a card should be.\n");
    }

private:
    QTemporaryDir dir_;
    QString path_;
};

inline const char *damageName(GameCopy::Damage d)
{
    switch (d) {
    case GameCopy::Damage::Missing:
        return "missing";
    case GameCopy::Damage::Empty:
        return "empty";
    case GameCopy::Damage::Truncated:
        return "truncated";
    case GameCopy::Damage::NotABitmap:
        return "not a bitmap";
    }
    return "?";
}

struct GameRun {
    bool finished = false;
    bool crashed = false;
    int status = 0;
    QString err;
};

// Starts `exe` on the offscreen platform and waits up to `seconds` for it to end;
// a game still running then is stopped and reported as not finished.
inline GameRun runFor(const QString &exe, int seconds, const QString &workingDir = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    p.start(exe, {});
    GameRun r;
    if (!p.waitForStarted(5000))
        return r;
    r.finished = p.waitForFinished(seconds * 1000);
    if (!r.finished) {
        p.kill();
        p.waitForFinished(5000);
    }
    r.crashed = r.finished && p.exitStatus() == QProcess::CrashExit;
    r.status = p.exitCode();
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

} // namespace wildcrest::testing
