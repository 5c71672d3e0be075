#pragma once

#include <utility>

#include "panel/PanelField.h"

namespace tq::panel {

class PanelModel;
/// Tells the model's observers that one of its values changed.
void notifyChanged(PanelModel& model, Field field);

/// One value of the panel model: read with value(), changed with set(), and
/// every change (only a real change) announced by the model's changed signal.
template <typename T>
class Value {
public:
    Value(PanelModel& owner, Field field, T initial = T{})
        : m_owner(owner), m_field(field), m_value(std::move(initial)) {}
    Value(const Value&) = delete;
    Value& operator=(const Value&) = delete;

    const T& operator()() const { return m_value; }
    Field field() const { return m_field; }

    void set(T value) {
        if (value == m_value) {
            return;
        }
        m_value = std::move(value);
        notifyChanged(m_owner, m_field);
    }

private:
    PanelModel& m_owner;
    Field m_field;
    T m_value;
};

}  // namespace tq::panel
