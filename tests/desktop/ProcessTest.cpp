// The built program as a user starts it: command line, missing display, start-up.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>

#ifndef METALLO_BINARY
#error "METALLO_BINARY must name the built program"
#endif

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome runProgram(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(METALLO_BINARY), args);
    Outcome o;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return o;
    }
    o.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    o.out = QString::fromUtf8(p.readAllStandardOutput());
    o.err = QString::fromUtf8(p.readAllStandardError());
    return o;
}

int lines(const QString& s) { return static_cast<int>(s.count(QLatin1Char('\n'))) + (s.endsWith('\n') || s.isEmpty() ? 0 : 1); }

QProcessEnvironment withoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    return env;
}

TEST(DesktopProgram, HelpAndVersionSucceedWithoutDisplay) {
    const Outcome help = runProgram({"--help"}, withoutDisplay());
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--screen")) << help.out.toStdString();
    const Outcome version = runProgram({"--version"}, withoutDisplay());
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(lines(version.out), 1) << version.out.toStdString();
    EXPECT_TRUE(version.out.contains("metallographie")) << version.out.toStdString();
}

TEST(DesktopProgram, BadArgumentsPrintOneLineAndExitWithTwo) {
    for (const QStringList& args : {QStringList{"--unsinn"}, QStringList{"--screen", "100x100"},
                                    QStringList{"--screen", "8000x600"}, QStringList{"--screen", "1024"},
                                    QStringList{"datei.txt"}}) {
        const Outcome o = runProgram(args);
        EXPECT_EQ(o.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(lines(o.out + o.err), 1) << args.join(' ').toStdString() << ": " << (o.out + o.err).toStdString();
    }
}

TEST(DesktopProgram, WithoutDisplayItSaysSoInOneLineAndExitsWithOne) {
    const Outcome o = runProgram({}, withoutDisplay());
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(lines(o.out + o.err), 1) << (o.out + o.err).toStdString();
    const Outcome sized = runProgram({"--screen", "800x600"}, withoutDisplay());
    EXPECT_EQ(sized.status, 1);
}

TEST(DesktopProgram, StartsOnTheOffscreenPlatformAndKeepsRunning) {
    QProcessEnvironment env = withoutDisplay();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(METALLO_BINARY), {"--screen", "800x600"});
    ASSERT_TRUE(p.waitForStarted(5000));
    // Start-up builds every window; the program must still be there afterwards.
    EXPECT_FALSE(p.waitForFinished(3000)) << "ended early with status " << p.exitCode() << ": "
                                          << p.readAllStandardError().toStdString();
    p.kill();
    p.waitForFinished();
}

// On a real X server without other clients, started again and again: an X server
// resets itself when its last client goes, and neither the display check nor Qt may
// meet it half-way (a display check that had let go of its connection before Qt
// connected made about every third start abort; one that came in while the run before
// had just gone, about one start in 600 under load).
TEST(DesktopProgram, StartsOnAnXServerThatHasNoOtherClients) {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) GTEST_SKIP() << "no Xvfb";
    int number = 140;
    while (number < 200 && (QFile::exists(QString("/tmp/.X%1-lock").arg(number)) ||
                            QFile::exists(QString("/tmp/.X11-unix/X%1").arg(number))))
        ++number;
    const QString display = QString(":%1").arg(number);
    QProcess server;
    server.start(xvfb, {display, "-screen", "0", "1024x768x24"});
    ASSERT_TRUE(server.waitForStarted(5000));
    const QString socket = QString("/tmp/.X11-unix/X%1").arg(number);
    for (int i = 0; i < 100 && !QFile::exists(socket); ++i) QThread::msleep(50);
    if (!QFile::exists(socket)) {
        server.kill();
        server.waitForFinished();
        GTEST_SKIP() << "Xvfb did not come up on this machine";
    }

    QProcessEnvironment env = withoutDisplay();
    env.insert("DISPLAY", display);
    // Qt has connected (or the program given up, which a display check does after trying
    // for a second) well within the time each run is given, also on a loaded machine.
    for (int run = 0; run < 10; ++run) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(METALLO_BINARY), {});
        ASSERT_TRUE(p.waitForStarted(5000));
        EXPECT_FALSE(p.waitForFinished(2000)) << "run " << run << " ended with status " << p.exitCode() << ": "
                                             << p.readAllStandardError().toStdString();
        // The next run starts at once, while the server may still be resetting.
        p.terminate();
        if (!p.waitForFinished(3000)) p.kill();
        p.waitForFinished();
    }
    server.terminate();
    if (!server.waitForFinished(3000)) server.kill();
    server.waitForFinished();
}

}  // namespace
