// SPDX-License-Identifier: MIT
// One window per data folder, with real processes: a second start hands its argument to the
// running window and ends without writing anything; a killed window's lock never keeps the next
// start out. And the channel the two starts talk through.
#include "core/platform/InstanceLock.h"
#include "support/ScratchDir.h"
#include "ui/mainwindow/InstanceChannel.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QtTest>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace mensurio;
using namespace mensurio::test;
namespace fs = std::filesystem;

namespace {

constexpr int kStartMs = 30000; // a loaded machine may take long to start a Qt program

// The process holding the flock of `path`, from /proc/locks; 0 when none holds it. Looking there
// instead of trying the lock keeps the test from ever taking the lock a start is about to take.
qint64 LockHolder(const std::string &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return 0;
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, device;
        qint64 pid = 0;
        fields >> number >> kind >> mode >> access >> pid >> device;
        if (kind == "FLOCK" && device.size() > device.rfind(':') &&
            device.substr(device.rfind(':') + 1) == std::to_string(info.st_ino))
            return pid;
    }
    return 0;
}

// Every file of the folder but the lock file, with its content.
std::string Contents(const std::string &folder) {
    std::string all;
    for (const auto &entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != InstanceLock::kFileName && name != "mensurio")
            all += name + "=" + readFile(entry.path().string()) + "\n";
    }
    return all;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

    ScratchDir m_scratch;

    std::string App() const { return m_scratch.file("app"); }
    std::string LockFile() const { return App() + "/" + InstanceLock::kFileName; }

    // A portable copy of the program with its own data folder, as an unpacked download.
    void MakePortableCopy() {
        fs::create_directories(App());
        fs::create_directories(m_scratch.file("home"));
        std::error_code linked;
        fs::create_hard_link(MENSURIO_BIN_DIR "/mensurio", App() + "/mensurio", linked);
        if (linked)
            fs::copy_file(MENSURIO_BIN_DIR "/mensurio", App() + "/mensurio");
        fs::copy_file(MENSURIO_BIN_DIR "/default.dat", App() + "/default.dat");
        fs::copy_file(MENSURIO_BIN_DIR "/default.dat", App() + "/units.dat");
        writeFile(App() + "/mensurio.ini", "[general]\ntipbox=0\n"); // no tip of the day in the way
    }

    std::unique_ptr<QProcess> Start(const QStringList &arguments = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", QString::fromStdString(m_scratch.file("home")));
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(m_scratch.file("home/.config")));
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QString::fromStdString(App() + "/mensurio"), arguments);
        process->waitForStarted(kStartMs);
        return process;
    }

    // Waits until `process` owns the data folder and its window is up: it then answers a request
    // ("tray", which changes nothing) on its channel.
    bool OwnsTheFolder(QProcess &process) {
        QElapsedTimer timer;
        timer.start();
        while (LockHolder(LockFile()) != process.processId()) {
            if (timer.elapsed() > kStartMs || process.state() != QProcess::Running)
                return false;
            QTest::qWait(50);
        }
        QLocalSocket socket;
        socket.connectToServer(InstanceChannel(InstanceLock::ChannelName(App())).SocketPath());
        return socket.waitForConnected(kStartMs) && socket.write("tray\n") == 5 &&
               socket.waitForReadyRead(kStartMs) && socket.readAll() == "ok\n";
    }

  private slots:
    void initTestCase() { MakePortableCopy(); }

    void secondStart_handsOverAndEndsWithoutWriting_firstSavesAtItsEnd() {
        const std::string shipped = readFile(App() + "/units.dat");
        auto first = Start();
        QVERIFY(OwnsTheFolder(*first));
        const std::string before = Contents(App());

        for (const QStringList &arguments : {QStringList{}, QStringList{"tray"}}) {
            auto second = Start(arguments);
            QVERIFY2(second->waitForFinished(kStartMs), "the second start kept running");
            QCOMPARE(second->exitStatus(), QProcess::NormalExit);
            QCOMPARE(second->exitCode(), 0);
            QCOMPARE(first->state(), QProcess::Running);
            QCOMPARE(Contents(App()), before);
        }
        QCOMPARE(LockHolder(LockFile()), first->processId());

        first->terminate(); // ends as the session's log-out does: saves like Exit
        QVERIFY(first->waitForFinished(kStartMs));
        QCOMPARE(first->exitCode(), 0);
        QVERIFY(readFile(App() + "/units.dat") != shipped); // written ("MNS0" became "MNSA")
        QCOMPARE(readFile(App() + "/units.dat").substr(0, 3), std::string("MNS"));
        QCOMPARE(LockHolder(LockFile()), 0);
    }

    void killedWindow_doesNotKeepTheNextStartOut() {
        auto killed = Start();
        QVERIFY(OwnsTheFolder(*killed));
        killed->kill();
        QVERIFY(killed->waitForFinished(kStartMs));
        QVERIFY(fs::exists(LockFile()));

        auto next = Start();
        QVERIFY2(OwnsTheFolder(*next), "the lock of the killed window kept the next start out");
        next->terminate();
        QVERIFY(next->waitForFinished(kStartMs));
        QCOMPARE(next->exitCode(), 0);
    }

    void channel_deliversRequestsInOrder_alsoThoseBeforeTheHandler() {
        ScratchDir folder;
        InstanceChannel owner(InstanceLock::ChannelName(folder.path()));
        QVERIFY(owner.Listen());
        const InstanceChannel second(InstanceLock::ChannelName(folder.path()));
        QCOMPARE(second.SocketPath(), owner.SocketPath());
        QVERIFY(second.Send("", 200));
        QTest::qWait(200); // read before anyone listens for it
        QStringList received;
        owner.SetHandler([&received](const QString &argument) { received.append(argument); });
        QVERIFY(second.Send("tray", 200));
        QTRY_COMPARE(received, (QStringList{"", "tray"}));
    }

    void channel_nobodyListening_sendGivesUpAfterItsPatience() {
        ScratchDir folder;
        const InstanceChannel nobody(InstanceLock::ChannelName(folder.path()));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!nobody.Send("", 300));
        QVERIFY(timer.elapsed() >= 300 && timer.elapsed() < 5000);
    }

    // A socket file left by a killed owner is in the way of the next one.
    void channel_socketFileOfAKilledOwner_isReplaced() {
        ScratchDir folder;
        InstanceChannel owner(InstanceLock::ChannelName(folder.path()));
        const QByteArray path = owner.SocketPath().toLocal8Bit();
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        QVERIFY(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
        ::close(fd); // the socket file stays, with nobody behind it
        QVERIFY(owner.Listen());
        QVERIFY(InstanceChannel(InstanceLock::ChannelName(folder.path())).Send("", 200));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
