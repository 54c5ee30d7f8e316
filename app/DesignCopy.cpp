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
    current_.DeviceName = deviceName;
    return Keep([=](PrinterSetup& p) { p.SelectPrinter(deviceName); });
  }
  bool setPaperSize(int16_t v) override {
    return Set(&PrinterSetup::setPaperSize, &PrinterProperties::PaperSize, v);
  }
  bool setPaperBin(int16_t v) override {
    return Set(&PrinterSetup::setPaperBin, &PrinterProperties::PaperBin, v);
  }
  bool setPrintQuality(int16_t v) override {
    return Set(&PrinterSetup::setPrintQuality, &PrinterProperties::PrintQuality, v);
  }
  bool setColorMode(int16_t v) override {
    return Set(&PrinterSetup::setColorMode, &PrinterProperties::ColorMode, v);
  }
  bool setDuplex(int16_t v) override {
    return Set(&PrinterSetup::setDuplex, &PrinterProperties::Duplex, v);
  }
  bool setOrientation(int16_t v) override {
    return Set(&PrinterSetup::setOrientation, &PrinterProperties::Orientation, v);
  }
  bool setZoom(int32_t v) override {
    return Set(&PrinterSetup::setZoom, &PrinterProperties::Zoom, v);
  }
  bool setCopies(int16_t v) override {
    return Set(&PrinterSetup::setCopies, &PrinterProperties::Copies, v);
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
  to.DocumentPath = from.DocumentPath;
  to.LastDir = from.LastDir;
}

Status OpenIntoCopy(MainModel& model, const std::string& path) {
  MainModel copy;
  CopyDesign(model, copy);
  auto printer = std::make_shared<DeferredPrinterSetup>(model.Printer());
  copy.setPrinter(printer);
  const Status status = copy.OpenDocument(path);
  model.LastError.Clear();
  if (!status.ok()) return model.LastError.Record(copy.LastError);
  CopyDesign(copy, model);
  printer->Commit();
  return Status::Ok();
}
