#pragma once

#include <QString>

namespace vantrel::db {
class Connection;
}

namespace vantrel::catalogue {

// "00" before a one-character text, "0" before a two-character text; any other text,
// the empty one too, unchanged. Account numbers, article codes and printed document
// numbers are all filled out this way.
QString str_addzeros(const QString& text);

// Customer accounts: "CL" and at least three digits. Uniqueness is by number, so CL7
// and CL007 are the same account.
QString getaccount_from_custnum(const QString& number);
int getcustnum_from_account(const QString& account); // throws the conversion error
int getnew_custnum(db::Connection& dqd);
bool there_is_like_cust(db::Connection& dqd, const QString& number);

// Article codes: "ART" and at least three digits, unique by number.
QString getcode_from_artnum(const QString& number);
int getartnum_from_code(const QString& code); // throws the conversion error
int getnew_artnum(db::Connection& dqd);
bool there_is_like_art(db::Connection& dqd, const QString& number);

} // namespace vantrel::catalogue
