// A prepared SQLite statement and a transaction guard, with errors as exceptions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace qorvan {

class SqlStatement {
 public:
  // Prepares the single statement `sql`; throws std::runtime_error when SQLite rejects it.
  SqlStatement(sqlite3* db, const std::string& sql);
  ~SqlStatement();
  SqlStatement(const SqlStatement&) = delete;
  SqlStatement& operator=(const SqlStatement&) = delete;

  // True when `sql` is exactly one statement that SQLite accepts.
  static bool Valid(sqlite3* db, const std::string& sql);

  SqlStatement& Bind(int index, std::int64_t value);
  SqlStatement& Bind(int index, std::u16string_view text);  // stored as UTF-8
  // Clears the bindings' results so the statement can run again.
  SqlStatement& Reset();
  // Runs a statement that returns no rows.
  void Run();
  // Moves to the next result row; false at the end.
  bool Step();
  // Column values of the current row by column name (compared without ASCII case).
  std::int64_t Int(std::string_view column) const;
  std::string Text(std::string_view column) const;

 private:
  int Column(std::string_view name) const;

  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN on construction; ROLLBACK on destruction unless Commit() ran.
class SqlTransaction {
 public:
  explicit SqlTransaction(sqlite3* db);
  ~SqlTransaction();
  SqlTransaction(const SqlTransaction&) = delete;
  SqlTransaction& operator=(const SqlTransaction&) = delete;
  void Commit();

 private:
  sqlite3* db_;
  bool open_ = true;
};

// Runs `sql` (one or more statements); throws std::runtime_error on failure.
void SqlExec(sqlite3* db, const std::string& sql);

// `name` as an SQL identifier: double quotes around it, inner double quotes doubled.
std::string SqlIdentifier(std::string_view name);

}  // namespace qorvan
