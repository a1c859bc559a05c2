// Calendar files (RFC 5545, iCalendar) of orvane-cli, written with
// libical: the events of a panchanga (festivals, tithis, eclipses, muhurta
// windows) that calendar programs import.
#pragma once

#include <string>
#include <vector>

namespace orvane {

struct IcsEvent {
  std::string uid;  // unique and the same on every run for the same event
  std::string summary;
  std::string description;
  std::string category;
  // An all-day event on a civil date, or a timed one (Julian days of
  // universal time, written in UTC).
  bool allDay = false;
  int year = 0, month = 0, day = 0;
  double start = 0, end = 0;
};

// The calendar's text: one VCALENDAR with a VEVENT per event, stamped with
// `stampUnixSeconds` (DTSTAMP).
std::string IcsCalendar(const std::vector<IcsEvent>& events, long long stampUnixSeconds);

}  // namespace orvane
