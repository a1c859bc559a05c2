#include "cli/ics.h"

#include <libical/ical.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

namespace orvane {

namespace {

icaltimetype UtcTime(double jd) {
  const auto seconds = static_cast<time_t>(std::llround((jd - 2440587.5) * 86400.0));
  return icaltime_from_timet_with_zone(seconds, 0, icaltimezone_get_utc_timezone());
}

icaltimetype Date(int year, int month, int day) {
  icaltimetype t = icaltime_null_date();
  t.year = year;
  t.month = month;
  t.day = day;
  t.is_date = 1;
  return t;
}

}  // namespace

std::string IcsCalendar(const std::vector<IcsEvent>& events, long long stampUnixSeconds) {
  icalcomponent* calendar = icalcomponent_new_vcalendar();
  icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Orvane//Panchanga//EN"));
  icalcomponent_add_property(calendar, icalproperty_new_calscale("GREGORIAN"));
  const icaltimetype stamp =
      icaltime_from_timet_with_zone(static_cast<time_t>(stampUnixSeconds), 0, icaltimezone_get_utc_timezone());
  for (const IcsEvent& e : events) {
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(e.uid.c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, icalproperty_new_summary(e.summary.c_str()));
    if (!e.description.empty()) icalcomponent_add_property(event, icalproperty_new_description(e.description.c_str()));
    if (!e.category.empty()) icalcomponent_add_property(event, icalproperty_new_categories(e.category.c_str()));
    if (e.allDay) {
      const icaltimetype date = Date(e.year, e.month, e.day);
      icalcomponent_add_property(event, icalproperty_new_dtstart(date));
      icaltimetype next = date;
      icaltime_adjust(&next, 1, 0, 0, 0);
      icalcomponent_add_property(event, icalproperty_new_dtend(next));
      icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    } else {
      icalcomponent_add_property(event, icalproperty_new_dtstart(UtcTime(e.start)));
      icalcomponent_add_property(event, icalproperty_new_dtend(UtcTime(e.end)));
      icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    }
    icalcomponent_add_component(calendar, event);
  }
  char* text = icalcomponent_as_ical_string_r(calendar);
  std::string out = text ? text : "";
  std::free(text);
  icalcomponent_free(calendar);
  return out;
}

}  // namespace orvane
