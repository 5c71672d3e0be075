#pragma once

#include <QString>

namespace tq::cat {

/// What one command of a batch asks for.
enum class CatAction { ReadFrequency, SetFrequency, ReadMode, SetMode };

/// One recognised command. The argument of a set is what the radio is sent:
/// seven digits in 10 Hz units for a frequency, the radio's mode code ("M1")
/// for a mode; reads have none.
struct CatCommand {
    CatAction action;
    QString argument;

    bool operator==(const CatCommand&) const = default;
};

}  // namespace tq::cat
