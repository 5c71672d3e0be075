#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "cat/CatCommand.h"
#include "cat/CatSnapshot.h"

namespace tq::cat {

/// The commands station software may send on the CAT port, and the replies
/// to the reads. Commands are two upper-case letters and an argument, each
/// ended by ";". Recognition and replies are tables, so further commands are
/// rows, not branches.
///
/// Anything not in the tables is ignored without a reply: station software
/// polls many commands of its own rig's language, and a wrong or malformed
/// answer would confuse it more than silence.
///
/// The extended commands (what Hamlib's TS-2000 driver sends) are further
/// rows, consulted only when asked for. With them on, an unknown command is
/// answered "?;" as a Kenwood rig answers it, so the driver stops waiting at
/// once. Hamlib's data-mode sets ("MDC;", "MDD;") select the sideband they
/// run on; other texts beginning "FA" or "MD" that are no valid read or set
/// keep their silence either way.
class CatCommandTable {
public:
    /// The commands of one batch, in the order received. Text after the last
    /// ";" is incomplete and dropped; an empty command (";;") is skipped;
    /// unrecognised and malformed commands give nothing.
    static std::vector<CatCommand> parseBatch(const QString& batch, bool extended = false);

    /// The command one text stands for (without its ";"), if any.
    static std::optional<CatCommand> recognise(const QString& text, bool extended = false);

    /// The reply to a read, built from the state it reports; nothing for a
    /// set, and nothing when the state holds no value the reply can carry
    /// (no frequency or mode reported yet, a digital mode without a code).
    /// The extended reads answer "?;" instead of nothing, and a refused
    /// command always "?;".
    static std::optional<QString> reply(CatAction action, const CatSnapshot& snapshot);

    /// Whether the command asks for a change (answered by what becomes of
    /// it, if at all) rather than for an answer.
    static bool isSet(CatAction action);
};

}  // namespace tq::cat
