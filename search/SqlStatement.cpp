#include "SqlStatement.h"

#include <sqlite3.h>

#include <stdexcept>

#include "Utf.h"

namespace qorvan {

namespace {

[[noreturn]] void Fail(sqlite3* db) {
  throw std::runtime_error(sqlite3_errmsg(db));
}

bool SameNoCase(std::string_view a, const char* b) {
  return b && sqlite3_strnicmp(a.data(), b, static_cast<int>(a.size())) == 0 && b[a.size()] == '\0';
}

bool OnlyBlanks(const char* text) {
  for (; text && *text; ++text)
    if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n' && *text != ';')
      return false;
  return true;
}

}  // namespace

SqlStatement::SqlStatement(sqlite3* db, const std::string& sql) : db_(db) {
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
          SQLITE_OK ||
      !stmt_)
    Fail(db);
}

SqlStatement::~SqlStatement() {
  sqlite3_finalize(stmt_);
}

bool SqlStatement::Valid(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  const char* tail = nullptr;
  bool ok = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, &tail) ==
                SQLITE_OK &&
            stmt && sqlite3_stmt_readonly(stmt) && OnlyBlanks(tail);
  sqlite3_finalize(stmt);
  return ok;
}

SqlStatement& SqlStatement::Bind(int index, std::int64_t value) {
  if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) Fail(db_);
  return *this;
}

SqlStatement& SqlStatement::Bind(int index, std::u16string_view text) {
  std::string utf8 = ToUtf8(text);
  if (sqlite3_bind_text(stmt_, index, utf8.data(), static_cast<int>(utf8.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK)
    Fail(db_);
  return *this;
}

SqlStatement& SqlStatement::Reset() {
  sqlite3_reset(stmt_);
  return *this;
}

void SqlStatement::Run() {
  if (sqlite3_step(stmt_) != SQLITE_DONE) Fail(db_);
  sqlite3_reset(stmt_);
}

bool SqlStatement::Step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc != SQLITE_DONE) Fail(db_);
  return false;
}

int SqlStatement::Column(std::string_view name) const {
  int count = sqlite3_column_count(stmt_);
  for (int i = 0; i < count; ++i)
    if (SameNoCase(name, sqlite3_column_name(stmt_, i))) return i;
  throw std::runtime_error("no column " + std::string(name));
}

std::int64_t SqlStatement::Int(std::string_view column) const {
  return sqlite3_column_int64(stmt_, Column(column));
}

std::string SqlStatement::Text(std::string_view column) const {
  int i = Column(column);
  const unsigned char* text = sqlite3_column_text(stmt_, i);
  return text ? std::string(reinterpret_cast<const char*>(text),
                            static_cast<std::size_t>(sqlite3_column_bytes(stmt_, i)))
              : std::string();
}

SqlTransaction::SqlTransaction(sqlite3* db) : db_(db) {
  SqlExec(db, "BEGIN");
}

SqlTransaction::~SqlTransaction() {
  if (open_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqlTransaction::Commit() {
  SqlExec(db_, "COMMIT");
  open_ = false;
}

void SqlExec(sqlite3* db, const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    std::string text = message ? message : "SQL error";
    sqlite3_free(message);
    throw std::runtime_error(text);
  }
}

std::string SqlIdentifier(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

}  // namespace qorvan
