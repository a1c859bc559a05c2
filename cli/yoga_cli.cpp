#include "cli/yoga_cli.h"

#include <array>

#include "cli/json.h"
#include "engine/zodiac.h"

namespace orvane {
namespace {


void StringArray(JsonWriter& json, const std::vector<yoga::Fact>& facts) {
  json.BeginArray();
  for (const yoga::Fact& f : facts) json.String(f.text);
  json.EndArray();
}

}  // namespace

std::string YogasJson(const std::vector<yoga::FoundYoga>& found, int varga, const std::string* idJson) {
  JsonWriter json;
  json.BeginObjectWithId(idJson);
  json.Key("chart");
  json.String(varga == 9 ? "D9" : varga == 10 ? "D10" : "D1");
  json.Key("yogas");
  json.BeginArray();
  for (const yoga::FoundYoga& y : found) {
    json.BeginObject();
    json.Key("key");
    json.String(y.key);
    json.Key("name");
    json.String(y.name);
    json.Key("family");
    json.String(yoga::FamilyName(y.family));
    json.Key("source");
    json.String(y.source);
    json.Key("planets");
    json.BeginArray();
    for (int i = 0; i < kGrahaCount; ++i) {
      if (y.bodies.Has(BodyAt(i))) json.String(yoga::BodyName(BodyAt(i)));
    }
    json.EndArray();
    json.Key("houses");
    json.BeginArray();
    for (const int h : y.houses) json.Int(h);
    json.EndArray();
    json.Key("signs");
    json.BeginArray();
    for (const int s : y.signs) json.String(yoga::SignName(s));
    json.EndArray();
    json.Key("conditions");
    StringArray(json, y.conditions);
    json.Key("weakenings");
    StringArray(json, y.weakenings);
    json.Key("cancelled");
    json.Bool(y.cancelled);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.Take() + "\n";
}

std::string YogaLibraryText() {
  std::string out;
  const std::vector<yoga::YogaDescription> rows = yoga::DescribeYogas();
  out += std::to_string(rows.size()) + " yogas\n";
  for (const yoga::YogaDescription& d : rows) {
    out += "\n" + std::string(d.key) + "\t" + std::string(d.name) + "\t" + std::string(yoga::FamilyName(d.family)) +
           "\t" + std::string(d.source) + "\n  rule: " + d.rule + "\n  effect: " + std::string(d.effect) + "\n";
    if (!d.variant.empty()) out += "  reading: " + std::string(d.variant) + "\n";
  }
  return out;
}

std::string YogaLibraryJson() {
  JsonWriter json;
  json.BeginArray();
  for (const yoga::YogaDescription& d : yoga::DescribeYogas()) {
    json.BeginObject();
    json.Key("key");
    json.String(d.key);
    json.Key("name");
    json.String(d.name);
    json.Key("family");
    json.String(yoga::FamilyName(d.family));
    json.Key("source");
    json.String(d.source);
    json.Key("effect");
    json.String(d.effect);
    json.Key("rule");
    json.String(d.rule);
    json.Key("reading");
    json.String(d.variant);
    json.EndObject();
  }
  json.EndArray();
  return json.Take() + "\n";
}

}  // namespace orvane
