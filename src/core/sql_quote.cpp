#include "core/sql_quote.h"

namespace vantrel {

QString gvs(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return quoted;
}

} // namespace vantrel
