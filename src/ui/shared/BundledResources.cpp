// SPDX-License-Identifier: MIT
#include "ui/shared/BundledResources.h"

#include <QtGlobal>

#include <mutex>

// Q_INIT_RESOURCE cannot be used inside a namespace.
static void InitMensurioResources() {
    Q_INIT_RESOURCE(mensurio);
}

namespace mensurio {

void EnsureBundledResources() {
    static std::once_flag once;
    std::call_once(once, InitMensurioResources);
}

} // namespace mensurio
