#pragma once

#include <QString>
#include <optional>

#include "persist/PersistedFileError.h"

namespace tq::persist {

/// The radio port settings file, by bare name in the data directory.
inline const QString kPortSetupFileName = QStringLiteral("PortSetup.txt");
/// The CAT port settings file, laid out as PortSetup.txt.
inline const QString kCatSetupFileName = QStringLiteral("CATSetup.txt");

/// The four data lines of a port settings file (PortSetup.txt, and
/// CATSetup.txt, which is laid out the same way), each as written: port
/// number, settings text, handshaking name, and a fourth line that is the
/// external PTT switch ("1"/"0") for the radio port and the rig type for the
/// CAT port.
struct PortSetupFile {
    QString portNumber;
    QString settings;
    QString handshake;
    QString fourth;

    bool operator==(const PortSetupFile&) const = default;
};

/// Lines 1 to 4 of a port settings text, taken as they are; a line the text
/// does not have is empty, and so is one that cannot be what it holds
/// (control characters, bytes that are no text, longer than a device path
/// or rig type can be). Lines may end in CR LF or LF; the description lines
/// after them are for a person editing the file and are ignored.
PortSetupFile parsePortSetup(const QString& text);

/// The eight lines of a port settings file, each ended by CR LF: the four
/// data lines, then the description of lines 1 to 3 and fourthDescription.
QString formatPortSetup(const PortSetupFile& lines, const QString& fourthDescription);

/// The description of PortSetup.txt's line 4, ending in the number 1 as the
/// settings files print numbers.
QString extPttDescription();

/// The description of CATSetup.txt's line 4, the rig type.
QString rigTypeDescription();

/// Line 4 of PortSetup.txt for the external PTT check box.
QString extPttLine(bool enabled);

/// How many handshaking names there are, one per option button.
inline constexpr int kHandshakeCount = 4;

/// The handshaking names of the files, in the order of the dialogs' option
/// buttons: comNone, comXonXoff, comRTS, comRTSXonXoff; comNone for an index
/// out of range.
QString handshakeName(int index);

/// The option button index of a handshaking name, ignoring letter case and
/// surrounding blanks; 0 (comNone) for any name that is not one of the four.
int handshakeIndex(const QString& name);

/// Replaces the named port settings file with the eight lines, only once the
/// new file is complete. Returns the failure for the caller to show as
/// error->report(fileName).
std::optional<PersistedFileError> savePortSetup(const QString& fileName, const PortSetupFile& lines,
                                                const QString& fourthDescription);

}  // namespace tq::persist
