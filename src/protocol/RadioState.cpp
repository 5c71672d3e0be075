#include "protocol/RadioState.h"

namespace tq::protocol {

QString fitField(const QString& line, int width) {
    return line.left(width).leftJustified(width);
}

}  // namespace tq::protocol
