#pragma once
// The general error report: a handler's uncaught error ends that handler, its text is shown, and the
// application goes on.
#include <new>
#include <utility>

#include "core/general_error.h"
#include "core/services.h"

namespace app {

// Runs one handler; false when it ended with an error that was reported.
template <class Handler>
bool RunReported(core::IMessages& messages, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const core::GeneralError& e) {
    messages.ReportGeneralError(e.what());
  } catch (const std::bad_alloc&) {
    messages.ReportGeneralError("Out of memory");
  }
  return false;
}

}  // namespace app
