#include "EngineErrors.h"

#include <ostream>

namespace {

EngineTextTranslator installedTranslator = nullptr;

}  // namespace

void InstallEngineTextTranslator(EngineTextTranslator translator) {
  installedTranslator = translator;
}

std::string EngineErrorText(std::string description) {
  if (installedTranslator == nullptr || description.empty()) return description;
  return installedTranslator("EngineErrors", description.c_str());
}

std::ostream& operator<<(std::ostream& out, Status status) {
  if (status.ok()) return out << "ok";
  return out << "error " << status.number();
}

void RaiseRecorded(const ErrorRecord& record) {
  throw RaisedError(record.number, record.source, record.description);
}

void RaiseError(int32_t number, std::string source, std::string description) {
  throw RaisedError(number, std::move(source), std::move(description));
}

void RaiseError(ErrorRecord& record, int32_t number, std::string source, std::string description) {
  (void)record.Record(number, std::move(source), std::move(description));
  RaiseRecorded(record);
}
