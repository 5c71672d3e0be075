#include "panel/StationGateway.h"

#include <QMutexLocker>
#include <algorithm>

namespace tq::panel {

namespace {

bool isFrequency(const QString& digits) {
    bool numeric = false;
    const int units = digits.toInt(&numeric);
    return digits.size() == 7 && numeric && units >= StationGateway::kLowest &&
           units <= StationGateway::kHighest;
}

bool isModeCode(const QString& code) {
    return code.size() == 2 && code[0] == u'M' && code[1] >= u'1' && code[1] <= u'4';
}

void apply(StationView& view, const StationSet& set) {
    switch (set.setting) {
        case StationSet::Setting::Frequency:
            view.frequency = set.value;
            break;
        case StationSet::Setting::Mode:
            view.mode = set.value;
            break;
        case StationSet::Setting::VfoB:
            view.vfoB = set.value;
            break;
        case StationSet::Setting::Transmit:
            // Asked to transmit is read as transmitting until the radio
            // itself has answered.
            view.xmitLatched = set.on;
            view.keyed = set.on;
            break;
    }
}

}  // namespace

StationView StationGateway::view() const {
    QMutexLocker lock(&m_mutex);
    return overlaid();
}

StationView StationGateway::overlaid() const {
    StationView view = m_radio;
    for (const StationSet& set : m_inFlight) {
        apply(view, set);
    }
    for (const StationSet& set : m_waiting) {
        apply(view, set);
    }
    return view;
}

SetVerdict StationGateway::setFrequency(const QString& digits) {
    {
        QMutexLocker lock(&m_mutex);
        const StationView now = overlaid();
        if (now.radioLost) {
            return SetVerdict::RadioLost;
        }
        // The frequency never moves under a transmission.
        if (!isFrequency(digits) || now.panelTransmitting || now.xmitLatched) {
            return SetVerdict::Refused;
        }
    }
    return queue({StationSet::Setting::Frequency, digits});
}

SetVerdict StationGateway::setMode(const QString& code) {
    {
        QMutexLocker lock(&m_mutex);
        if (m_radio.radioLost) {
            return SetVerdict::RadioLost;
        }
        if (!isModeCode(code)) {
            return SetVerdict::Refused;
        }
    }
    return queue({StationSet::Setting::Mode, code});
}

SetVerdict StationGateway::setVfoB(const QString& digits) {
    {
        QMutexLocker lock(&m_mutex);
        const StationView now = overlaid();
        // With split on, VFO B holds the frequency the panel swaps back to.
        if (!isFrequency(digits) || now.panelTransmitting || now.xmitLatched) {
            return SetVerdict::Refused;
        }
    }
    return queue({StationSet::Setting::VfoB, digits});
}

SetVerdict StationGateway::setTransmit(bool on) {
    {
        QMutexLocker lock(&m_mutex);
        const StationView now = overlaid();
        if (now.radioLost) {
            return SetVerdict::RadioLost;
        }
        // A release always goes to the main loop, even with no latch on
        // yet: an XMT click waiting there to be served would otherwise
        // latch the transmitter after the release that came later.
        if (on && now.xmitLatched) {
            return SetVerdict::Accepted;  // already so
        }
        if (on) {
            TransmitConditions conditions = now.transmit;
            conditions.frequency = now.split ? now.vfoB : now.frequency;
            if (!mayTransmit(conditions)) {
                return SetVerdict::Refused;
            }
        }
    }
    return queue({StationSet::Setting::Transmit, {}, on});
}

SetVerdict StationGateway::queue(StationSet set) {
    std::function<void()> wakeUp;
    {
        QMutexLocker lock(&m_mutex);
        std::erase_if(m_waiting,
                      [&set](const StationSet& older) { return older.setting == set.setting; });
        m_waiting.push_back(std::move(set));
        wakeUp = m_wakeUp;
    }
    if (wakeUp) {
        wakeUp();
    }
    return SetVerdict::Accepted;
}

void StationGateway::publish(const StationView& view) {
    QMutexLocker lock(&m_mutex);
    m_radio = view;
}

std::vector<StationSet> StationGateway::takeSets() {
    QMutexLocker lock(&m_mutex);
    std::vector<StationSet> taken;
    taken.swap(m_waiting);
    m_inFlight.insert(m_inFlight.end(), taken.begin(), taken.end());
    return taken;
}

void StationGateway::carriedOut() {
    QMutexLocker lock(&m_mutex);
    m_inFlight.clear();
}

bool StationGateway::setsWaiting() const {
    QMutexLocker lock(&m_mutex);
    return !m_waiting.empty();
}

void StationGateway::withdrawTransmit() {
    QMutexLocker lock(&m_mutex);
    std::erase_if(m_waiting, [](const StationSet& set) {
        return set.setting == StationSet::Setting::Transmit;
    });
}

bool StationGateway::releaseWaiting() const {
    QMutexLocker lock(&m_mutex);
    return std::ranges::any_of(m_waiting, [](const StationSet& set) {
        return set.setting == StationSet::Setting::Transmit && !set.on;
    });
}

void StationGateway::setWakeUp(std::function<void()> wakeUp) {
    QMutexLocker lock(&m_mutex);
    m_wakeUp = std::move(wakeUp);
}

}  // namespace tq::panel
