// Export marker of the Quorvin library: only what it names is visible outside the shared library.
#pragma once

#include <QtGlobal>

#if defined(QUORVIN_BUILDING)
#define QUORVIN_API Q_DECL_EXPORT
#else
#define QUORVIN_API Q_DECL_IMPORT
#endif
