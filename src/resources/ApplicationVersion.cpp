// The program's version, given by the build from the project's release number.
#include "resources/ApplicationVersion.h"

namespace halvex {

QString ApplicationVersion() {
    return QStringLiteral(HALVEX_VERSION_TEXT);
}

} // namespace halvex
