#pragma once

#include <QString>

namespace tq::ui {

/// Where the operator's help page lies for a program in applicationDir: in
/// share/tq5820 beside the program's bin directory, which is the same in the
/// build tree (build/bin, build/share) and after installing (prefix/bin,
/// prefix/share).
QString helpPageLocation(const QString& applicationDir);

}  // namespace tq::ui
