#include "PrinterSetupQt.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr int16_t kUserPaper = 256;

struct PaperCode {
  int16_t code;
  QPageSize::PageSizeId id;
};

constexpr PaperCode kPaperCodes[] = {
    {1, QPageSize::Letter},       {3, QPageSize::Tabloid},     {4, QPageSize::Ledger},
    {5, QPageSize::Legal},        {7, QPageSize::Executive},   {kPaperA3, QPageSize::A3},
    {kPaperA4, QPageSize::A4},    {11, QPageSize::A5},         {kPaperB4, QPageSize::JisB4},
    {kPaperB5, QPageSize::JisB5}, {20, QPageSize::Envelope10}, {27, QPageSize::EnvelopeDL},
    {28, QPageSize::EnvelopeC5},  {66, QPageSize::A2},         {70, QPageSize::A6},
};

// Colour modes and duplex settings as the document stores them.
constexpr int16_t kMonochrome = 1;
constexpr int16_t kColor = 2;
constexpr int16_t kSimplex = 1;
constexpr int16_t kDuplexLongEdge = 2;
constexpr int16_t kDuplexShortEdge = 3;

}  // namespace

int16_t PaperCodeOf(QPageSize::PageSizeId id) {
  for (const PaperCode& paper : kPaperCodes) {
    if (paper.id == id) return paper.code;
  }
  return kUserPaper;
}

QPageSize::PageSizeId PageSizeOfCode(int16_t code) {
  for (const PaperCode& paper : kPaperCodes) {
    if (paper.code == code) return paper.id;
  }
  return QPageSize::Custom;
}

bool IsUsablePrinterSet(const QStringList& installed, const QString& current) {
  if (installed.isEmpty()) return false;
  return !(installed.size() <= 1 &&
           current.compare(QLatin1String("Rendering Subsystem"), Qt::CaseInsensitive) == 0);
}

QString PrinterToUse(const QStringList& installed, const QString& current,
                     const QString& defaultName) {
  if (installed.isEmpty() || installed.contains(current)) return current;
  return installed.contains(defaultName) ? defaultName : installed.front();
}

QtPrinterSetup::QtPrinterSetup() {
  kept_.zoom = 100;
}

// Made on first use: a QPrinter loads the print system (CUPS and its
// libraries), which the start of the program need not wait for.
QPrinter& QtPrinterSetup::Device() const {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString name =
        PrinterToUse(InstalledPrinters(), QString(), QPrinterInfo::defaultPrinterName());
    if (!name.isEmpty()) printer_->setPrinterName(name);
  }
  return *printer_;
}

QtPrinterSetup::~QtPrinterSetup() = default;

QStringList QtPrinterSetup::InstalledPrinters() {
  return QPrinterInfo::availablePrinterNames();
}

bool QtPrinterSetup::IsPrinterAvailable() const {
  // A printer added after start-up is taken up once none was current, and
  // one removed is replaced, so that the set-up can still choose another.
  const QStringList installed = InstalledPrinters();
  QPrinter& device = Device();
  const QString use =
      PrinterToUse(installed, device.printerName(), QPrinterInfo::defaultPrinterName());
  if (use != device.printerName() && device.printerState() != QPrinter::Active) {
    device.setPrinterName(use);
  }
  return IsUsablePrinterSet(installed, Device().printerName()) &&
         installed.contains(Device().printerName());
}

PrinterProperties QtPrinterSetup::Current() const {
  if (!IsPrinterAvailable()) return sheet_.Current();
  PrinterProperties p = kept_;
  const QPageLayout layout = Device().pageLayout();
  p.deviceName = Device().printerName().toStdString();
  p.paperSize = PaperCodeOf(layout.pageSize().id());
  p.orientation = layout.orientation() == QPageLayout::Portrait ? kPortrait : kLandscape;
  p.copies = static_cast<int16_t>(Device().copyCount());
  p.colorMode = Device().colorMode() == QPrinter::Color ? kColor : kMonochrome;
  switch (Device().duplex()) {
    case QPrinter::DuplexLongSide:
      p.duplex = kDuplexLongEdge;
      break;
    case QPrinter::DuplexShortSide:
      p.duplex = kDuplexShortEdge;
      break;
    default:
      p.duplex = kSimplex;
  }
  return p;
}

bool QtPrinterSetup::SelectPrinter(const std::string& deviceName) {
  const QString wanted = QString::fromStdString(deviceName);
  for (const QString& name : InstalledPrinters()) {
    if (name.compare(wanted, Qt::CaseInsensitive) == 0) {
      Device().setPrinterName(name);
      return true;
    }
  }
  return false;
}

bool QtPrinterSetup::setPaperSize(int16_t value) {
  if (!IsPrinterAvailable()) return sheet_.setPaperSize(value);
  const QPageSize::PageSizeId id = PageSizeOfCode(value);
  if (id == QPageSize::Custom) return false;
  return Device().setPageSize(QPageSize(id));
}

bool QtPrinterSetup::setOrientation(int16_t value) {
  if (!IsPrinterAvailable()) return sheet_.setOrientation(value);
  if (value != kPortrait && value != kLandscape) return false;
  return Device().setPageOrientation(value == kPortrait ? QPageLayout::Portrait
                                                        : QPageLayout::Landscape);
}

bool QtPrinterSetup::setColorMode(int16_t value) {
  if (!IsPrinterAvailable() || (value != kMonochrome && value != kColor)) return false;
  Device().setColorMode(value == kColor ? QPrinter::Color : QPrinter::GrayScale);
  return true;
}

bool QtPrinterSetup::setDuplex(int16_t value) {
  if (!IsPrinterAvailable()) return false;
  switch (value) {
    case kSimplex:
      Device().setDuplex(QPrinter::DuplexNone);
      return true;
    case kDuplexLongEdge:
      Device().setDuplex(QPrinter::DuplexLongSide);
      return true;
    case kDuplexShortEdge:
      Device().setDuplex(QPrinter::DuplexShortSide);
      return true;
    default:
      return false;
  }
}

bool QtPrinterSetup::setCopies(int16_t value) {
  if (!IsPrinterAvailable() || value < 1) return false;
  Device().setCopyCount(value);
  return true;
}

bool QtPrinterSetup::setPaperBin(int16_t value) {
  if (!IsPrinterAvailable()) return false;
  kept_.paperBin = value;
  return true;
}

bool QtPrinterSetup::setPrintQuality(int16_t value) {
  if (!IsPrinterAvailable()) return false;
  kept_.printQuality = value;
  return true;
}

bool QtPrinterSetup::setZoom(int32_t value) {
  if (!IsPrinterAvailable()) return false;
  kept_.zoom = value;
  return true;
}

QSizeF QtPrinterSetup::SheetMillimeters() const {
  return Device().pageLayout().fullRect(QPageLayout::Millimeter).size();
}

std::shared_ptr<PrinterSetup> MakeSystemPrinterSetup() {
  return std::make_shared<QtPrinterSetup>();
}
