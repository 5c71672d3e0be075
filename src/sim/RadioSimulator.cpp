#include "sim/RadioSimulator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "sim/Tuning.h"

namespace tq::sim {

namespace {

constexpr double kNever = std::numeric_limits<double>::infinity();

std::optional<int> number(QByteArrayView text) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// Each dialect's letters for the AGC, mode and meter keys. The adaptive
// firmware (2) has no meter letter of its own defined; it takes dialect 1's "d".
struct DialectLetters {
    char agc;
    char mode;
    char meter;
};

DialectLetters lettersOf(Firmware firmware) {
    switch (firmware) {
        case Firmware::V601:
        case Firmware::V604Adapt:
            return {'A', 'M', 'd'};
        case Firmware::V604NonAdapt:
            return {'a', 'm', 'D'};
    }
    return {'A', 'M', 'd'};
}

// What a status dump adds after the settings, by dialect: dialect 2 has no
// "!" line, dialect 3 alone has a "Q" line. The program tells them apart by
// exactly that.
QList<QByteArray> dumpTrailer(Firmware firmware) {
    switch (firmware) {
        case Firmware::V601:
            return {"!", "#", "."};
        case Firmware::V604Adapt:
            return {"#", "."};
        case Firmware::V604NonAdapt:
            return {"!", "QT0", "#", "."};
    }
    return {"#", "."};
}

}  // namespace

RadioSimulator::RadioSimulator(const RadioOptions& options)
    : m_firmware(options.firmware),
      m_keyHoldSeconds(options.keyHoldSeconds),
      m_settings(options.initial),
      m_amplifier(m_settings,
                  {options.warmUpSeconds, options.tuneRequestSeconds, options.tuneSeconds}),
      m_faults(options.faults),
      m_stream([this](char c) { return onImmediate(c); },
               [this](QByteArrayView line) { onLine(line); }),
      m_keyDropAt(kNever) {
    m_settings.set(Setting::Control, options.remote ? 1 : 0);
    m_settings.setKeyed(false);
    buildImmediates();
    buildKeys();
    buildCommands();
}

void RadioSimulator::buildImmediates() {
    m_immediates.insert('K', [this](Batch& reply) { sync(true, reply); });
    m_immediates.insert('U', [this](Batch& reply) { sync(false, reply); });
    if (m_firmware == Firmware::V601) {
        // Dialect 1 toggles PTT enable on a bare "'", without a line feed.
        m_immediates.insert('\'', [this](Batch& reply) {
            if (isRemote()) {
                togglePttEnable(reply);
            }
        });
    }
}

void RadioSimulator::buildKeys() {
    const FollowUp mode = [this](int before, Batch& reply) { modeChanged(before, reply); };
    const FollowUp meter = [this](int before, Batch& reply) { meterChanged(before, reply); };

    // Keys every dialect shares. The source key skips OFF/CW; the AGC key
    // never reaches OFF, which only a direct set can choose.
    m_keys.insert('H', {Setting::Source, {1, 2, 3}, {}});
    m_keys.insert('I', {Setting::Clip, {0, 1}, {}});
    m_keys.insert('S', {Setting::SideTone, {0, 1}, {}});
    m_keys.insert('V', {Setting::Vox, {0, 1, 2}, {}});

    const DialectLetters letters = lettersOf(m_firmware);
    m_keys.insert(letters.agc, {Setting::Agc, {2, 3, 4}, {}});
    m_keys.insert(letters.mode, {Setting::Mode, {1, 2, 3, 4}, mode});
    m_keys.insert(letters.meter, {Setting::Meter, {1, 2, 3, 4, 5, 6}, meter});
    if (m_firmware == Firmware::V601) {
        // The older firmware toggles local/remote audio with a bare double quote.
        m_keys.insert('"', {Setting::Audio, {0, 1}, {}});
    }
}

void RadioSimulator::addCommand(char first, int digits, Handler run, bool allowedLocally) {
    m_commands.insert(first, {digits, allowedLocally, std::move(run)});
}

void RadioSimulator::buildCommands() {
    const bool adaptive = m_firmware == Firmware::V604Adapt;
    addCommand(
        '?', 0, [this](QByteArrayView, Batch& reply) { statusDump(reply); }, true);
    addCommand(
        'L', 2, [this](QByteArrayView d, Batch& reply) { readChannel(d, reply); }, true);
    addCommand(
        'F', 7, [this](QByteArrayView d, Batch& reply) { setFrequency(d, reply); }, adaptive);
    addCommand('C', 2, [this](QByteArrayView d, Batch& reply) { recallChannel(d, reply); });
    addCommand('P', 10, [this](QByteArrayView d, Batch& reply) { writeChannel(d, reply); });
    addCommand('O', 1, [this](QByteArrayView d, Batch& reply) { amplifierCommand(d, reply); });
    addCommand('G', 2, rangeSetter(Setting::RfGain, 0, 63));
    addCommand('B', 3, rangeSetter(Setting::Bfo, 0, 200));
    addCommand('(', 1, rangeSetter(Setting::Mute, 0, 1));
    if (m_firmware != Firmware::V601) {
        addCommand('"', 1, rangeSetter(Setting::Audio, 0, 1));
        addCommand('\'', 1, rangeSetter(Setting::PttEnable, 0, 1));
    }
    if (adaptive) {
        addCommand('A', 1, rangeSetter(Setting::Agc, 1, 4));
        addCommand('M', 1, rangeSetter(Setting::Mode, 1, 4, m_keys.value('M').followUp));
    }
}

RadioSimulator::Handler RadioSimulator::rangeSetter(Setting setting, int lowest, int highest,
                                                    FollowUp followUp) {
    return [this, setting, lowest, highest, followUp](QByteArrayView digits, Batch& reply) {
        const int before = m_settings.get(setting);
        const std::optional<int> value = number(digits);
        if (value && *value >= lowest && *value <= highest) {
            m_settings.set(setting, *value);
        }
        reply << m_settings.line(setting);
        if (followUp) {
            followUp(before, reply);
        }
    };
}

void RadioSimulator::receive(QByteArrayView bytes, double now) {
    advanceTo(now);
    m_stream.feed(bytes);
}

bool RadioSimulator::onImmediate(char c) {
    const auto it = m_immediates.constFind(c);
    if (it == m_immediates.cend()) {
        return false;
    }
    Batch reply;
    (*it)(reply);
    send(reply);
    return true;
}

void RadioSimulator::onLine(QByteArrayView line) {
    if (line.isEmpty()) {
        return;
    }
    Batch reply;
    if (!pressKeys(line, reply)) {
        const auto it = m_commands.constFind(line.front());
        if (it != m_commands.cend() && line.size() == 1 + it->digits &&
            (isRemote() || it->allowedLocally)) {
            const QByteArrayView digits = line.sliced(1);
            if (std::all_of(digits.begin(), digits.end(),
                            [](char c) { return c >= '0' && c <= '9'; })) {
                it->run(digits, reply);
            }
        }
    }
    send(reply);
}

bool RadioSimulator::pressKeys(QByteArrayView line, Batch& reply) {
    const auto it = m_keys.constFind(line.front());
    if (it == m_keys.cend() ||
        !std::all_of(line.begin(), line.end(), [&](char c) { return c == line.front(); })) {
        return false;
    }
    if (!isRemote()) {
        return true;  // the panel's keys belong to the operator now
    }
    const Key& key = *it;
    const int before = m_settings.get(key.setting);
    int value = before;
    for (qsizetype press = 0; press < line.size(); ++press) {
        const qsizetype at = key.cycle.indexOf(value);
        value = at < 0 ? key.cycle.front() : key.cycle[(at + 1) % key.cycle.size()];
    }
    m_settings.set(key.setting, value);
    reply << m_settings.line(key.setting);
    if (key.followUp) {
        key.followUp(before, reply);
    }
    return true;
}

void RadioSimulator::advanceTo(double now) {
    for (double next = nextEventTime(); std::isfinite(next) && next <= now;
         next = nextEventTime()) {
        runEventsAt(next);
    }
    m_now = std::max(m_now, now);
}

double RadioSimulator::nextEventTime() const {
    return std::min(m_keyDropAt, m_amplifier.nextEventTime());
}

void RadioSimulator::runEventsAt(double time) {
    m_now = std::max(m_now, time);
    Batch reply;
    watchAmplifier(
        [&] {
            if (time >= m_keyDropAt) {
                // No "K" to hold the transmitter for too long: the program is
                // gone, so the radio stops transmitting on its own.
                setKeyed(false);
                reply << m_settings.syncLine();
            }
            m_amplifier.advanceTo(time);
        },
        reply);
    send(reply);
}

void RadioSimulator::watchAmplifier(const std::function<void()>& action, Batch& reply) {
    const int power = m_settings.get(Setting::Amp);
    const int tune = m_settings.get(Setting::Tune);
    action();
    if (m_settings.get(Setting::Amp) != power) {
        reply << m_settings.line(Setting::Amp);
    }
    if (m_settings.get(Setting::Tune) != tune) {
        reply << m_settings.line(Setting::Tune);
    }
}

void RadioSimulator::send(const Batch& batch) {
    const QByteArray bytes = m_faults.deliver(batch);
    const qsizetype room = kMaxOutput - m_output.size();
    m_output += bytes.left(std::max<qsizetype>(0, room));
}

QByteArray RadioSimulator::takeOutput() {
    return std::exchange(m_output, {});
}

void RadioSimulator::setRemote(bool remote) {
    if (remote == isRemote()) {
        return;
    }
    m_settings.set(Setting::Control, remote ? 1 : 0);
    Batch reply{m_settings.line(Setting::Control)};
    if (!remote && m_settings.keyed()) {
        // The computer no longer holds the transmitter.
        Batch changes;
        watchAmplifier([&] { setKeyed(false); }, changes);
        reply << m_settings.syncLine() << changes;
    }
    send(reply);
}

void RadioSimulator::statusDump(Batch& reply) {
    for (int i = 0; i < kSettingCount; ++i) {
        reply << m_settings.line(static_cast<Setting>(i));
    }
    reply << m_settings.syncLine() << meterLine() << dumpTrailer(m_firmware);
}

void RadioSimulator::setFrequency(QByteArrayView digits, Batch& reply) {
    const int frequency = number(digits).value_or(0);
    if (Tuning::isFrequency(frequency)) {
        m_settings.set(Setting::Frequency, frequency);
    }
    reply << m_settings.line(Setting::Frequency);
}

void RadioSimulator::recallChannel(QByteArrayView digits, Batch& reply) {
    const int channel = number(digits).value_or(0);
    const MemoryBank::Channel& entry = m_memory.channel(channel);
    m_settings.set(Setting::Channel, channel);
    m_settings.set(Setting::Frequency, entry.frequency);
    m_settings.set(Setting::Mode, entry.mode);
    reply << m_settings.line(Setting::Channel) << m_settings.line(Setting::Frequency)
          << m_settings.line(Setting::Mode);
}

void RadioSimulator::readChannel(QByteArrayView digits, Batch& reply) {
    reply << m_memory.line(number(digits).value_or(0));
}

void RadioSimulator::writeChannel(QByteArrayView digits, Batch& reply) {
    const int channel = number(digits.first(2)).value_or(0);
    const int frequency = number(digits.sliced(2, 7)).value_or(0);
    const int mode = number(digits.sliced(9)).value_or(0);
    m_memory.store(channel, {frequency, mode});
    reply << m_memory.line(channel);
}

void RadioSimulator::amplifierCommand(QByteArrayView digits, Batch& reply) {
    const int tune = m_settings.get(Setting::Tune);
    m_amplifier.command(number(digits).value_or(0), m_now);
    reply << m_settings.line(Setting::Amp);
    if (m_settings.get(Setting::Tune) != tune) {
        reply << m_settings.line(Setting::Tune);
    }
}

void RadioSimulator::modeChanged(int before, Batch& reply) {
    if (m_firmware == Firmware::V601 && m_settings.get(Setting::Mode) != before) {
        // This firmware flips PTT enable whenever the mode changes; the
        // program knows and puts it back.
        m_settings.set(Setting::PttEnable, 1 - m_settings.get(Setting::PttEnable));
    }
    reply << m_settings.line(Setting::SideTone) << m_settings.line(Setting::Source)
          << m_settings.line(Setting::PttEnable);
}

void RadioSimulator::meterChanged(int /*before*/, Batch& reply) {
    reply << meterLine();
}

void RadioSimulator::togglePttEnable(Batch& reply) {
    m_settings.set(Setting::PttEnable, 1 - m_settings.get(Setting::PttEnable));
    reply << m_settings.line(Setting::PttEnable);
}

void RadioSimulator::sync(bool key, Batch& reply) {
    // Under local control the computer cannot key the radio; it is still
    // told the transmitter state.
    const bool keyed = key && isRemote();
    m_keyDropAt = keyed && m_keyHoldSeconds > 0.0 ? m_now + m_keyHoldSeconds : kNever;
    Batch changes;
    watchAmplifier([&] { setKeyed(keyed); }, changes);
    if (!m_faults.options().noSyncAnswer) {
        reply << m_settings.syncLine() << meterLine();
    }
    reply << changes;
}

void RadioSimulator::setKeyed(bool keyed) {
    if (keyed == m_settings.keyed()) {
        return;
    }
    m_settings.setKeyed(keyed);
    if (!keyed) {
        m_keyDropAt = kNever;
    }
    m_amplifier.keyChanged(keyed, m_now);
}

QByteArray RadioSimulator::meterLine() {
    return "J" + digits(m_meter.reading(m_settings), 2);
}

}  // namespace tq::sim
