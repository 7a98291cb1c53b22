#pragma once

// GSL's default error handler aborts the program. The evaluation checks every
// status GSL returns, so the handler is switched off before the first call.
namespace evaluation::detail {

void reportGslErrorsByStatus();

}
