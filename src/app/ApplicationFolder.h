// The technician's own application directory under the XDG data home.
#pragma once

#include <QString>
#include <optional>

namespace halvex {

// dataHome/halvex, created on first start with a writable copy of factoryIni as default.ini.
// An existing folder is used as it stands: it is seeded once, so a technician's default.ini is
// never overwritten. Nothing when the folder cannot be created; problems go to diagnostics.
std::optional<QString> PrepareUserFolder(const QString& dataHome, const QString& factoryIni,
                                         QString& diagnostics);

} // namespace halvex
