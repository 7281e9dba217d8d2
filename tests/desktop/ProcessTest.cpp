// The built program as a user starts it: command line, missing display, start-up.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

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

}  // namespace
