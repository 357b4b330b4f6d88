#include "core/error.h"

namespace vantrel {

Error::Error(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

} // namespace vantrel
