// Saving when the file system says no: a read-only folder, a full file system, a failure in the
// middle of writing, symbolic links and files with unusual permissions. Whatever happens, the
// old file stays byte for byte as it was, the user is told the path and the system's reason,
// the document stays modified, and a later save to a good place succeeds. A save that works
// keeps the old file's mode bits.

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <cstring>

#include "doc/CommandIds.h"
#include "gui/GuiTestSupport.h"
#include "view/NetloomView.h"

namespace netloom::test {
namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

mode_t Mode(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A small tmpfs, where the test may mount one (root with the right to mount): a real full or
// read-only file system rather than a simulated one.
class CTinyFileSystem {
  public:
    bool Mount(const QString& dir, size_t bytes) {
        QDir().mkpath(dir);
        m_dir = QFile::encodeName(dir);
        const std::string options = "size=" + std::to_string(bytes);
        m_mounted = ::mount("tmpfs", m_dir.constData(), "tmpfs", 0, options.c_str()) == 0;
        return m_mounted;
    }
    bool MakeReadOnly() {
        return ::mount("tmpfs", m_dir.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    ~CTinyFileSystem() {
        if (m_mounted) ::umount2(m_dir.constData(), MNT_DETACH);
    }

  private:
    QByteArray m_dir;
    bool m_mounted = false;
};

// Limits the size of any file this process writes, as a file system filling up part way does.
class CFileSizeLimit {
  public:
    explicit CFileSizeLimit(rlim_t bytes) {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit small = m_previous;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~CFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }

  private:
    rlimit m_previous{};
    void (*m_handler)(int) = SIG_DFL;
};

class SavePathTest : public NetloomTest {
  protected:
    QString Example(const QString& path, mode_t mode = 0644) {
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(QStringLiteral(NETLOOM_SOURCE_DIR "/examples/ka-210x.cfg"), path));
        ::chmod(QFile::encodeName(path).constData(), mode);
        return path;
    }

    // A change the user makes: a new adapter under the root.
    void Change(int adapters = 1) {
        View().SelectNode(View().RootNode());
        for (int i = 0; i < adapters; ++i)
            Trigger(ID_INSERT_ADAPTER);
        ASSERT_TRUE(Doc().IsModified());
    }

    void SaveAs(const QString& path) {
        m_dialogs.saveAnswer = path;
        Trigger(ID_FILE_SAVE_AS);
    }

    // The save to chosen (the path the user saved to) just failed: nothing on disk changed,
    // the user was told that path and the system's reason, and the changes are still there.
    void ExpectRefused(const QString& chosen, const QString& file, const QByteArray& before,
                       const QStringList& entries, const QString& reason) {
        EXPECT_EQ(Bytes(file), before) << "the old file was changed";
        EXPECT_EQ(Entries(QFileInfo(file).absolutePath()), entries) << "a temporary file is left";
        EXPECT_TRUE(Doc().IsModified());
        ASSERT_FALSE(Messages().isEmpty());
        const QString shown = Messages().last();
        EXPECT_TRUE(shown.contains(chosen)) << shown.toStdString();
        EXPECT_FALSE(shown.contains(QStringLiteral("Unknown error"))) << shown.toStdString();
        if (!reason.isEmpty()) {
            EXPECT_TRUE(shown.contains(reason)) << shown.toStdString();
        }
    }

    // After a refused save, saving somewhere that works still succeeds with everything.
    void ExpectLaterSaveSucceeds() {
        const int shown = Messages().size();
        const QString good = TempPath(QStringLiteral("good.cfg"));
        SaveAs(good);
        EXPECT_EQ(Messages().size(), shown) << Messages().last().toStdString();
        EXPECT_FALSE(Doc().IsModified());
        EXPECT_EQ(Bytes(good).toStdString(), Doc().ConfigurationText());
        EXPECT_EQ(App().DocManager().PathName(), good);
    }
};

TEST_F(SavePathTest, ReadOnlyFolder) {
    const QString dir = TempPath(QStringLiteral("locked"));
    CTinyFileSystem fs;
    const bool mounted = fs.Mount(dir, 1 << 20);
    const QString path = Example(dir + QStringLiteral("/ka-210x.cfg"));
    const QString link = TempPath(QStringLiteral("link.cfg"));
    ASSERT_TRUE(QFile::link(path, link));
    if (mounted) {
        ASSERT_TRUE(fs.MakeReadOnly());
    } else if (::geteuid() != 0) {
        ::chmod(QFile::encodeName(dir).constData(), 0555);
    } else {
        GTEST_SKIP() << "running as root without the right to mount: no folder is read-only";
    }
    const QByteArray before = Bytes(path);
    const QStringList entries = Entries(dir);
    // Without a mount the folder is only closed to others than root, who is refused creating
    // the temporary file beside the target.
    const QString reason = mounted ? QString() : SystemError(EACCES);

    ASSERT_TRUE(Start({path}));
    Change();
    SaveAs(path);
    ExpectRefused(path, path, before, entries, reason);
    // Through a symbolic link that points into the folder: the link stays, the file too.
    SaveAs(link);
    ExpectRefused(link, path, before, entries, reason);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    ExpectLaterSaveSucceeds();
    if (!mounted) ::chmod(QFile::encodeName(dir).constData(), 0755);
}

TEST_F(SavePathTest, FullFileSystem) {
    const QString dir = TempPath(QStringLiteral("small"));
    CTinyFileSystem fs;
    const bool mounted = fs.Mount(dir, 64 * 1024);
    const QString path = Example(dir + QStringLiteral("/ka-210x.cfg"));
    const QByteArray before = Bytes(path);
    const QStringList entries = Entries(dir);
    ASSERT_TRUE(Start({path}));
    // About 250 bytes an adapter: the text outgrows the file system's 64 KB.
    Change(300);
    ASSERT_GT(Doc().ConfigurationText().size(), 64u * 1024);
    if (mounted) {
        Trigger(ID_FILE_SAVE);
        ExpectRefused(path, path, before, entries, SystemError(ENOSPC));
    } else {
        // Where no file system may be mounted, the process's file size limit stands in.
        {
            CFileSizeLimit limit(32 * 1024);
            Trigger(ID_FILE_SAVE);
        }
        ExpectRefused(path, path, before, entries, SystemError(EFBIG));
    }
    ExpectLaterSaveSucceeds();
}

TEST_F(SavePathTest, FailureInTheMiddleOfWriting) {
    const QString path = Example(TempPath(QStringLiteral("ka-210x.cfg")));
    const QByteArray before = Bytes(path);
    const QStringList entries = Entries(m_dir.path());
    ASSERT_TRUE(Start({path}));
    Change(3);
    {
        CFileSizeLimit limit(static_cast<rlim_t>(Doc().ConfigurationText().size() / 2));
        Trigger(ID_FILE_SAVE);
    }
    ExpectRefused(path, path, before, entries, SystemError(EFBIG));
    ExpectLaterSaveSucceeds();
}

TEST_F(SavePathTest, SymbolicLinksAreWrittenThrough) {
    QDir(m_dir.path()).mkdir(QStringLiteral("real"));
    const QString target = Example(TempPath(QStringLiteral("real/target.cfg")), 0640);
    ASSERT_TRUE(QFile::link(QStringLiteral("real/target.cfg"), TempPath(QStringLiteral("second"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("second"), TempPath(QStringLiteral("first.cfg"))));
    ASSERT_TRUE(Start({TempPath(QStringLiteral("first.cfg"))}));
    Change();
    Trigger(ID_FILE_SAVE);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_TRUE(QFileInfo(TempPath(QStringLiteral("first.cfg"))).isSymLink());
    EXPECT_TRUE(QFileInfo(TempPath(QStringLiteral("second"))).isSymLink());
    EXPECT_EQ(Bytes(target).toStdString(), Doc().ConfigurationText());
    EXPECT_EQ(Mode(target), 0640u);

    // A link to a file that does not exist yet: the file is created where the link points.
    ASSERT_TRUE(
        QFile::link(QStringLiteral("real/created.cfg"), TempPath(QStringLiteral("new.cfg"))));
    Change();
    SaveAs(TempPath(QStringLiteral("new.cfg")));
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_TRUE(QFileInfo(TempPath(QStringLiteral("new.cfg"))).isSymLink());
    EXPECT_EQ(Bytes(TempPath(QStringLiteral("real/created.cfg"))).toStdString(),
              Doc().ConfigurationText());
}

TEST_F(SavePathTest, SavingKeepsTheModeBits) {
    std::vector<mode_t> modes = {0600, 0640, 0604, 0660, 0751, 02640, 01644};
    // Only root may write a file without a write bit; everyone else is asked for another name.
    if (::geteuid() == 0) modes.push_back(0444);
    ASSERT_TRUE(Start({Example(TempPath(QStringLiteral("first.cfg")))}));
    for (const mode_t mode : modes) {
        SCOPED_TRACE(std::to_string(mode));
        const QString path = Example(TempPath(QStringLiteral("mode.cfg")), mode);
        ASSERT_EQ(Mode(path), mode);
        m_dialogs.openAnswer = path;
        Trigger(ID_FILE_OPEN);
        ASSERT_EQ(App().DocManager().PathName(), path);
        Change();
        Trigger(ID_FILE_SAVE);
        EXPECT_TRUE(Messages().isEmpty());
        EXPECT_FALSE(Doc().IsModified());
        EXPECT_EQ(Bytes(path).toStdString(), Doc().ConfigurationText());
        EXPECT_EQ(Mode(path), mode);
    }
}

}  // namespace
}  // namespace netloom::test
