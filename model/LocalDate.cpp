#include "LocalDate.h"

#include <chrono>
#include <ctime>

CalendarDate Today() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (::localtime_r(&now, &local) == nullptr) return CalendarDate{};
  return CalendarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

CalendarDate DateOfYear(int year, int month, int day) {
  using namespace std::chrono;
  // Months first, then the days counted on from the first of the month.
  const int monthsFromJanuary = month - 1;
  const int carriedYears =
      monthsFromJanuary >= 0 ? monthsFromJanuary / 12 : (monthsFromJanuary - 11) / 12;
  const auto first = year_month_day{
      std::chrono::year{year + carriedYears},
      std::chrono::month{static_cast<unsigned>(monthsFromJanuary - carriedYears * 12 + 1)},
      std::chrono::day{1}};
  const year_month_day date{sys_days{first} + days{day - 1}};
  return CalendarDate{static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
                      static_cast<int>(unsigned{date.day()})};
}
