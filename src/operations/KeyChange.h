#pragma once
#include <string>

#include "operations/FailureNotice.h"
#include "operations/SecuredItemRequests.h"
#include "protocol/Status.h"

namespace brivane {

// Hands the application a request to change the keys (the password) of the item at `path`. Nothing is
// handed off without the core library and its entry point (STATUS_CORE_UNAVAILABLE); otherwise the
// hand-off's status.
Status changeItemKeys(const std::wstring& path, const FailureNotice& notice);

}  // namespace brivane
