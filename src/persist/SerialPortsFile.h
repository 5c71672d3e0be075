#pragma once

#include <QString>
#include <optional>

#include "persist/PersistedFileError.h"

namespace tq::persist {

/// The text of a SerialPorts.txt with port number n naming path: the first
/// line for n is replaced where it stands and any later one dropped (a later
/// line would win over it); comments and the other ports' lines stay as they
/// are. A port the text does not name yet gets a line at the end, and an
/// empty text a comment saying what the lines mean. Lines end in CR LF.
QString withSerialPort(const QString& text, int number, const QString& path);

/// Makes port number n name path in SerialPorts.txt in the data directory,
/// through the same replace-when-complete write as every file. A file that is
/// there but cannot be read is left alone and reported, never overwritten.
std::optional<PersistedFileError> attachSerialPort(int number, const QString& path);

}  // namespace tq::persist
