// The print and set-up commands, the preview window and the export command
// on the offscreen platform, with scripted messages and file dialogs.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "AppIni.h"
#include "ExportPagesCommand.h"
#include "FontSubstitutions.h"
#include "MainModel.h"
#include "Preferences.h"
#include "PreviewWindow.h"
#include "PrintCommand.h"
#include "PrintJob.h"
#include "PrinterSetupCommand.h"
#include "PrinterSetupQt.h"
#include "UiServices.h"

namespace {

// A printer that takes any paper, as a desktop printer does.
class FakePrinter : public NoPrinterSetup {
 public:
  bool IsPrinterAvailable() const override { return true; }
  PrinterProperties Current() const override { return current; }
  bool setPaperSize(int16_t value) override {
    current.paperSize = value;
    return true;
  }
  PrinterProperties current{"Office Laser", kPaperA4, 0, 0, 2, 1, kPortrait, 100, 1};
};

}  // namespace

class PrintWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    InstallFontSubstitutions();
    SetAppIniPath(dir_.filePath("umbrafex.ini").toStdString());
  }

  void printCommandIsBusyAndDoesNotReenter() {
    MainModel model;
    model.setPrinter(std::make_shared<FakePrinter>());
    QWidget window;
    window.show();
    ScriptedMessages messages;
    ScopedUiServices services(&messages);
    QStringList shown;
    const auto status = [&](const QString&, const QString& text) { shown << text; };
    int jobs = 0;
    Status inner;
    int16_t printedPages = 0;
    bool busy = false;
    bool closed = true;
    const Status result =
        RunPrintCommand(&window, model, 2, status, [&](MainModel& m, int16_t pages) {
          ++jobs;
          printedPages = pages;
          busy = !window.isEnabled();
          closed = window.close();  // the window manager's close button
          inner = RunPrintCommand(&window, m, 1, status, [&](MainModel&, int16_t) {
            ++jobs;
            return Status::Ok();
          });
          return m.lastError.Record(482, "Printer", "プリンタエラーが発生しました。");
        });
    QCOMPARE(jobs, 1);
    QCOMPARE(printedPages, int16_t{2});
    QVERIFY(busy);
    QVERIFY(!closed);
    QVERIFY(window.isVisible());
    QCOMPARE(inner, Status::Error(kInvalidCallNumber));
    QCOMPARE(result, Status::Error(482));
    QVERIFY(window.isEnabled());
    QCOMPARE(shown, (QStringList{"Office Laserに印刷しています...", ""}));
    QCOMPARE(messages.asked.size(), size_t{1});
    QCOMPARE(messages.asked[0].caption, QString("印刷"));
    QCOMPARE(messages.asked[0].text, QString("プリンタエラーが発生しました。"));
    QVERIFY(messages.asked[0].icon == MessageIcon::Exclamation);
    // Without a usable printer the job itself refuses.
    model.setPrinter(nullptr);
    QCOMPARE_NE(PrintOnPrinter(model, 1), Status::Ok());
    QCOMPARE(model.lastError.description, NoPrinterText());
  }

  // Qt cannot withdraw a job once begun; a failing page must stop it first.
  void aFailingPageSendsNothingToThePrinter() {
    MainModel model;
    QVERIFY(model.ApplySeason().ok());
    const QString out = dir_.filePath("printer.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out);
    SundialRoutines failing;
    failing.gnomonMarks = [](DialDesign design, DrawTarget&, const DialLayout&, double) {
      return design.errors.Record(1004, "mdlDraw", "描画できません。");
    };
    QCOMPARE(PrintRehearsed(model, printer, kPaperA4, kPortrait, 2, failing), Status::Error(1004));
    QVERIFY(!QFileInfo::exists(out));
    QCOMPARE(PrintRehearsed(model, printer, kPaperA4, kPortrait, 2), Status::Ok());
    QVERIFY(QFileInfo(out).size() > 1000);
  }

  void setupWarnsAboutUnsupportedPaperAndCancelChangesNothing() {
    MainModel model;
    ScriptedMessages messages;
    ScopedUiServices services(&messages);
    const auto choose = [](int16_t paper) {
      return [paper](QWidget*, PrinterSetup& printer) {
        if (paper == 0) return false;
        printer.setPaperSize(paper);
        return true;
      };
    };
    QVERIFY(!PrinterSetupCommand(nullptr, model, {}, choose(kPaperA3)));
    QCOMPARE(messages.asked.at(0).text, QString::fromStdString(NoPrinterText()));
    QCOMPARE(messages.asked.at(0).caption, QString("プリンタの設定"));

    auto printer = std::make_shared<FakePrinter>();
    model.setPrinter(printer);
    QVERIFY(!PrinterSetupCommand(nullptr, model, {}, choose(0)));
    QVERIFY(PrinterSetupCommand(nullptr, model, {}, choose(kPaperB4)));
    QCOMPARE(messages.asked.size(), size_t{1});
    QStringList shown;
    QVERIFY(PrinterSetupCommand(
        nullptr, model, [&](const QString&, const QString& text) { shown << text; },
        choose(3)));                                   // tabloid
    QCOMPARE(printer->current.paperSize, int16_t{3});  // stays chosen
    QCOMPARE(messages.asked.size(), size_t{2});
    QCOMPARE(messages.asked[1].text, QString("選択された用紙サイズはサポートしていません。"));
    QCOMPARE(shown, (QStringList{"プリンタの設定を変更しています...", ""}));
  }

  void previewShowsThePageAtOnceWithoutAPrinter() {
    MainModel model;
    QVERIFY(model.ApplySeason().ok());
    PreviewWindow window(model);
    window.setPageCount(2);
    window.resize(500, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.Picture()->Page().isNull());
    QCOMPARE(window.windowTitle(), QString("印刷プレビュー"));
    QCOMPARE(window.StatusText(0), QString("プリンタ : 無効 / 用紙 : A4 縦"));
    QCOMPARE(window.StatusText(1), QString("1/2ページ"));
    // The page is the A4 sheet: the picture keeps its proportions.
    const QSize page = window.Picture()->Page().size();
    QVERIFY(qAbs(page.height() * 210.0 / page.width() - 297) < 2);
    SaveScreenshot(window, "preview.png");

    // A zoom click draws the larger page; the next page draws again.
    const qint64 before = window.Picture()->Page().cacheKey();
    QTest::mouseClick(window.Picture(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(window.Picture()->Page().cacheKey() != before);
    QVERIFY(window.Model().Zoom() > 0.1);
    SaveScreenshot(window, "preview-zoomed.png");

    // The keys scroll as the bars' arrows and pages do.
    const int top = window.Picture()->y();
    QTest::keyClick(&window, Qt::Key_Down);
    const int lineDown = window.Picture()->y();
    QVERIFY(lineDown < top);
    QTest::keyClick(&window, Qt::Key_PageDown);
    const int pageDown = window.Picture()->y();
    QVERIFY(top - pageDown > 2 * (top - lineDown));
    QTest::keyClick(&window, Qt::Key_Up);
    QVERIFY(window.Picture()->y() > pageDown);
    window.close();
  }

  void scrollBarsMoveThePictureByTheirOwnSteps() {
    MainModel model;
    QVERIFY(model.ApplySeason().ok());
    PreviewWindow window(model);
    window.resize(400, 250);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>("actPageWidth")->trigger();
    auto* bar = window.findChild<QScrollBar*>("vscPreview");
    QVERIFY(bar->isVisible());
    const double twipsPerPixel = 1440.0 / window.logicalDpiX();
    // "Scroll here" from the bar's menu sets the value directly.
    bar->setValue(1500);
    QCOMPARE(window.Model().VerticalBar().position, 1500);
    QCOMPARE(window.Picture()->y(), -qRound(1500 / twipsPerPixel));
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int32_t stepped = 1500 + window.Model().PageStep();
    QCOMPARE(window.Model().VerticalBar().position, stepped);
    QCOMPARE(bar->value(), stepped);
    QCOMPARE(window.Picture()->y(), -qRound(stepped / twipsPerPixel));
    window.close();
  }

  void placementComesBackOnScreenAndIsWrittenAtClose() {
    MainModel model;
    QVERIFY(model.ApplySeason().ok());
    PutIniString("PreviewWindow", "Position", "-40000, -40000, 300, 400");
    PutIniString("PreviewWindow", "ShowGuide", "True");
    QSize size;
    {
      PreviewWindow window(model);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
      QVERIFY(screen.intersects(window.frameGeometry()));
      size = window.size();
      window.findChild<QAction*>("actGuide")->trigger();
      window.move(screen.topLeft() + QPoint(30, 40));
      window.close();
    }
    const QPoint place = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
    QCOMPARE(QString::fromStdString(GetIniString("PreviewWindow", "Position", "")),
             QString("%1, %2, %3, %4")
                 .arg(place.x() + 30)
                 .arg(place.y() + 40)
                 .arg(size.width())
                 .arg(size.height()));
    QVERIFY(!GetIniBool("PreviewWindow", "ShowGuide", true));
  }

  // The click that closes the popup menu does not zoom; the next one does.
  void clickClosingThePopupIsNotAZoom() {
    MainModel model;
    QVERIFY(model.ApplySeason().ok());
    PreviewWindow window(model);
    window.resize(500, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWindow* handle = window.windowHandle();
    const QPoint onPage = window.Picture()->mapTo(&window, QPoint(40, 40));
    const double zoom = window.Model().Zoom();
    QTest::mouseClick(handle, Qt::RightButton, {}, onPage);
    auto* popup = window.findChild<QMenu*>("mnuPopup");
    QTRY_VERIFY(popup->isVisible());
    QTest::mouseMove(popup->windowHandle(), QPoint(20, 10));
    const QPoint outside = onPage - QPoint(20, 20);
    QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {},
                      popup->mapFromGlobal(window.mapToGlobal(outside)));
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(window.Model().Zoom(), zoom);
    QTest::mouseClick(handle, Qt::LeftButton, {}, onPage);
    QVERIFY(window.Model().Zoom() > zoom);
    window.close();
  }

  void setupOfAnUnsupportedPaperShowsTheNewSheet() {
    MainModel model;
    QVERIFY(model.ApplySeason().ok());
    auto printer = std::make_shared<FakePrinter>();
    model.setPrinter(printer);
    ScriptedMessages messages;
    ScopedUiServices services(&messages);
    PreviewWindow window(model);
    window.setSetupDialog([](QWidget*, PrinterSetup& p) {
      p.setPaperSize(kPaperA3);
      p.setPaperSize(3);  // tabloid, not made for the dial
      return true;
    });
    window.resize(500, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.StatusText(0), QString("プリンタ : Office Laser / 用紙 : A4 縦"));
    QAction* setup = window.findChild<QAction*>("actSetup");
    QVERIFY(setup != nullptr);
    setup->trigger();
    QCOMPARE(window.StatusText(0), QString("プリンタ : Office Laser / 用紙 : その他 縦"));
    QCOMPARE(messages.asked.size(), size_t{1});
    window.close();
  }

  // The options dialog starts from the printer and the checked page count;
  // its choice decides the files.
  void exportWritesTheChosenPagesByExtension() {
    MainModel model;
    ScriptedMessages messages;
    ScriptedFileDialogs files;
    ScopedUiServices services(&messages, &files);
    files.savePaths = {dir_.filePath("dial.pdf"), dir_.filePath("dial.png"),
                       dir_.filePath("one.svg"), dir_.filePath("gone.pdf"),
                       dir_.filePath("dial.txt")};
    std::vector<ExportChoice> offered;
    auto choose = [&offered](int16_t paper, int16_t page, bool ok) {
      return [&offered, paper, page, ok](QWidget*, ExportChoice& choice) {
        offered.push_back(choice);
        choice.setPaper(paper);
        choice.setPage(page);
        return ok;
      };
    };
    ExportPagesCommand(nullptr, model, 1, choose(kPaperLetter, 0, true));
    QVERIFY(QFileInfo(dir_.filePath("dial.pdf")).size() > 1000);
    ExportPagesCommand(nullptr, model, 2, choose(kPaperA4, 0, true));
    QVERIFY(QFileInfo::exists(dir_.filePath("dial.png")));
    QVERIFY(QFileInfo::exists(dir_.filePath("dial-2.png")));
    ExportPagesCommand(nullptr, model, 2, choose(kPaperB5, 2, true));
    QVERIFY(QFileInfo::exists(dir_.filePath("one.svg")));
    QVERIFY(!QFileInfo::exists(dir_.filePath("one-2.svg")));
    ExportPagesCommand(nullptr, model, 1, choose(kPaperA4, 0, false));
    QVERIFY(!QFileInfo::exists(dir_.filePath("gone.pdf")));
    QCOMPARE(offered.size(), size_t{4});
    QCOMPARE(offered[0].Paper(), kPaperA4);
    QCOMPARE(offered[1].PageCount(), int16_t{2});
    QVERIFY(messages.asked.empty());
    ExportPagesCommand(nullptr, model, 1, choose(kPaperA4, 0, true));
    QCOMPARE(messages.asked.size(), size_t{1});
    QCOMPARE(messages.asked[0].caption, QString("PDF/SVG/PNGに書き出し"));
  }

  void desktopPrinterRulesAndPaperCodes() {
    QVERIFY(!IsUsablePrinterSet({}, ""));
    QVERIFY(!IsUsablePrinterSet({"Rendering Subsystem"}, "rendering subsystem"));
    QVERIFY(IsUsablePrinterSet({"Rendering Subsystem", "Laser"}, "Rendering Subsystem"));
    QVERIFY(IsUsablePrinterSet({"Laser"}, "Laser"));
    // A printer removed while the program runs gives way to the default.
    QCOMPARE(PrinterToUse({"Laser", "Photo"}, "Gone", "Photo"), QString("Photo"));
    QCOMPARE(PrinterToUse({"Laser", "Photo"}, "", "Gone too"), QString("Laser"));
    QCOMPARE(PrinterToUse({"Laser", "Photo"}, "Laser", "Photo"), QString("Laser"));
    QCOMPARE(PrinterToUse({}, "Gone", ""), QString("Gone"));
    const int16_t codes[] = {1, 5, kPaperA3, kPaperA4, 11, kPaperB4, kPaperB5};
    for (int16_t code : codes) QCOMPARE(PaperCodeOf(PageSizeOfCode(code)), code);
    QCOMPARE(PageSizeOfCode(kPaperB4), QPageSize::JisB4);
    QCOMPARE(PageSizeOfCode(kPaperB5), QPageSize::JisB5);
    QCOMPARE(PaperCodeOf(QPageSize::B4), int16_t{256});  // ISO B4 is not the dial's B4
    QCOMPARE(PageSizeOfCode(999), QPageSize::Custom);
  }

  // The set-up dialog reaches the paper and orientation (Qt's "properties"
  // button) and is confirmed with OK, not with a "Print" that prints nothing.
  void setupDialogOffersPaperAndSaysOk() {
    QPrinter printer;
    QPrintDialog dialog(&printer);
    MakeSetupDialog(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* properties = dialog.findChild<QPushButton*>(QStringLiteral("properties"));
    QVERIFY(properties != nullptr && properties->isVisible());
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QString("OK"));
    QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintToFile));
    QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintPageRange));
    dialog.reject();
  }

 private:
  // Under UMBRAFEX_SCREENSHOTS=DIR the window is kept as a picture to look at.
  static void SaveScreenshot(QWidget& window, const char* name) {
    const QByteArray folder = qgetenv("UMBRAFEX_SCREENSHOTS");
    if (!folder.isEmpty()) window.grab().save(QString::fromLocal8Bit(folder) + "/" + name);
  }

  QTemporaryDir dir_;
};

QTEST_MAIN(PrintWindowsTest)
#include "PrintWindowsTest.moc"
