// A small JSON writer for the command-line program: compact output, numbers
// in their shortest exact form (they read back to the same double).
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "chart/chart_state.h"
#include "io/settings.h"

namespace orvane {

class JsonWriter {
 public:
  void BeginObject();
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
    return std::move(out_);
  }

 private:
  void Separate();
  // A value token after its separator.
  void Token(std::string_view token);
  std::string out_;
  bool needComma_ = false;
};

// Keys each subsystem adds to a chart's JSON object (inside the object).
void WriteVedicJson(JsonWriter& json, const ChartState& state, const Settings& settings);
void WriteDasaJson(JsonWriter& json, const ChartState& state, const Settings& settings);
void WriteStrengthJson(JsonWriter& json, const ChartState& state, const Settings& settings);
void WriteTajakaJson(JsonWriter& json, const ChartState& state, const Settings& settings);

}  // namespace orvane
