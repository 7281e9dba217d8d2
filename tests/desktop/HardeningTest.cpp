// The built program given bad things: scripts that cannot be read or never end, capture
// targets that are not files or have long names, raw bytes to quote, standard output that
// fails, Qt platforms that cannot start.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#ifndef METALLO_BINARY
#error "METALLO_BINARY must name the built program"
#endif

namespace {

struct Outcome {
    int status = -1;  // -2: crashed (an abort shows here)
    QString err;
};


// Waits for the program (30 s at most) and takes its status and standard error.
Outcome finish(QProcess& p) {
    Outcome o;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return o;
    }
    o.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    o.err = QString::fromUtf8(p.readAllStandardError());
    return o;
}

Outcome run(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
            const QString& stdinFile = QString()) {
    QProcess p;
    p.setProcessEnvironment(env);
    if (stdinFile.isEmpty()) {
        p.start(QStringLiteral(METALLO_BINARY), args);
    } else {
        // The shell opens standard input, whatever it is (QProcess will not open a folder).
        QStringList shellArgs{"-c", "exec \"$0\" \"$@\" < \"$METALLO_STDIN\"", QStringLiteral(METALLO_BINARY)};
        shellArgs += args;
        QProcessEnvironment e = env;
        e.insert("METALLO_STDIN", stdinFile);
        p.setProcessEnvironment(e);
        p.start("/bin/sh", shellArgs);
    }
    return finish(p);
}

int lines(const QString& s) { return static_cast<int>(s.count(QLatin1Char('\n'))) + (s.endsWith('\n') || s.isEmpty() ? 0 : 1); }

QString writeScript(const QTemporaryDir& dir, const QString& text) {
    const QString path = dir.filePath("script.txt");
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(text.toUtf8());
    return path;
}

bool isPng(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(8) == QByteArray("\x89PNG\r\n\x1a\n", 8);
}

// A folder given as script, or as standard input, used to end in an uncaught exception.
TEST(Hardening, AScriptThatCannotBeReadGivesOneLineAndStatusTwo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile plain(dir.filePath("plain.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const QString& script : {dir.path(), dir.filePath("missing.txt"), dir.filePath("plain.txt/below")}) {
        const Outcome o = run({"--headless", "--script", script});
        EXPECT_EQ(o.status, 2) << script.toStdString() << ": " << o.err.toStdString();
        EXPECT_EQ(lines(o.err), 1) << o.err.toStdString();
        EXPECT_TRUE(o.err.startsWith("metallographie: ")) << o.err.toStdString();
    }
    const Outcome folderIn = run({"--headless"}, QProcessEnvironment::systemEnvironment(), dir.path());
    EXPECT_EQ(folderIn.status, 2) << folderIn.err.toStdString();
    EXPECT_EQ(lines(folderIn.err), 1) << folderIn.err.toStdString();
    EXPECT_TRUE(folderIn.err.contains("Standardeingabe")) << folderIn.err.toStdString();
    if (geteuid() != 0) {  // root reads every file
        ASSERT_EQ(chmod(QFile::encodeName(plain.fileName()).constData(), 0), 0);
        const Outcome locked = run({"--headless", "--script", plain.fileName()});
        EXPECT_EQ(locked.status, 2);
        EXPECT_EQ(lines(locked.err), 1) << locked.err.toStdString();
    }
    // A script that can be read still runs, from a file and from standard input.
    const QString good = writeScript(dir, "print TFormHaupt\n");
    EXPECT_EQ(run({"--headless", "--script", good}).status, 0);
    EXPECT_EQ(run({"--headless"}, QProcessEnvironment::systemEnvironment(), good).status, 0);
}

// capture and --export used to rename their picture over whatever had the name: a
// device node, a FIFO, a symbolic link.
TEST(Hardening, CaptureAndExportReplaceOnlyRegularFilesAndWriteThroughLinks) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath("fifo.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
    for (const QString& target : {fifo, dir.filePath("folder.png")}) {
        const Outcome o = run({"--headless", "--script", writeScript(dir, "capture TFormHaupt " + target + "\n")});
        EXPECT_EQ(o.status, 1) << target.toStdString();
        EXPECT_EQ(lines(o.err), 1) << o.err.toStdString();
        EXPECT_TRUE(o.err.contains("not a regular file")) << o.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.png")).isDir());
    const auto everything = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden;
    EXPECT_EQ(QDir(dir.path()).entryList(everything).size(), 3)
        << "a temporary file was left behind";

    // A link is written through to its file and stays a link; a link to nothing is refused.
    const QString real = dir.filePath("real.png"), link = dir.filePath("link.png");
    QFile old(real);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ASSERT_TRUE(QFile::link(real, link));
    const Outcome through = run({"--headless", "--script", writeScript(dir, "capture TFormHaupt " + link + "\n")});
    EXPECT_EQ(through.status, 0) << through.err.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(isPng(real));
    const QString dangling = dir.filePath("dangling.png");
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere/x.png"), dangling));
    const Outcome broken = run({"--headless", "--script", writeScript(dir, "capture screen " + dangling + "\n")});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(lines(broken.err), 1) << broken.err.toStdString();
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    // A regular file is replaced.
    const Outcome plain = run({"--headless", "--script", writeScript(dir, "capture screen " + real + "\n")});
    EXPECT_EQ(plain.status, 0) << plain.err.toStdString();
    EXPECT_TRUE(isPng(real));

    // --export meets a FIFO where the title window's picture goes.
    const QString out = dir.filePath("export");
    ASSERT_TRUE(QDir(dir.path()).mkdir("export"));
    ASSERT_EQ(mkfifo(QFile::encodeName(out + "/TFormHaupt.png").constData(), 0600), 0);
    const Outcome exported = run({"--export", out, "--screen", "800x600"});
    EXPECT_EQ(exported.status, 1);
    EXPECT_EQ(lines(exported.err), 1) << exported.err.toStdString();
    EXPECT_FALSE(QFileInfo(out + "/TFormHaupt.png").isFile());
}

// A shell command line run with the built program as "$M" (for pipes and redirections).
Outcome runShell(const QString& command) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("M", QStringLiteral(METALLO_BINARY));
    p.setProcessEnvironment(env);
    p.start("/bin/sh", {"-c", command});
    return finish(p);
}

// Where the program meets its input and its output.
TEST(Hardening, EndlessScriptsRawBytesLongNamesAndLostOutput) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // 1. An endless script used to take all memory: a device that is no terminal is
    //    refused like a folder, and an endless pipe is read only up to the limit.
    for (const char* device : {"/dev/zero", "/dev/urandom"}) {
        const Outcome o = run({"--headless", "--script", device});
        EXPECT_EQ(o.status, 2) << device << ": " << o.err.toStdString();
        EXPECT_EQ(lines(o.err), 1) << o.err.toStdString();
        EXPECT_TRUE(o.err.contains("Gerät")) << o.err.toStdString();
    }
    const Outcome endless = runShell("yes 'print TFormHaupt' | \"$M\" --headless");
    EXPECT_EQ(endless.status, 2) << endless.err.toStdString();
    EXPECT_EQ(lines(endless.err), 1) << endless.err.toStdString();
    EXPECT_TRUE(endless.err.contains("4 MiB")) << endless.err.toStdString();

    // 3. What a message quotes shows every byte that is no printable character escaped.
    const Outcome newline = run({"--screen", "800\nx600"});
    EXPECT_EQ(newline.status, 2);
    EXPECT_EQ(lines(newline.err), 1) << newline.err.toStdString();
    EXPECT_TRUE(newline.err.contains("'800\\nx600'")) << newline.err.toStdString();
    const Outcome escape = run({"--screen", "\x1b[2J"});
    EXPECT_EQ(escape.status, 2);
    EXPECT_FALSE(escape.err.contains(QChar(0x1b))) << escape.err.toStdString();
    EXPECT_TRUE(escape.err.contains("'\\x1b[2J'")) << escape.err.toStdString();
    const QString raw = dir.filePath("raw.txt");
    QFile rawFile(raw);
    ASSERT_TRUE(rawFile.open(QIODevice::WriteOnly));
    static const char kRawBytes[] = "print TFormHaupt\nfoo\0\x07\xff\xc3(ä\n";
    rawFile.write(kRawBytes, sizeof kRawBytes - 1);
    rawFile.close();
    const Outcome bytes = run({"--headless", "--script", raw});
    EXPECT_EQ(bytes.status, 2);
    EXPECT_EQ(bytes.err.toStdString(), "line 2: unknown command 'foo\\x00\\x07\\xff\\xc3(ä'\n");

    // 4. A name as long as the file system allows is written (the temporary name used to
    //    be longer); a failed write says why.
    const QString longest = dir.filePath(QString(251, 'x') + ".png");
    const Outcome written = run({"--headless", "--script", writeScript(dir, "capture TFormHaupt " + longest + "\n")});
    EXPECT_EQ(written.status, 0) << written.err.toStdString();
    EXPECT_TRUE(isPng(longest));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 3)
        << "a temporary file was left behind";
    const QString tooLongName = dir.filePath(QString(252, 'x') + ".png");
    const Outcome tooLong = run({"--headless", "--script", writeScript(dir, "capture screen " + tooLongName + "\n")});
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_EQ(lines(tooLong.err), 1) << tooLong.err.toStdString();
    EXPECT_TRUE(tooLong.err.endsWith(": the name is too long\n")) << tooLong.err.toStdString();
    const Outcome missing = run({"--export", dir.filePath("raw.txt/below"), "--screen", "800x600"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(lines(missing.err), 1) << missing.err.toStdString();

    // 5. Output that cannot be written (no room, standard output closed) is no success.
    const QString script = writeScript(dir, "forms\n");
    for (const QString redirect : {"> /dev/full", ">&-"}) {
        const Outcome lost = runShell("\"$M\" --headless --script '" + script + "' " + redirect);
        EXPECT_EQ(lost.status, 1) << redirect.toStdString() << ": " << lost.err.toStdString();
        EXPECT_EQ(lines(lost.err), 1) << lost.err.toStdString();
        EXPECT_TRUE(lost.err.contains("Standardausgabe")) << lost.err.toStdString();
    }
    EXPECT_EQ(runShell("\"$M\" --version > /dev/full").status, 1);
}

// A platform Qt cannot start used to abort (status 134).
TEST(Hardening, AQtPlatformThatCannotStartGivesOneLineAndStatusOne) {
    QProcessEnvironment bogus = QProcessEnvironment::systemEnvironment();
    bogus.insert("QT_QPA_PLATFORM", "bogus");
    QProcessEnvironment nowhere = QProcessEnvironment::systemEnvironment();
    nowhere.remove("DISPLAY");
    nowhere.remove("QT_QPA_PLATFORM");
    nowhere.insert("WAYLAND_DISPLAY", "wayland-nowhere-4711");
    nowhere.insert("XDG_SESSION_TYPE", "wayland");
    nowhere.insert("XDG_RUNTIME_DIR", QDir::tempPath());
    for (const QProcessEnvironment& env : {bogus, nowhere}) {
        const Outcome o = run({"--screen", "800x600"}, env);
        EXPECT_EQ(o.status, 1) << o.err.toStdString();
        EXPECT_EQ(lines(o.err), 1) << o.err.toStdString();
        EXPECT_TRUE(o.err.startsWith("metallographie: ")) << o.err.toStdString();
    }
}

}  // namespace
