#include "LocalDate.h"

#include <ctime>

CalendarDate Today() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (::localtime_r(&now, &local) == nullptr) return CalendarDate{};
  return CalendarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}
