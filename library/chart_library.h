// The chart library: every chart a user keeps, in one SQLite file, with its
// tags, notes and life events and a row of facts for search. Changes are
// transactions: a kill or a full disk leaves the library as it was before or
// after the change, never between. The file carries its own application id
// and schema version; a file that is not an Orvane library, or is newer than
// this program, is refused and left untouched.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "library/facts.h"
#include "library/query.h"

struct sqlite3;
struct sqlite3_stmt;

namespace orvane::library {

struct ChartEntry {
  std::int64_t id = 0;
  std::string name;
  std::string gender;  // "m", "f" or ""
  BirthData birth{};   // file units, as a chart data file holds them
  std::string place;   // "Chennai, Tamil Nadu, IN"
  std::string zoneId;  // "Asia/Kolkata"
  std::string source;
  std::string rodden;  // "AA", "A", "B", "C", "DD", "X", "XX" or ""
  std::string notes;
  std::vector<std::string> tags;
};

struct ChartEvent {
  std::int64_t id = 0;
  std::int64_t chart = 0;
  std::string kind;  // "marriage", "job", "illness", ...
  std::string date;  // "YYYY-MM-DD"
  std::string note;
};

// Where the library is kept when no file is named:
// $XDG_DATA_HOME/orvane/charts.sqlite or ~/.local/share/orvane/charts.sqlite.
std::string DefaultLibraryPath();

class ChartLibrary {
 public:
  static constexpr int kSchemaVersion = 1;

  ChartLibrary() = default;
  ~ChartLibrary();
  ChartLibrary(const ChartLibrary&) = delete;
  ChartLibrary& operator=(const ChartLibrary&) = delete;

  // Opens the library at `path`, creating it (and its folder) when it does
  // not exist. False with a one-line reason when the file cannot be opened,
  // is not an Orvane library or is newer than this program (left untouched).
  bool Open(const std::string& path, std::string* error);
  bool IsOpen() const { return db_ != nullptr; }
  const std::string& path() const { return path_; }

  // A transaction around many changes (an import): all of them or none.
  bool Begin(std::string* error);
  bool Commit(std::string* error);
  void Rollback();

  // Adds a chart with its facts; its id, or 0 with a reason.
  std::int64_t Add(const ChartEntry& entry, const ChartFacts& facts, const std::string& factsKey, std::string* error);
  bool Remove(std::int64_t id, std::string* error);
  bool AddTag(std::int64_t id, std::string_view tag, std::string* error);
  bool RemoveTag(std::int64_t id, std::string_view tag, std::string* error);
  bool SetNotes(std::int64_t id, std::string_view notes, std::string* error);
  std::int64_t AddEvent(const ChartEvent& event, std::string* error);
  std::vector<ChartEvent> Events(std::int64_t id);
  // Replaces a chart's facts (after its birth data or the settings changed).
  bool SetFacts(std::int64_t id, const ChartFacts& facts, const std::string& factsKey, std::string* error);
  // The charts whose facts were computed under another settings key.
  std::vector<std::int64_t> StaleFacts(const std::string& factsKey);

  std::int64_t Count();
  bool Get(std::int64_t id, ChartEntry& entry);
  // Charts whose name starts with `prefix` (any case), by name; or whose
  // place or a tag does, when `anywhere`.
  std::vector<ChartEntry> FindByName(std::string_view prefix, std::size_t limit);
  // Charts matching a compiled query (every chart for an empty one), by id;
  // false with the database's reason.
  bool Where(const CompiledQuery& query, const std::function<void(const ChartEntry&)>& each, std::string* error);
  // The facts row of a chart, as the query language names them: "moon.sign"
  // -> "Scorpio".
  std::vector<std::pair<std::string, std::string>> FactsOf(std::int64_t id);
  // Counts of the values of one fact over the charts matching a query.
  bool CountBy(const CompiledQuery& query, const FactInfo& fact, std::vector<std::pair<std::string, std::int64_t>>& out,
               std::string* error);

  // A consistent copy of the library in `path` (written whole, then renamed).
  bool Backup(const std::string& path, std::string* error);
  // "ok", or what SQLite's integrity check found.
  std::string IntegrityCheck();

 private:
  bool Exec(const char* sql, std::string* error);
  bool CreateSchema(std::string* error);
  void ReadEntry(sqlite3_stmt* row, ChartEntry& entry);
  void ReadTags(ChartEntry& entry);

  sqlite3* db_ = nullptr;
  std::string path_;
  std::map<std::string, sqlite3_stmt*> statements_;  // prepared once, for every chart added
};

}  // namespace orvane::library
