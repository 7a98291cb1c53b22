#include "gsl_errors.h"

#include <gsl/gsl_errno.h>

#include <mutex>

namespace evaluation::detail {

void reportGslErrorsByStatus()
{
    static std::once_flag once;
    std::call_once(once, [] { gsl_set_error_handler_off(); });
}

}
