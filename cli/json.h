// A small JSON writer for the command-line program: compact output, numbers
// in their shortest exact form (they read back to the same double).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/chart_state.h"
#include "io/settings.h"

namespace orvane {

class JsonWriter {
 public:
  void BeginObject();
  // An object whose first key is "id" with the batch row's id (a JSON
  // token), when one is given.
  void BeginObjectWithId(const std::string* idJson);
  void EndObject();
  void BeginArray();
  void EndArray();
  // The key of the next value inside an object.
  void Key(std::string_view key);
  void Number(double value);  // non-finite values are written as null
  void Int(long long value);
  void Bool(bool value);
  void String(std::string_view value);
  void Null();
  // A value already written as JSON (a string in quotes or a number).
  void Raw(std::string_view token);

  const std::string& Text() const { return out_; }
  // The text, moved out (the writer is left empty).
  std::string Take() {
    needComma_ = false;
    depth_ = 0;
    cutFrom_ = kNoCut;
    return std::move(out_);
  }

  // Keeps only these keys of the outermost object (null: every key): the
  // others are left out with their values.
  void KeepOnly(const std::vector<std::string>* keys) { keep_ = keys; }

 private:
  void Separate();
  // A value token after its separator.
  void Token(std::string_view token);
  // Drops what was written since a key that is not kept.
  void EndCut() {
    if (cutFrom_ == kNoCut) return;
    out_.resize(cutFrom_);
    needComma_ = cutComma_;
    cutFrom_ = kNoCut;
  }
  static constexpr std::size_t kNoCut = static_cast<std::size_t>(-1);
  std::string out_;
  bool needComma_ = false;
  int depth_ = 0;  // objects and arrays open
  const std::vector<std::string>* keep_ = nullptr;
  std::size_t cutFrom_ = kNoCut;  // where the key that is not kept starts
  bool cutComma_ = false;
};

// The keys of a chart's JSON object that --fields may name, in the order
// they are written ("ephemeris" keeps the notes on the ephemeris with it).
std::span<const std::string_view> ChartJsonFields();
// The keys kept for --fields `names`: those, the row's "id", and what goes with them.
std::vector<std::string> KeptChartKeys(const std::vector<std::string>& names);

// Keys each subsystem adds to a chart's JSON object (inside the object).
void WriteVedicJson(JsonWriter& json, const ChartState& state, const Settings& settings);
void WriteDasaJson(JsonWriter& json, const ChartState& state, const Settings& settings);
void WriteStrengthJson(JsonWriter& json, const ChartState& state, const Settings& settings);
void WriteTajakaJson(JsonWriter& json, const ChartState& state, const Settings& settings);

}  // namespace orvane
