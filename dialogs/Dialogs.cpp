#include "Dialogs.h"

#include <QCoreApplication>
#include <QString>
#include <exception>
#include <type_traits>

#include "InfoListing.h"
#include "InfoWindow.h"
#include "LocationDatabase.h"
#include "LocationDialog.h"
#include "MainModel.h"
#include "OptionsDialog.h"
#include "UiServices.h"

namespace {

// Only the text of a fault is shown.
ErrorRecord DescribeFault(const std::exception& fault) {
  return {kInvalidCallNumber, {}, fault.what()};
}

// A failure while a dialog is made or shown ends it with its message; its
// answer is then false.
template <typename Run>
bool ShowingFailures(QWidget* parent, const QString& caption, Run run) {
  bool answer = false;
  ErrorRecord failure;
  const auto body = [&] {
    if constexpr (std::is_void_v<decltype(run())>) {
      run();
    } else {
      answer = run();
    }
  };
  if (!TrapStatus(failure, body, DescribeFault).ok()) {
    ShowMessage(parent, MessageIcon::Exclamation, QString::fromStdString(failure.description),
                caption);
  }
  return answer;
}

}  // namespace

bool ShowLocationDialog(QWidget* parent, MainModel& model) {
  const QString caption =
      QCoreApplication::translate("LocationDialog", kLocationDialogCaption.data());
  return ShowingFailures(parent, caption, [&] {
    LocationDialog dialog(parent, model, LocationDatabaseFolder());
    dialog.Load();
    dialog.exec();
    return dialog.Chosen();
  });
}

void ShowInfoWindow(QWidget* parent, MainModel& model) {
  ShowingFailures(parent, InfoWindow::tr("Calculation Conditions"), [&] {
    std::string listing;
    model.lastError.Clear();
    if (!TrapStatus(model.lastError, [&] {
           listing = BuildInfoListing(model.Chart(), model.season.seasonDate.year, model.dialPlane);
         }).ok()) {
      // The window still opens, empty, after the engine's message.
      ShowMessage(parent, MessageIcon::Exclamation,
                  QString::fromStdString(model.lastError.description), QStringLiteral("Umbrafex"));
    }
    InfoWindow window(parent, QString::fromStdString(listing));
    window.exec();
  });
}

bool ShowOptionsDialog(QWidget* parent, MainModel& model, int page) {
  const QString caption = QCoreApplication::translate("OptionsDialog", kOptionsCaption.data());
  return ShowingFailures(parent, caption, [&] {
    OptionsDialog dialog(parent, model);
    dialog.ShowPage(page);
    dialog.exec();
    return dialog.Stored();
  });
}
