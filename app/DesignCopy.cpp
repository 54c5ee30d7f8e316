#include "DesignCopy.h"

#include <functional>
#include <vector>

namespace {

// Reads the real printer set-up and keeps every change for later, so that
// a document's printer section reaches the printer only with the rest of
// the document.
class DeferredPrinterSetup : public PrinterSetup {
 public:
  explicit DeferredPrinterSetup(PrinterSetup& real) : real_(real), current_(real.Current()) {}

  bool IsPrinterAvailable() const override { return real_.IsPrinterAvailable(); }
  PrinterProperties Current() const override { return current_; }
  bool SelectPrinter(const std::string& deviceName) override {
    current_.deviceName = deviceName;
    return Keep([=](PrinterSetup& p) { p.SelectPrinter(deviceName); });
  }
  bool setPaperSize(int16_t v) override {
    return Set(&PrinterSetup::setPaperSize, &PrinterProperties::paperSize, v);
  }
  bool setPaperBin(int16_t v) override {
    return Set(&PrinterSetup::setPaperBin, &PrinterProperties::paperBin, v);
  }
  bool setPrintQuality(int16_t v) override {
    return Set(&PrinterSetup::setPrintQuality, &PrinterProperties::printQuality, v);
  }
  bool setColorMode(int16_t v) override {
    return Set(&PrinterSetup::setColorMode, &PrinterProperties::colorMode, v);
  }
  bool setDuplex(int16_t v) override {
    return Set(&PrinterSetup::setDuplex, &PrinterProperties::duplex, v);
  }
  bool setOrientation(int16_t v) override {
    return Set(&PrinterSetup::setOrientation, &PrinterProperties::orientation, v);
  }
  bool setZoom(int32_t v) override {
    return Set(&PrinterSetup::setZoom, &PrinterProperties::zoom, v);
  }
  bool setCopies(int16_t v) override {
    return Set(&PrinterSetup::setCopies, &PrinterProperties::copies, v);
  }

  void Commit() {
    for (const auto& change : changes_) change(real_);
  }

 private:
  bool Keep(std::function<void(PrinterSetup&)> change) {
    changes_.push_back(std::move(change));
    return true;
  }
  template <typename Value>
  bool Set(bool (PrinterSetup::*setter)(Value), Value PrinterProperties::*field, Value value) {
    current_.*field = value;
    return Keep([=](PrinterSetup& p) { (p.*setter)(value); });
  }

  PrinterSetup& real_;
  PrinterProperties current_;
  std::vector<std::function<void(PrinterSetup&)>> changes_;
};

}  // namespace

void CopyDesign(const MainModel& from, MainModel& to) {
  static_cast<Settings&>(to) = static_cast<const Settings&>(from);
  const Chart& source = from.Chart();
  Chart& target = to.Chart();
  target.setCompatible(source.Compatible());
  target.setLeapYear(source.LeapYear());
  target.setTimeSystem(source.TimeSystem());
  target.setIncludeRiseSet(source.IncludeRiseSet());
  const ChartLocation& place = source.Location();
  target.Location().setName(place.Name());
  target.Location().setLatitude(place.Latitude());
  target.Location().setLongitude(place.Longitude());
  target.Location().setTimeZone(place.TimeZone());
  to.documentPath = from.documentPath;
  to.lastDir = from.lastDir;
}

Status OpenIntoCopy(MainModel& model, const std::string& path) {
  MainModel copy;
  CopyDesign(model, copy);
  auto printer = std::make_shared<DeferredPrinterSetup>(model.Printer());
  copy.setPrinter(printer);
  const Status status = copy.OpenDocument(path);
  model.lastError.Clear();
  if (!status.ok()) return model.lastError.Record(copy.lastError);
  CopyDesign(copy, model);
  printer->Commit();
  return Status::Ok();
}
