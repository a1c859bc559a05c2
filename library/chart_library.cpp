#include "library/chart_library.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

namespace orvane::library {
namespace {

// "ORVN": the application id that marks an Orvane library among SQLite files.
constexpr int kApplicationId = 0x4F52564E;

// A prepared statement, finalized when it goes out of scope; or, taken from
// a cache of the statements a library runs for every chart it adds, reset
// for the next use.
class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql) { sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr); }
  Statement(std::map<std::string, sqlite3_stmt*>& cache, sqlite3* db, const std::string& sql) : cached_(true) {
    sqlite3_stmt*& slot = cache[sql];
    if (slot == nullptr) sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &slot, nullptr);
    stmt_ = slot;
  }
  ~Statement() {
    if (!cached_) {
      sqlite3_finalize(stmt_);
    } else if (stmt_) {
      sqlite3_reset(stmt_);
      sqlite3_clear_bindings(stmt_);
    }
  }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  bool ok() const { return stmt_ != nullptr; }
  sqlite3_stmt* get() const { return stmt_; }
  int next_ = 1;
  void Bind(std::int64_t v) { sqlite3_bind_int64(stmt_, next_++, v); }
  void Bind(double v) { sqlite3_bind_double(stmt_, next_++, v); }
  void Bind(std::string_view v) {
    sqlite3_bind_text(stmt_, next_++, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
  }
  void Bind(const QueryValue& v) {
    std::visit([this](const auto& x) { Bind(x); }, v);
  }
  void Bind(const std::string& v) { Bind(std::string_view(v)); }
  int Step() { return sqlite3_step(stmt_); }

 private:
  sqlite3_stmt* stmt_ = nullptr;
  bool cached_ = false;
};

std::string Text(sqlite3_stmt* s, int column) {
  const unsigned char* t = sqlite3_column_text(s, column);
  return t ? std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(sqlite3_column_bytes(s, column)))
           : std::string();
}

std::string Reason(sqlite3* db) { return db ? sqlite3_errmsg(db) : "out of memory"; }

// Runs a statement that returns no rows; false with the database's reason.
bool Run(Statement& s, sqlite3* db, std::string* error) {
  if (s.ok() && s.Step() == SQLITE_DONE) return true;
  if (error) *error = Reason(db);
  return false;
}

// A fact's value in a result column, as queries write it.
std::string FactText(FactKind kind, sqlite3_stmt* row, int column) {
  const std::int64_t n = sqlite3_column_int64(row, column);
  switch (kind) {
    case FactKind::kSign: return std::string(SignText(static_cast<int>(n)));
    case FactKind::kNakshatra: return std::string(NakshatraText(static_cast<int>(n)));
    case FactKind::kBool: return n ? "true" : "false";
    case FactKind::kDignity:
    case FactKind::kPlanet:
    case FactKind::kText: return Text(row, column);
    default: return std::to_string(n);
  }
}

// The facts table's columns, from the catalogue: "moon_sign INTEGER".
std::vector<std::pair<std::string, std::string>> FactColumns() {
  std::vector<std::pair<std::string, std::string>> columns;
  for (const FactInfo& f : FactCatalogue()) {
    if (f.column.rfind("f.", 0) != 0) continue;
    const bool text = f.kind == FactKind::kDignity || f.kind == FactKind::kPlanet || f.kind == FactKind::kText;
    columns.emplace_back(f.column.substr(2), text ? "TEXT" : "INTEGER");
  }
  return columns;
}

constexpr const char* kChartColumns =
    "c.id, c.name, c.gender, c.month, c.day, c.year, c.time, c.zone, c.longitude, c.latitude, c.place, c.zone_id, "
    "c.source, c.rodden, c.notes";

}  // namespace

std::string DefaultLibraryPath() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
    return std::string(data) + "/orvane/charts.sqlite";
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    return std::string(home) + "/.local/share/orvane/charts.sqlite";
  }
  return "charts.sqlite";
}

ChartLibrary::~ChartLibrary() {
  for (auto& [sql, stmt] : statements_) sqlite3_finalize(stmt);
  if (db_) sqlite3_close_v2(db_);
}

bool ChartLibrary::Exec(const char* sql, std::string* error) {
  char* message = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
  if (error) *error = message ? message : Reason(db_);
  sqlite3_free(message);
  return false;
}

bool ChartLibrary::Open(const std::string& path, std::string* error) {
  namespace fs = std::filesystem;
  auto fail = [&](const std::string& why) {
    if (error) *error = "\"" + path + "\": " + why;
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
    return false;
  };
  std::error_code ec;
  const bool exists = fs::exists(path, ec);
  if (exists) {
    if (!fs::is_regular_file(path, ec)) return fail("not a regular file");
    // A file that is not SQLite is refused before SQLite touches it.
    if (fs::file_size(path, ec) > 0) {
      char header[16] = {};
      std::ifstream in(path, std::ios::binary);
      in.read(header, sizeof header);
      if (!in || std::memcmp(header, "SQLite format 3", 16) != 0) return fail("not a chart library (not an SQLite file)");
    }
  } else {
    const fs::path folder = fs::path(path).parent_path();
    if (!folder.empty()) fs::create_directories(folder, ec);
  }
  const int flags = SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE) | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) return fail(Reason(db_));
  sqlite3_busy_timeout(db_, 5000);
  sqlite3_extended_result_codes(db_, 1);
  path_ = path;

  // Read what the file is before anything is written to it.
  std::int64_t tables = 0, application = 0, version = 0;
  {
    Statement s(db_, "SELECT (SELECT count(*) FROM sqlite_master), (SELECT application_id FROM pragma_application_id), "
                     "(SELECT user_version FROM pragma_user_version)");
    if (!s.ok() || s.Step() != SQLITE_ROW) return fail("not a chart library (" + Reason(db_) + ")");
    tables = sqlite3_column_int64(s.get(), 0);
    application = sqlite3_column_int64(s.get(), 1);
    version = sqlite3_column_int64(s.get(), 2);
  }
  if (tables == 0 && application == 0 && version == 0) {
    if (!CreateSchema(error)) return fail(error ? *error : "cannot create the library");
  } else if (application != kApplicationId) {
    return fail("not an Orvane chart library");
  } else if (version > kSchemaVersion) {
    return fail("made by a newer Orvane (library version " + std::to_string(version) + "; this program reads " +
                std::to_string(kSchemaVersion) + ")");
  }
  std::string why;
  if (!Exec("PRAGMA journal_mode=WAL; PRAGMA foreign_keys=ON; PRAGMA synchronous=NORMAL;", &why)) return fail(why);
  return true;
}

bool ChartLibrary::CreateSchema(std::string* error) {
  std::string sql =
      "BEGIN;"
      "CREATE TABLE charts(id INTEGER PRIMARY KEY, name TEXT NOT NULL COLLATE NOCASE, gender TEXT NOT NULL DEFAULT '',"
      " month INTEGER NOT NULL, day INTEGER NOT NULL, year INTEGER NOT NULL, time REAL NOT NULL, zone REAL NOT NULL,"
      " longitude REAL NOT NULL, latitude REAL NOT NULL, place TEXT NOT NULL DEFAULT '' COLLATE NOCASE,"
      " zone_id TEXT NOT NULL DEFAULT '', source TEXT NOT NULL DEFAULT '', rodden TEXT NOT NULL DEFAULT '',"
      " notes TEXT NOT NULL DEFAULT '', added TEXT NOT NULL DEFAULT (datetime('now')));"
      "CREATE INDEX charts_name ON charts(name);"
      "CREATE TABLE tags(chart_id INTEGER NOT NULL REFERENCES charts(id) ON DELETE CASCADE, tag TEXT NOT NULL,"
      " PRIMARY KEY(chart_id, tag)) WITHOUT ROWID;"
      "CREATE INDEX tags_tag ON tags(tag);"
      "CREATE TABLE events(id INTEGER PRIMARY KEY, chart_id INTEGER NOT NULL REFERENCES charts(id) ON DELETE CASCADE,"
      " kind TEXT NOT NULL, date TEXT NOT NULL, note TEXT NOT NULL DEFAULT '');"
      "CREATE INDEX events_chart ON events(chart_id);"
      "CREATE TABLE chart_yogas(chart_id INTEGER NOT NULL REFERENCES charts(id) ON DELETE CASCADE, yoga TEXT NOT NULL,"
      " PRIMARY KEY(chart_id, yoga)) WITHOUT ROWID;"
      "CREATE INDEX chart_yogas_yoga ON chart_yogas(yoga);"
      "CREATE TABLE facts(chart_id INTEGER PRIMARY KEY REFERENCES charts(id) ON DELETE CASCADE,"
      " facts_key TEXT NOT NULL";
  for (const auto& [name, type] : FactColumns()) sql += ", " + name + " " + type;
  sql += ");";
  for (const char* point : {"lagna", "sun", "moon", "mars", "mercury", "jupiter", "venus", "saturn"}) {
    sql += std::string("CREATE INDEX facts_") + point + "_sign ON facts(" + point + "_sign);";
  }
  sql += "PRAGMA application_id=" + std::to_string(kApplicationId) + ";";
  sql += "PRAGMA user_version=" + std::to_string(kSchemaVersion) + ";";
  sql += "COMMIT;";
  if (Exec(sql.c_str(), error)) return true;
  Exec("ROLLBACK;", nullptr);
  return false;
}

bool ChartLibrary::Begin(std::string* error) { return Exec("BEGIN IMMEDIATE;", error); }
bool ChartLibrary::Commit(std::string* error) { return Exec("COMMIT;", error); }
void ChartLibrary::Rollback() { Exec("ROLLBACK;", nullptr); }

std::int64_t ChartLibrary::Add(const ChartEntry& e, const ChartFacts& facts, const std::string& factsKey,
                               std::string* error) {
  if (!Exec("SAVEPOINT add_chart;", error)) return 0;
  auto fail = [&]() -> std::int64_t {
    if (error && error->empty()) *error = Reason(db_);
    Exec("ROLLBACK TO add_chart; RELEASE add_chart;", nullptr);
    return 0;
  };
  std::int64_t id = 0;
  {
    Statement s(statements_, db_,
                "INSERT INTO charts(name, gender, month, day, year, time, zone, longitude, latitude, place, zone_id, "
                "source, rodden, notes) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    if (!s.ok()) return fail();
    s.Bind(std::string_view(e.name));
    s.Bind(std::string_view(e.gender));
    s.Bind(static_cast<std::int64_t>(e.birth.month));
    s.Bind(static_cast<std::int64_t>(e.birth.day));
    s.Bind(static_cast<std::int64_t>(e.birth.year));
    s.Bind(e.birth.time);
    s.Bind(e.birth.zone);
    s.Bind(e.birth.longitude);
    s.Bind(e.birth.latitude);
    s.Bind(std::string_view(e.place));
    s.Bind(std::string_view(e.zoneId));
    s.Bind(std::string_view(e.source));
    s.Bind(std::string_view(e.rodden));
    s.Bind(std::string_view(e.notes));
    if (s.Step() != SQLITE_DONE) return fail();
    id = sqlite3_last_insert_rowid(db_);
  }
  for (const std::string& tag : e.tags) {
    Statement s(statements_, db_, "INSERT OR IGNORE INTO tags(chart_id, tag) VALUES(?, ?)");
    s.Bind(id);
    s.Bind(std::string_view(tag));
    if (s.Step() != SQLITE_DONE) return fail();
  }
  std::string why;
  if (!SetFacts(id, facts, factsKey, &why)) {
    if (error) *error = why;
    return fail();
  }
  if (!Exec("RELEASE add_chart;", error)) return fail();
  return id;
}

bool ChartLibrary::SetFacts(std::int64_t id, const ChartFacts& facts, const std::string& factsKey, std::string* error) {
  const auto columns = FactColumns();
  std::string sql = "INSERT OR REPLACE INTO facts(chart_id, facts_key";
  std::string marks = "?, ?";
  for (const auto& [name, type] : columns) {
    sql += ", " + name;
    marks += ", ?";
  }
  sql += ") VALUES(" + marks + ")";
  Statement s(statements_, db_, sql);
  if (!s.ok()) {
    if (error) *error = Reason(db_);
    return false;
  }
  s.Bind(id);
  s.Bind(std::string_view(factsKey));
  // The values in the catalogue's order of columns.
  for (const FactInfo& f : FactCatalogue()) {
    if (f.column.rfind("f.", 0) != 0) continue;
    if (f.name == "dasa.lord") {
      s.Bind(std::string_view(facts.dasaLord));
      continue;
    }
    const std::string point = f.name.substr(0, f.name.find('.'));
    const std::string field = f.name.substr(f.name.find('.') + 1);
    std::size_t p = 0;
    while (p < kPointNames.size() && kPointNames[p] != point) ++p;
    const PointFacts& pf = facts.points[p];
    if (field == "sign") s.Bind(std::int64_t{pf.sign});
    else if (field == "house") s.Bind(std::int64_t{pf.house});
    else if (field == "nakshatra") s.Bind(std::int64_t{pf.nakshatra});
    else if (field == "pada") s.Bind(std::int64_t{pf.pada});
    else if (field == "dignity") s.Bind(std::string_view(pf.dignity));
    else if (field == "retrograde") s.Bind(std::int64_t{pf.retrograde ? 1 : 0});
    else if (field == "navamsa") s.Bind(std::int64_t{pf.navamsa});
  }
  if (!Run(s, db_, error)) return false;
  {
    Statement d(statements_, db_, "DELETE FROM chart_yogas WHERE chart_id = ?");
    d.Bind(id);
    if (!Run(d, db_, error)) return false;
  }
  for (const std::string& y : facts.yogas) {
    Statement a(statements_, db_, "INSERT OR IGNORE INTO chart_yogas(chart_id, yoga) VALUES(?, ?)");
    a.Bind(id);
    a.Bind(std::string_view(y));
    if (!Run(a, db_, error)) return false;
  }
  return true;
}

std::vector<std::int64_t> ChartLibrary::StaleFacts(const std::string& factsKey) {
  std::vector<std::int64_t> ids;
  Statement s(db_, "SELECT c.id FROM charts c LEFT JOIN facts f ON f.chart_id = c.id "
                   "WHERE f.facts_key IS NULL OR f.facts_key <> ? ORDER BY c.id");
  s.Bind(std::string_view(factsKey));
  while (s.Step() == SQLITE_ROW) ids.push_back(sqlite3_column_int64(s.get(), 0));
  return ids;
}

bool ChartLibrary::Remove(std::int64_t id, std::string* error) {
  Statement s(db_, "DELETE FROM charts WHERE id = ?");
  s.Bind(id);
  if (!Run(s, db_, error)) return false;
  if (sqlite3_changes(db_) == 0) {
    if (error) *error = "no chart has the id " + std::to_string(id);
    return false;
  }
  return true;
}

bool ChartLibrary::AddTag(std::int64_t id, std::string_view tag, std::string* error) {
  Statement s(db_, "INSERT OR IGNORE INTO tags(chart_id, tag) SELECT id, ? FROM charts WHERE id = ?");
  s.Bind(tag);
  s.Bind(id);
  if (!Run(s, db_, error)) return false;
  ChartEntry e;
  if (!Get(id, e)) {
    if (error) *error = "no chart has the id " + std::to_string(id);
    return false;
  }
  return true;
}

bool ChartLibrary::RemoveTag(std::int64_t id, std::string_view tag, std::string* error) {
  Statement s(db_, "DELETE FROM tags WHERE chart_id = ? AND tag = ?");
  s.Bind(id);
  s.Bind(tag);
  if (!Run(s, db_, error)) return false;
  return true;
}

bool ChartLibrary::SetNotes(std::int64_t id, std::string_view notes, std::string* error) {
  Statement s(db_, "UPDATE charts SET notes = ? WHERE id = ?");
  s.Bind(notes);
  s.Bind(id);
  if (s.Step() != SQLITE_DONE || sqlite3_changes(db_) == 0) {
    if (error) *error = sqlite3_changes(db_) == 0 ? "no chart has the id " + std::to_string(id) : Reason(db_);
    return false;
  }
  return true;
}

std::int64_t ChartLibrary::AddEvent(const ChartEvent& event, std::string* error) {
  Statement s(db_, "INSERT INTO events(chart_id, kind, date, note) VALUES(?, ?, ?, ?)");
  s.Bind(event.chart);
  s.Bind(std::string_view(event.kind));
  s.Bind(std::string_view(event.date));
  s.Bind(std::string_view(event.note));
  if (s.Step() != SQLITE_DONE) {
    if (error) *error = Reason(db_);
    return 0;
  }
  return sqlite3_last_insert_rowid(db_);
}

std::vector<ChartEvent> ChartLibrary::Events(std::int64_t id) {
  std::vector<ChartEvent> out;
  Statement s(db_, "SELECT id, chart_id, kind, date, note FROM events WHERE chart_id = ? ORDER BY date, id");
  s.Bind(id);
  while (s.Step() == SQLITE_ROW) {
    out.push_back({sqlite3_column_int64(s.get(), 0), sqlite3_column_int64(s.get(), 1), Text(s.get(), 2),
                   Text(s.get(), 3), Text(s.get(), 4)});
  }
  return out;
}

std::int64_t ChartLibrary::Count() {
  Statement s(db_, "SELECT count(*) FROM charts");
  return s.Step() == SQLITE_ROW ? sqlite3_column_int64(s.get(), 0) : 0;
}

void ChartLibrary::ReadEntry(sqlite3_stmt* row, ChartEntry& e) {
  e.id = sqlite3_column_int64(row, 0);
  e.name = Text(row, 1);
  e.gender = Text(row, 2);
  e.birth.month = sqlite3_column_double(row, 3);
  e.birth.day = sqlite3_column_double(row, 4);
  e.birth.year = sqlite3_column_double(row, 5);
  e.birth.time = sqlite3_column_double(row, 6);
  e.birth.zone = sqlite3_column_double(row, 7);
  e.birth.longitude = sqlite3_column_double(row, 8);
  e.birth.latitude = sqlite3_column_double(row, 9);
  e.place = Text(row, 10);
  e.zoneId = Text(row, 11);
  e.source = Text(row, 12);
  e.rodden = Text(row, 13);
  e.notes = Text(row, 14);
}

void ChartLibrary::ReadTags(ChartEntry& e) {
  Statement s(db_, "SELECT tag FROM tags WHERE chart_id = ? ORDER BY tag");
  s.Bind(e.id);
  while (s.Step() == SQLITE_ROW) e.tags.push_back(Text(s.get(), 0));
}

bool ChartLibrary::Get(std::int64_t id, ChartEntry& entry) {
  Statement s(db_, std::string("SELECT ") + kChartColumns + " FROM charts c WHERE c.id = ?");
  s.Bind(id);
  if (s.Step() != SQLITE_ROW) return false;
  entry = ChartEntry();
  ReadEntry(s.get(), entry);
  ReadTags(entry);
  return true;
}

std::vector<ChartEntry> ChartLibrary::FindByName(std::string_view prefix, std::size_t limit) {
  // LIKE on the NOCASE name column uses its index for a prefix; the
  // prefix's own % and _ are escaped.
  std::string pattern;
  for (const char c : prefix) {
    if (c == '%' || c == '_' || c == '\\') pattern += '\\';
    pattern += c;
  }
  pattern += '%';
  std::vector<ChartEntry> out;
  Statement s(db_, std::string("SELECT ") + kChartColumns +
                       " FROM charts c WHERE c.name LIKE ? ESCAPE '\\' ORDER BY c.name, c.id LIMIT ?");
  s.Bind(std::string_view(pattern));
  s.Bind(static_cast<std::int64_t>(limit));
  while (s.Step() == SQLITE_ROW) {
    ChartEntry e;
    ReadEntry(s.get(), e);
    out.push_back(std::move(e));
  }
  for (ChartEntry& e : out) ReadTags(e);
  return out;
}

bool ChartLibrary::Where(const CompiledQuery& query, const std::function<void(const ChartEntry&)>& each,
                         std::string* error) {
  Statement s(db_, std::string("SELECT ") + kChartColumns + " FROM charts c LEFT JOIN facts f ON f.chart_id = c.id" +
                       (query.where.empty() ? "" : " WHERE " + query.where) + " ORDER BY c.id");
  if (!s.ok()) {
    if (error) *error = Reason(db_);
    return false;
  }
  for (const QueryValue& v : query.params) s.Bind(v);
  int rc = 0;
  while ((rc = s.Step()) == SQLITE_ROW) {
    ChartEntry e;
    ReadEntry(s.get(), e);
    ReadTags(e);
    each(e);
  }
  if (rc != SQLITE_DONE) {
    if (error) *error = Reason(db_);
    return false;
  }
  return true;
}

std::vector<std::pair<std::string, std::string>> ChartLibrary::FactsOf(std::int64_t id) {
  std::vector<std::pair<std::string, std::string>> out;
  std::string sql = "SELECT ";
  std::vector<const FactInfo*> facts;
  for (const FactInfo& f : FactCatalogue()) {
    if (f.column.rfind("f.", 0) != 0) continue;
    sql += (facts.empty() ? "" : ", ") + f.column;
    facts.push_back(&f);
  }
  sql += " FROM facts f WHERE f.chart_id = ?";
  Statement s(db_, sql);
  s.Bind(id);
  if (s.Step() != SQLITE_ROW) return out;
  for (std::size_t i = 0; i < facts.size(); ++i) {
    out.emplace_back(facts[i]->name, FactText(facts[i]->kind, s.get(), static_cast<int>(i)));
  }
  Statement y(db_, "SELECT yoga FROM chart_yogas WHERE chart_id = ? ORDER BY yoga");
  y.Bind(id);
  std::string yogas;
  while (y.Step() == SQLITE_ROW) yogas += (yogas.empty() ? "" : ", ") + Text(y.get(), 0);
  out.emplace_back("yogas", yogas);
  return out;
}

bool ChartLibrary::CountBy(const CompiledQuery& query, const FactInfo& fact,
                           std::vector<std::pair<std::string, std::int64_t>>& out, std::string* error) {
  out.clear();
  // The column comes from the catalogue, never from the user's text.
  Statement s(db_, "SELECT " + fact.column + ", count(*) FROM charts c LEFT JOIN facts f ON f.chart_id = c.id" +
                       (query.where.empty() ? "" : " WHERE " + query.where) + " GROUP BY 1 ORDER BY 1");
  if (!s.ok()) {
    if (error) *error = Reason(db_);
    return false;
  }
  for (const QueryValue& v : query.params) s.Bind(v);
  int rc = 0;
  while ((rc = s.Step()) == SQLITE_ROW) {
    const std::string value = FactText(fact.kind, s.get(), 0);
    out.emplace_back(value, sqlite3_column_int64(s.get(), 1));
  }
  if (rc != SQLITE_DONE) {
    if (error) *error = Reason(db_);
    return false;
  }
  return true;
}

bool ChartLibrary::Backup(const std::string& path, std::string* error) {
  const std::string temp = path + ".tmp-" + std::to_string(::getpid());
  std::remove(temp.c_str());
  sqlite3* target = nullptr;
  bool ok = sqlite3_open_v2(temp.c_str(), &target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
  if (ok) {
    sqlite3_backup* b = sqlite3_backup_init(target, "main", db_, "main");
    ok = b != nullptr && sqlite3_backup_step(b, -1) == SQLITE_DONE;
    if (b) sqlite3_backup_finish(b);
    if (!ok && error) *error = Reason(target);
  } else if (error) {
    *error = Reason(target);
  }
  sqlite3_close_v2(target);
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    if (error) *error = "cannot rename the copy to \"" + path + "\"";
  }
  if (!ok) std::remove(temp.c_str());
  return ok;
}

std::string ChartLibrary::IntegrityCheck() {
  Statement s(db_, "PRAGMA integrity_check");
  std::string out;
  while (s.Step() == SQLITE_ROW) out += (out.empty() ? "" : "\n") + Text(s.get(), 0);
  return out.empty() ? Reason(db_) : out;
}

}  // namespace orvane::library
