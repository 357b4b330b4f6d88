#pragma once

#include <QString>

namespace vantrel::db {
class Connection;
}

namespace vantrel::documents {

// The next invoice / quote number: one more than the largest stored number (gaps are
// never filled). Invoices and quotes are counted apart.
int getnewnum(db::Connection& dqd);
int getnewnum_quotes(db::Connection& dqd);

// True when a stored invoice / quote has the number of `numtext`, compared as whole
// numbers (007 is 7). A text that is not a whole number throws the conversion error.
bool there_is_like_num(db::Connection& dqd, const QString& numtext);
bool there_is_like_quote(db::Connection& dqd, const QString& numtext);

} // namespace vantrel::documents
