#include "sound/FailingNotePlayer.h"
#include "sound/FluidSynthNotePlayer.h"
#include "sound/RecordingNotePlayer.h"
#include "sound/SoundFontSearch.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <set>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <numbers>
#include <unistd.h>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(std::string)

namespace {

constexpr int Rate = FluidSynthNotePlayer::SampleRate;
constexpr auto Settle = 30s; // generous: sanitizer builds load slowly

// Collects the reports made from the player's worker thread.
struct Reports
{
    std::mutex mutex;
    std::vector<std::string> lines;

    std::function<void(const std::string &)> sink()
    {
        return [this](const std::string &line) {
            std::lock_guard lock(mutex);
            lines.push_back(line);
        };
    }
    std::vector<std::string> taken()
    {
        std::lock_guard lock(mutex);
        return lines;
    }
};

FluidSynthNotePlayer::Options offline(const std::string &soundFont, Reports *reports = nullptr)
{
    FluidSynthNotePlayer::Options options;
    options.soundFont = soundFont;
    options.audioOutput = false;
    if (reports)
        options.report = reports->sink();
    return options;
}

double rms(const std::vector<float> &stereo, double fromSeconds, double toSeconds)
{
    const std::size_t from = std::size_t(fromSeconds * Rate) * 2;
    const std::size_t to = std::min(stereo.size(), std::size_t(toSeconds * Rate) * 2);
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += double(stereo[i]) * stereo[i];
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

// Strength of one frequency in the left channel (Goertzel).
double strength(const std::vector<float> &stereo, double frequency, double fromSeconds, double toSeconds)
{
    const std::size_t from = std::size_t(fromSeconds * Rate);
    const std::size_t to = std::min(stereo.size() / 2, std::size_t(toSeconds * Rate));
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / Rate);
    double s1 = 0, s2 = 0;
    for (std::size_t i = from; i < to; ++i) {
        const double s0 = stereo[2 * i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - coefficient * s1 * s2)) / double(to - from);
}

// The strongest frequency within a major third of `expected`: only the
// fundamental lies there, its harmonics an octave and more above.
double dominantNear(const std::vector<float> &stereo, double expected)
{
    double best = 0, bestFrequency = 0;
    for (double f = expected * 0.8; f <= expected * 1.25; f += expected / 2000) {
        const double s = strength(stereo, f, 0.1, 0.6);
        if (s > best) {
            best = s;
            bestFrequency = f;
        }
    }
    return bestFrequency;
}

// Plays `note` for `seconds` through a freshly loaded synthesizer after the
// given calls, and returns what it rendered.
template<typename Calls>
std::vector<float> renderAfter(const std::string &soundFont, Calls calls, int note = 69, double seconds = 0.6)
{
    FluidSynthNotePlayer player(offline(soundFont));
    if (!player.waitUntilSettled(Settle) || !player.isReady())
        return {};
    calls(player);
    player.playNote(note, 100);
    player.waitUntilSettled(Settle);
    return player.renderFloat(int(seconds * Rate));
}

// Passes the header check, so that FluidSynth's own parser meets the garbage.
QByteArray corruptSoundFont()
{
    QByteArray body;
    for (int i = 0; i < 100000; ++i)
        body.append(char((i * 7919) >> 3));
    const quint32 length = quint32(body.size() + 4);
    QByteArray font("RIFF");
    for (int shift = 0; shift < 32; shift += 8)
        font.append(char((length >> shift) & 0xff));
    return font + "sfbk" + body;
}

// Every General MIDI SoundFont installed here, each once.
std::vector<std::string> installedFonts()
{
    std::vector<std::string> fonts;
    std::set<std::filesystem::path> seen;
    for (const std::string &candidate : soundFontCandidates()) {
        const std::string found = findSoundFont({candidate});
        if (!found.empty() && seen.insert(std::filesystem::canonical(found)).second)
            fonts.push_back(found);
    }
    return fonts;
}

std::string smallestInstalledFont()
{
    const auto fonts = installedFonts();
    return *std::min_element(fonts.begin(), fonts.end(), [](const auto &a, const auto &b) {
        return std::filesystem::file_size(a) < std::filesystem::file_size(b);
    });
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

    std::string m_soundFont;

private Q_SLOTS:
    void initTestCase()
    {
        m_soundFont = findSoundFont();
        if (m_soundFont.empty())
            QSKIP("No General MIDI SoundFont installed (Debian: fluid-soundfont-gm or timgm6mb-soundfont)");
        qInfo("SoundFont under test: %s", m_soundFont.c_str());
    }

    void pitchOfNotes_data()
    {
        // Every General MIDI SoundFont installed here, not only the first.
        const auto fonts = installedFonts();
        QTest::addColumn<std::string>("font");
        QTest::addColumn<int>("program");
        QTest::addColumn<int>("note");
        QTest::addColumn<double>("frequency");
        for (const std::string &font : fonts) {
            const char *name = strrchr(font.c_str(), '/') + 1;
            QTest::addRow("piano A4, %s", name) << font << 1 << 69 << 440.0;
            QTest::addRow("piano middle C of the texts, %s", name) << font << 1 << 72 << 523.25;
            QTest::addRow("piano lowest row note, %s", name) << font << 1 << 56 << 207.65;
            QTest::addRow("piano highest row note, %s", name) << font << 1 << 85 << 1108.73;
            QTest::addRow("flute A4, %s", name) << font << 74 << 69 << 440.0;
        }
    }
    void pitchOfNotes()
    {
        QFETCH(std::string, font);
        QFETCH(int, program);
        QFETCH(int, note);
        QFETCH(double, frequency);
        const auto audio = renderAfter(font, [&](NotePlayer &p) { p.setInstrument(program); }, note);
        QVERIFY(!audio.empty());
        QVERIFY2(rms(audio, 0.1, 0.6) > 0.005, "the note is not heard");
        const double found = dominantNear(audio, frequency);
        QVERIFY2(std::abs(found - frequency) < frequency * 0.01,
                 qPrintable(QStringLiteral("fundamental %1 Hz, expected %2 Hz").arg(found).arg(frequency)));
    }

    void velocityZeroSilences()
    {
        FluidSynthNotePlayer player(offline(m_soundFont));
        QVERIFY(player.waitUntilSettled(Settle));
        QVERIFY(rms(player.renderFloat(Rate / 10), 0, 0.1) == 0.0); // nothing sounds before a note
        player.playNote(69, 100);
        const auto sounding = player.renderFloat(Rate / 2);
        const double loud = rms(sounding, 0.1, 0.5);
        QVERIFY(loud > 0.005);
        player.playNote(69, 0);
        const auto released = player.renderFloat(3 * Rate);
        QVERIFY2(rms(released, 2.5, 3.0) < loud * 1e-3, "the note still sounds 2.5 s after velocity 0");
        // Stopping it again, or a note that never sounded, is harmless.
        player.playNote(69, 0);
        player.playNote(70, 0);
        QCOMPARE(rms(player.renderFloat(Rate / 10), 0, 0.1), 0.0);
    }

    void newNoteDoesNotStopOthers()
    {
        // Two players sound C4 and G4; one of them then stops C4. Its G4 must
        // go on as in the other player, its C4 must end.
        auto render = [&](bool stopC) {
            FluidSynthNotePlayer player(offline(m_soundFont));
            if (!player.waitUntilSettled(Settle))
                return std::vector<float>();
            player.setInstrument(20); // church organ: sustains while held
            player.playNote(60, 100);
            player.playNote(67, 100);
            player.waitUntilSettled(Settle);
            player.renderFloat(Rate / 2);
            if (stopC)
                player.playNote(60, 0);
            return player.renderFloat(2 * Rate);
        };
        const auto held = render(false);
        const auto stopped = render(true);
        const double gHeld = strength(held, 392.0, 1.5, 2.0), cHeld = strength(held, 261.63, 1.5, 2.0);
        const double g = strength(stopped, 392.0, 1.5, 2.0), c = strength(stopped, 261.63, 1.5, 2.0);
        QVERIFY2(gHeld > 1e-4 && cHeld > 1e-4, "the two notes did not both sound");
        QVERIFY2(std::abs(g - gHeld) < gHeld * 0.1, "stopping one note changed the other");
        QVERIFY2(c < cHeld * 0.02, "the stopped note still sounds");
    }

    void ignoredCalls_data()
    {
        QTest::addColumn<bool>("isNote");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("velocity");
        QTest::newRow("note 172 on") << true << 172 << 100;
        QTest::newRow("note 172 off") << true << 172 << 0;
        QTest::newRow("note 128") << true << 128 << 100;
        QTest::newRow("note -1") << true << -1 << 100;
        QTest::newRow("negative velocity on the sounding note") << true << 69 << -5;
        QTest::newRow("program 129") << false << 129 << 0;
        QTest::newRow("program 0") << false << 0 << 0;
        QTest::newRow("program -3") << false << -3 << 0;
    }
    void ignoredCalls()
    {
        QFETCH(bool, isNote);
        QFETCH(int, value);
        QFETCH(int, velocity);
        const auto reference = renderAfter(m_soundFont, [](NotePlayer &) {});
        QVERIFY(!reference.empty());
        // The odd call comes before the note and again while it sounds.
        FluidSynthNotePlayer player(offline(m_soundFont));
        QVERIFY(player.waitUntilSettled(Settle));
        auto odd = [&] { isNote ? player.playNote(value, velocity) : player.setInstrument(value); };
        odd();
        player.playNote(69, 100);
        player.waitUntilSettled(Settle);
        auto audio = player.renderFloat(Rate / 5);
        odd();
        player.waitUntilSettled(Settle);
        const auto rest = player.renderFloat(int(0.6 * Rate) - Rate / 5);
        audio.insert(audio.end(), rest.begin(), rest.end());
        QCOMPARE(audio.size(), reference.size());
        QVERIFY2(audio == reference, "the ignored call changed the sound");
    }

    void instrumentChangesTheSound()
    {
        // Guards the comparison above: a player deaf to setInstrument would pass it.
        const auto piano = renderAfter(m_soundFont, [](NotePlayer &) {});
        const auto flute = renderAfter(m_soundFont, [](NotePlayer &p) { p.setInstrument(74); });
        const auto pianoAgain = renderAfter(m_soundFont, [](NotePlayer &p) {
            p.setInstrument(74);
            p.setInstrument(1);
        });
        QVERIFY(!piano.empty() && !flute.empty());
        QVERIFY(piano != flute);
        QVERIFY(piano == pianoAgain);
    }

    void instrumentChosenWhileLoadingIsKept()
    {
        const auto flute = renderAfter(m_soundFont, [](NotePlayer &p) { p.setInstrument(74); });
        FluidSynthNotePlayer player(offline(m_soundFont));
        player.setInstrument(74); // long before the SoundFont can be loaded
        player.playNote(69, 100); // dropped: nothing is loaded yet
        QVERIFY(player.waitUntilSettled(Settle));
        QVERIFY(player.isReady());
        QCOMPARE(rms(player.renderFloat(Rate / 10), 0, 0.1), 0.0);
        player.playNote(69, 100);
        player.waitUntilSettled(Settle);
        QVERIFY(player.renderFloat(int(0.6 * Rate)) == flute);
    }

    void unusableSoundFont_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing file") << "missing" << "is not a file";
        QTest::newRow("empty file") << "empty" << "too short";
        QTest::newRow("garbage") << "garbage" << "not a SoundFont";
        QTest::newRow("RIFF of another kind") << "wave" << "not a SoundFont";
        QTest::newRow("SoundFont header, garbage body") << "corrupt" << "is damaged";
        QTest::newRow("truncated SoundFont") << "truncated" << "truncated";
        QTest::newRow("directory") << "directory" << "is not a file";
        QTest::newRow("nothing installed") << "none" << "no General MIDI SoundFont found";
    }
    void unusableSoundFont()
    {
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("font.sf2"));
        QByteArray content;
        if (kind == u"garbage") {
            for (int i = 0; i < 100000; ++i)
                content.append(char((i * 7919) >> 3));
        } else if (kind == u"corrupt") {
            content = corruptSoundFont();
        } else if (kind == u"wave") {
            content = QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16) + QByteArray(28, '\0');
        } else if (kind == u"truncated") {
            content = readAll(QString::fromStdString(smallestInstalledFont()));
            content.truncate(content.size() / 2);
        }
        if (kind != u"missing" && kind != u"directory" && kind != u"none") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        std::string font = path.toStdString();
        if (kind == u"directory")
            font = dir.path().toStdString();

        Reports reports;
        QElapsedTimer clock;
        clock.start();
        {
            auto options = offline(font, &reports);
            if (kind == u"none") {
                options.soundFont.clear();
                options.searchPaths = {path.toStdString(), dir.path().toStdString()};
            }
            FluidSynthNotePlayer player(options);
            QVERIFY(player.waitUntilSettled(Settle));
            QVERIFY(!player.isReady());
            for (int i = 0; i < 50; ++i) {
                player.setInstrument(1 + i % 128);
                player.playNote(56 + i % 30, i % 2 ? 0 : 100);
            }
            QVERIFY(player.waitUntilSettled(1s));
            QVERIFY(player.renderFloat(Rate).empty());
            QCOMPARE(player.problem().empty(), false);
        }
        QVERIFY2(clock.elapsed() < 5000, "a broken SoundFont made the player hang");
        const auto lines = reports.taken();
        QCOMPARE(lines.size(), std::size_t(1));
        const QString line = QString::fromStdString(lines[0]);
        QVERIFY2(line.contains(u"fluid-soundfont-gm"), qPrintable(line));
        QVERIFY2(line.contains(u"silent"), qPrintable(line));
        if (kind != u"none")
            QVERIFY2(line.contains(QString::fromStdString(font)), qPrintable(line));
        QVERIFY2(line.contains(expected), qPrintable(line));
    }

    // The synthesizer library is opened at run time: without it (or with a
    // library that is not FluidSynth) the player stays silent and says so once.
    void unusableSynthesizerLibrary_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("expected");
        QTest::newRow("not installed") << "libfluidsynth-absent.so.9" << "libfluidsynth-absent.so.9";
        QTest::newRow("another library") << "libm.so.6" << "has no new_fluid_settings";
    }
    void unusableSynthesizerLibrary()
    {
        QFETCH(QString, library);
        QFETCH(QString, expected);
        Reports reports;
        {
            auto options = offline(smallestInstalledFont(), &reports);
            options.library = library.toStdString();
            FluidSynthNotePlayer player(options);
            QVERIFY(player.waitUntilSettled(Settle));
            QVERIFY(!player.isReady());
            player.setInstrument(5);
            player.playNote(60, 100);
            player.playNote(60, 0);
            QVERIFY(player.waitUntilSettled(1s));
            QVERIFY(player.renderFloat(Rate).empty());
        }
        const auto lines = reports.taken();
        QCOMPARE(lines.size(), std::size_t(1));
        const QString line = QString::fromStdString(lines[0]);
        QVERIFY2(line.contains(expected), qPrintable(line));
        QVERIFY2(line.contains(u"libfluidsynth3"), qPrintable(line));
        QVERIFY2(line.contains(u"silent"), qPrintable(line));
    }

    void reportIsOneLineOnStderr()
    {
        QTemporaryDir dir;
        const QString font = dir.filePath(QStringLiteral("garbage.sf2"));
        {
            QFile file(font);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(corruptSoundFont());
        }
        const QString errPath = dir.filePath(QStringLiteral("stderr.txt"));
        std::fflush(stderr);
        const int saved = ::dup(STDERR_FILENO);
        const int capture = ::open(errPath.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        QVERIFY(saved >= 0 && capture >= 0);
        ::dup2(capture, STDERR_FILENO);
        {
            FluidSynthNotePlayer player(offline(font.toStdString()));
            player.waitUntilSettled(Settle);
            player.playNote(69, 100);
            player.setInstrument(5);
        }
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
        ::close(capture);
        const QList<QByteArray> lines = readAll(errPath).trimmed().split('\n');
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith("zarn: the SoundFont "), lines[0].constData());
        QVERIFY(lines[0].contains("fluid-soundfont-gm"));
    }

    void streamClosesWhenIdleAndReopensForANote()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("stream.raw"));
        FluidSynthNotePlayer::Options options;
        options.soundFont = m_soundFont;
        options.fileOutput = out.toStdString();
        options.idleClose = 300ms;
        Reports reports;
        options.report = reports.sink();
        FluidSynthNotePlayer player(options);
        QVERIFY(player.waitUntilSettled(Settle));
        QTRY_VERIFY_WITH_TIMEOUT(player.isStreaming(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!player.isStreaming(), 5000);
        const qint64 idleSize = QFileInfo(out).size();
        QTest::qWait(300);
        QCOMPARE(QFileInfo(out).size(), idleSize); // a closed stream renders nothing

        player.playNote(69, 100);
        QTRY_VERIFY_WITH_TIMEOUT(player.isStreaming(), 5000);
        QTest::qWait(700); // longer than the idle time, but the note is held
        QVERIFY2(player.isStreaming(), "the stream closed under a held note");
        player.playNote(69, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!player.isStreaming(), 10000);
        QVERIFY(reports.taken().empty());
    }

    // A sound server may take a second or two to start a new stream (it
    // wakes a suspended device first): an output that has taken only its
    // first periods is not yet dead. One that stops after it started is. The
    // output here is a pipe that this test reads, or does not.
    void slowStartingOutputIsNotTakenForDead()
    {
        std::signal(SIGPIPE, SIG_IGN);
        QTemporaryDir dir;
        const QByteArray fifo = dir.filePath(QStringLiteral("stream.fifo")).toLocal8Bit();
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        // Room for two or three periods only: the output blocks at once.
        QVERIFY(::fcntl(reader, F_SETPIPE_SZ, 4096) > 0);
        std::atomic<bool> reading{false}, done{false};
        std::thread drain([&] {
            char buffer[4096];
            while (!done) {
                if (!reading || ::read(reader, buffer, sizeof buffer) <= 0)
                    std::this_thread::sleep_for(2ms);
            }
        });
        Reports reports;
        {
            FluidSynthNotePlayer::Options options;
            options.soundFont = m_soundFont;
            options.fileOutput = fifo.toStdString();
            options.idleClose = 60s; // the stream stays open throughout
            options.report = reports.sink();
            FluidSynthNotePlayer player(options);
            QVERIFY(player.waitUntilSettled(Settle));
            QTRY_VERIFY_WITH_TIMEOUT(player.isStreaming(), 5000);
            QTest::qWait(2500); // not yet taking sound: more than a running stream may stall
            QVERIFY2(reports.taken().empty(), reports.taken().empty() ? "" : reports.taken()[0].c_str());
            QVERIFY(player.isStreaming());
            reading = true; // the server starts playing
            QTest::qWait(1500);
            QVERIFY(reports.taken().empty());
            QVERIFY(player.isStreaming());
            reading = false; // and dies
            QTRY_VERIFY_WITH_TIMEOUT(!reports.taken().empty(), 3000); if (reports.taken().empty()) { ::close(reader); done = true; }
            QVERIFY2(QString::fromStdString(reports.taken()[0]).contains(u"audio output stopped"),
                     reports.taken()[0].c_str());
            ::close(reader); // lets the blocked output return, so the player can end
        }
        done = true;
        drain.join();
    }

    void missingOutputIsReportedOnceAndStaysSilent()
    {
        FluidSynthNotePlayer::Options options;
        options.soundFont = m_soundFont;
        options.fileOutput = "/nonexistent-directory/stream.raw";
        Reports reports;
        options.report = reports.sink();
        QElapsedTimer clock;
        clock.start();
        {
            FluidSynthNotePlayer player(options);
            QVERIFY(player.waitUntilSettled(Settle));
            QVERIFY(player.isReady());
            QTRY_VERIFY_WITH_TIMEOUT(!reports.taken().empty(), 5000);
            for (int i = 0; i < 200; ++i) {
                player.playNote(60 + i % 12, 100);
                if (i % 50 == 0)
                    player.setInstrument(1 + i / 50); // each new instrument reads its samples
                player.playNote(60 + i % 12, 0);
            }
            QVERIFY(player.waitUntilSettled(Settle));
            QVERIFY(!player.isStreaming());
        }
        QVERIFY2(clock.elapsed() < 10000, "a missing output made the player hang");
        const auto lines = reports.taken();
        QCOMPARE(lines.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(lines[0]).contains(u"no audio output"), lines[0].c_str());
    }

    void systemPlayerStartsOrReports()
    {
        // Whatever this machine offers (a sound server or none), the desktop
        // player comes up without blocking and either streams or says why not.
        FluidSynthNotePlayer::Options options;
        Reports reports;
        options.report = reports.sink();
        QElapsedTimer clock;
        clock.start();
        FluidSynthNotePlayer player(options);
        QVERIFY2(clock.elapsed() < 100, "constructing the player blocked its caller");
        QVERIFY(player.waitUntilSettled(Settle));
        player.playNote(69, 100);
        QTRY_VERIFY_WITH_TIMEOUT(player.isStreaming() || !reports.taken().empty(), 10000);
        player.playNote(69, 0);
        QVERIFY(reports.taken().size() <= 1);
        qInfo("%s", player.isStreaming() ? "audio output open" : reports.taken()[0].c_str());
    }

    void quittingWhileNotesSoundIsQuick()
    {
        QTemporaryDir dir;
        FluidSynthNotePlayer::Options options;
        options.soundFont = m_soundFont;
        options.fileOutput = dir.filePath(QStringLiteral("stream.raw")).toStdString();
        QElapsedTimer clock;
        {
            FluidSynthNotePlayer player(options);
            QVERIFY(player.waitUntilSettled(Settle));
            for (int note : {60, 64, 67, 72})
                player.playNote(note, 100);
            player.setInstrument(41);
            QTest::qWait(100);
            clock.start();
        }
        QVERIFY2(clock.elapsed() < 1000, "destroying the player took too long");
        // Destroyed at once, still loading: must not hang or crash either.
        clock.restart();
        { FluidSynthNotePlayer player(options); }
        QVERIFY2(clock.elapsed() < 5000, "destroying a loading player took too long");
    }

    void soundFontSearch()
    {
        const auto &candidates = soundFontCandidates();
        QCOMPARE(candidates.front(), std::string("/usr/share/sounds/sf2/default-GM.sf2"));
        QCOMPARE(candidates.at(1), std::string("/usr/share/sounds/sf3/default-GM.sf3"));

        QTemporaryDir dir;
        const std::string missing = dir.filePath(QStringLiteral("missing.sf2")).toStdString();
        const std::string dangling = dir.filePath(QStringLiteral("dangling.sf2")).toStdString();
        const std::string real = dir.filePath(QStringLiteral("real.sf2")).toStdString();
        QVERIFY(QFile::link(QString::fromStdString(missing), QString::fromStdString(dangling)));
        {
            QFile file(QString::fromStdString(real));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("RIFF");
        }
        QCOMPARE(findSoundFont({missing, dangling, dir.path().toStdString(), real}), real);
        QCOMPARE(findSoundFont({missing, dangling}), std::string());
    }

    void failingDevice()
    {
        RecordingNotePlayer inner;
        FailingNotePlayer player(inner, 3);
        player.setInstrument(5);
        player.playNote(60, 100);
        player.playNote(60, 0);
        QVERIFY(!player.hasFailed());
        QVERIFY(player.problem().empty());
        player.playNote(62, 100);
        player.playNote(62, 0);
        player.setInstrument(7);
        QVERIFY(player.hasFailed());
        QCOMPARE(player.reports(), 1);
        QVERIFY(!player.problem().empty());
        QCOMPARE(inner.events.size(), std::size_t(3));
        QCOMPARE(inner.instrument, 5);
        QVERIFY(inner.sounding.empty());
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "test_sound.moc"
