// orvane-cli --rasi-dasa and --jaimini: a chart's rasi dasas, and its rasi
// drishti, argalas, karakamsa and swamsa, as text or JSON.
#pragma once

#include <string>

#include "jaimini/jaimini.h"

namespace orvane {

std::string RasiDasaText(const jaimini::JaiminiChart& chart, const jaimini::RasiDasaResult& dasa,
                         const jaimini::RasiDasaOptions& options);
std::string RasiDasaJson(const jaimini::JaiminiChart& chart, const jaimini::RasiDasaResult& dasa,
                         const jaimini::RasiDasaOptions& options, const std::string* idJson);

std::string JaiminiText(const jaimini::JaiminiChart& chart);
std::string JaiminiJson(const jaimini::JaiminiChart& chart, const std::string* idJson);

// "1990-04-12": the date of local days.
std::string LocalDate(double localDays);

}  // namespace orvane
