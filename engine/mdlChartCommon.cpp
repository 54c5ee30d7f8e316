#include "EngineErrors.h"

void RaiseEngineError(EngineErrorRecord& record, int32_t number, std::string source,
                      std::string description) {
  record.Number = number;
  record.Source = source;
  record.Description = description;
  throw RaisedError(number, std::move(source), std::move(description));
}

void RaiseRecorded(const EngineErrorRecord& record) {
  throw RaisedError(record.Number, record.Source, record.Description);
}
