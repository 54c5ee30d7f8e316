#include "EngineErrors.h"

#include <ostream>

std::ostream& operator<<(std::ostream& out, Status status) {
  if (status.ok()) return out << "ok";
  return out << "error " << status.number();
}

void RaiseRecorded(const ErrorRecord& record) {
  throw RaisedError(record.Number, record.Source, record.Description);
}

void RaiseError(int32_t number, std::string source, std::string description) {
  throw RaisedError(number, std::move(source), std::move(description));
}

void RaiseError(ErrorRecord& record, int32_t number, std::string source, std::string description) {
  record.Number = number;
  record.Source = std::move(source);
  record.Description = std::move(description);
  RaiseRecorded(record);
}
