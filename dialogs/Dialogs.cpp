#include "Dialogs.h"

#include <QCoreApplication>
#include <QString>
#include <exception>

#include "InfoListing.h"
#include "InfoWindow.h"
#include "LocationDatabase.h"
#include "LocationDialog.h"
#include "MainModel.h"
#include "OptionsDialog.h"
#include "UiServices.h"

namespace {

// A failure while a dialog is made or shown ends it with its message.
template <typename Run>
auto ShowingFailures(QWidget* parent, const QString& caption, Run run) -> decltype(run()) {
  try {
    return run();
  } catch (const RaisedError& error) {
    ShowMessage(parent, MessageIcon::Exclamation, QString::fromStdString(error.Description()),
                caption);
  } catch (const std::exception& error) {
    ShowMessage(parent, MessageIcon::Exclamation, QString::fromUtf8(error.what()), caption);
  }
  return decltype(run())();
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
    model.ClearLastError();
    try {
      listing = BuildInfoListing(model.Chart(), model.Season.SeasonDate.Year);
    } catch (const RaisedError& error) {
      // The window still opens, empty, after the engine's message.
      model.SaveLastError(error);
      ShowMessage(parent, MessageIcon::Exclamation,
                  QString::fromStdString(model.LastErrDescription()), QStringLiteral("Umbrafex"));
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
