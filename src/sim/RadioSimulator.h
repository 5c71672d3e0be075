#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <functional>

#include "sim/Amplifier.h"
#include "sim/CommandStream.h"
#include "sim/FaultInjector.h"
#include "sim/MemoryBank.h"
#include "sim/MeterModel.h"
#include "sim/RadioOptions.h"
#include "sim/RadioSettings.h"

namespace tq::sim {

/// The TQ-5820 as seen from its serial port: takes the bytes the program
/// sends, keeps the radio's whole state and produces the reply lines.
///
/// Pure logic, no I/O and no clock of its own: the caller says what time it
/// is (seconds on the simulator's own time line, starting at 0 when the radio
/// is made, never wrapping) and collects the reply bytes with takeOutput().
/// Replies to a command are one batch; timed changes (the amplifier warming
/// up and tuning, a transmitter left keyed too long) and control switches
/// produce batches of their own, unasked, as the radio reports them.
///
/// Where the radio's behaviour is not pinned down by the program's needs, the
/// simulator behaves like this:
/// - A value the radio cannot take (a frequency outside 1.6 to 29.999 99 MHz,
///   an RF gain above 63, a channel entry with such a frequency, an
///   amplifier step it cannot make now) is refused, and the unchanged
///   setting is reported, so the program always sees what the radio holds.
/// - Malformed or unknown lines and key letters of another dialect are
///   ignored without an answer, as is a line ending in a carriage return.
/// - Under local control the radio answers only "?", the sync characters
///   (always "U": the computer cannot key it) and channel reads "L"; the
///   adaptive firmware (type 2) also takes frequency sets, which is what
///   lets the program scan while the operator holds the panel.
/// - "J" meter readings follow every sync answer, every meter selection
///   change and the status dump.
/// - Dialect 2's meter key is "d", as in dialect 1.
/// - In dialect 1 each command that changes the mode also flips PTT enable.
/// - A mode change reports the mode and then sidetone, source and PTT enable.
/// - The sync characters act the moment they arrive, even inside a line.
/// - A transmitter keyed with "K" unkeys by itself, reporting "U", when no
///   further "K" holds it for keyHoldSeconds (the program has gone away).
/// - Dialect 3's status line is "QT0", just before "#" and ".".
class RadioSimulator {
public:
    /// Replies held for the program at most; beyond that they are lost as
    /// on an overrun receive buffer.
    static constexpr int kMaxOutput = 65536;

    explicit RadioSimulator(const RadioOptions& options = {});
    RadioSimulator(const RadioSimulator&) = delete;
    RadioSimulator& operator=(const RadioSimulator&) = delete;

    /// Bytes from the program, arriving at time now.
    void receive(QByteArrayView bytes, double now);

    /// Lets time pass to now, making every timed change due on the way.
    void advanceTo(double now);

    /// When the next timed change falls due; infinity when none is pending.
    double nextEventTime() const;

    /// Reply bytes produced so far, in order; the buffer is emptied.
    QByteArray takeOutput();
    bool hasOutput() const { return !m_output.isEmpty(); }

    /// The operator's remote/local switch. A change is reported with an
    /// unasked "R" line; going local drops a keyed transmitter ("U").
    void setRemote(bool remote);
    bool isRemote() const { return m_settings.get(Setting::Control) == 1; }

    Firmware firmware() const { return m_firmware; }
    const RadioSettings& settings() const { return m_settings; }
    const MemoryBank& memory() const { return m_memory; }

    void setFaults(const FaultOptions& faults) { m_faults.setOptions(faults); }
    const FaultOptions& faults() const { return m_faults.options(); }
    void garbleNextFrequencyLine(std::function<void(const QByteArray&)> done) {
        m_faults.garbleNextFrequencyLine(std::move(done));
    }

private:
    using Batch = QList<QByteArray>;
    using Handler = std::function<void(QByteArrayView digits, Batch& reply)>;
    using FollowUp = std::function<void(int before, Batch& reply)>;

    /// A command line: its first character, then exactly `digits` digits.
    struct Command {
        int digits;
        bool allowedLocally;
        Handler run;
    };

    /// A front-panel key: each repetition of its letter steps the setting
    /// one place along the cycle.
    struct Key {
        Setting setting;
        QList<int> cycle;
        FollowUp followUp;
    };

    void buildImmediates();
    void buildKeys();
    void buildCommands();
    void addCommand(char first, int digits, Handler run, bool allowedLocally = false);
    Handler rangeSetter(Setting setting, int lowest, int highest, FollowUp followUp = {});

    void onLine(QByteArrayView line);
    bool onImmediate(char c);
    bool pressKeys(QByteArrayView line, Batch& reply);
    void runEventsAt(double time);
    void send(const Batch& batch);

    void statusDump(Batch& reply);
    void setFrequency(QByteArrayView digits, Batch& reply);
    void recallChannel(QByteArrayView digits, Batch& reply);
    void readChannel(QByteArrayView digits, Batch& reply);
    void writeChannel(QByteArrayView digits, Batch& reply);
    void amplifierCommand(QByteArrayView digits, Batch& reply);
    void modeChanged(int before, Batch& reply);
    void meterChanged(int before, Batch& reply);
    void togglePttEnable(Batch& reply);
    void sync(bool key, Batch& reply);
    void setKeyed(bool keyed);
    QByteArray meterLine();

    /// Runs an action and reports the amplifier lines it changed.
    void watchAmplifier(const std::function<void()>& action, Batch& reply);

    Firmware m_firmware;
    double m_keyHoldSeconds;
    RadioSettings m_settings;
    MemoryBank m_memory;
    Amplifier m_amplifier;
    MeterModel m_meter;
    FaultInjector m_faults;
    QHash<char, Command> m_commands;
    QHash<char, Key> m_keys;
    QHash<char, std::function<void(Batch&)>> m_immediates;
    CommandStream m_stream;
    double m_now = 0.0;
    double m_keyDropAt;
    QByteArray m_output;
};

}  // namespace tq::sim
